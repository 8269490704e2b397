// formhost's design mode with the real OCX: the control's reported changes mark the form
// changed until it is saved, the selected splitter's pages open in the form's own frame
// and their edits show on the form at once and are saved, and the About box opens over the
// form with its texts. Another thread plays the user's part in the modal windows.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>

#include "formhost/form_file.h"
#include "formhost/form_window.h"
#include "automation/real_pointer.h"
#include "formhost/splitter_geometry.h"
#include "resource_ids.h"
#include "window_driver.h"

namespace {

constexpr int kApply = 0x3021;

class FormDesign : public ::testing::Test {
 protected:
  void Open(bool userMode) {
    form_ = std::make_unique<FormWindow>(FormOptions{.userMode = userMode});
    form_->AddSplitter(L"OvSplitter1");
    form_->AddSplitter(L"OvSplitter2");
  }
  const DispatchClient& Control(size_t index) const { return form_->Splitters()[index]->Control(); }

  std::unique_ptr<FormWindow> form_;
};

TEST_F(FormDesign, PaneChangesMarkTheFormChangedAtDesignTimeUntilItIsSaved) {
  struct Case {
    bool userMode;
    bool changed;
    const wchar_t* title;
  };
  for (Case c : {Case{true, false, L"Form1"}, Case{false, true, L"Form1 [design] *"}}) {
    Open(c.userMode);
    EXPECT_FALSE(form_->Changed()) << "placing the splitters is the form's own doing";
    Control(0).Object(L"Panes").Call(L"Add");
    EXPECT_EQ(form_->Changed(), c.changed);
    EXPECT_EQ(TextOf(form_->Handle()), c.title);
    form_->MarkSaved();
    EXPECT_FALSE(form_->Changed());
    EXPECT_EQ(TextOf(form_->Handle()).back(), c.userMode ? L'1' : L']');
  }
  // Opened in the designer, a saved form reports its panes while it loads: no edit either.
  SavedForm saved = SaveForm(*form_);
  form_.reset();
  form_ = std::make_unique<FormWindow>(FormOptions{.userMode = false});
  OpenForm(*form_, saved);
  EXPECT_FALSE(form_->Changed());
  EXPECT_EQ(TextOf(form_->Handle()), L"Form1 [design]");
}

TEST_F(FormDesign, ThePagesOfTheSelectedSplitterApplyTheirEditsToTheFormAtOnceAndTheSavedFormKeepsThem) {
  Open(false);
  for (size_t i : {0, 1}) Control(i).Object(L"Panes").Call(L"Add");  // bars to see
  form_->Select(*form_->Splitters()[1].Get());
  std::thread user([&] {
    HWND frame = WaitForDialog(L"OvSplitter2 Properties");
    if (!frame) return ADD_FAILURE() << "the property frame did not show";
    HWND size = WaitFor([&] { return FindDescendant(frame, IDC_GENERAL_TXTSPLITTERSIZE); });
    if (!size) return ADD_FAILURE() << "no General page";
    HWND apply = GetDlgItem(frame, kApply);
    EXPECT_FALSE(IsWindowEnabled(apply));
    SendMessageW(size, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"9"));
    EXPECT_TRUE(IsWindowEnabled(apply)) << "a changed field enables Apply";
    SendMessageTimeoutW(apply, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, nullptr);
    EXPECT_FALSE(IsWindowEnabled(apply));
    EXPECT_EQ(TextOf(form_->Handle()), L"Form1 [design] *") << "applied while the frame is open";
    Press(GetDlgItem(frame, IDOK));
    EXPECT_TRUE(WaitUntilGone(frame));
  });
  form_->ShowPropertyPages();
  user.join();

  EXPECT_EQ(Control(1).Get(L"SplitterSize").AsLong(), 9);
  EXPECT_EQ(Control(0).Get(L"SplitterSize").AsLong(), 3);
  std::wstring path = TestDirectory() + L"form-design.frm";
  WriteFormFile(path, SaveForm(*form_));
  std::ifstream file(path.c_str());
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  size_t second = text.find("Splitter OvSplitter2");
  ASSERT_NE(second, std::string::npos) << text;
  EXPECT_NE(text.find("SplitterSize = I4 9", second), std::string::npos) << text;
  DeleteFileW(path.c_str());
}

TEST_F(FormDesign, AClickSelectsASplitterAndTheKeysOpenItsPagesAndTheAboutBoxWithItsTexts) {
  if (!RealPointer::Available()) GTEST_SKIP() << "needs xdotool under Wine's x11 driver";
  Open(false);
  for (size_t i : {0, 1}) Control(i).Object(L"Panes").Call(L"Add");
  const SplitterSite& second = *form_->Splitters()[1].Get();
  RealPointer pointer;
  pointer.MoveTo({2, 2});
  SetWindowPos(form_->Handle(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetForegroundWindow(form_->Handle());
  PumpMessagesUntilQuiet(100);
  pointer.MoveTo(OnScreen(second, POINT{20, 20}));
  pointer.Press();
  pointer.ReleaseButton();
  for (int tries = 0; tries < 50 && form_->Selected() != &second; ++tries) PumpMessagesUntilQuiet();
  EXPECT_EQ(form_->Selected(), &second) << "focus " << GetFocus() << ", second " << second.Window();

  // The form's own message loop runs while another thread types.
  std::thread user([&] {
    struct CloseForm {
      HWND form;
      ~CloseForm() { PostMessageW(form, WM_CLOSE, 0, 0); }
    } closeAtEnd{form_->Handle()};
    RealPointer keys;
    keys.Key("F4");
    HWND frame = WaitForDialog(L"OvSplitter2 Properties");
    if (!frame) return ADD_FAILURE() << "F4 opened no property frame";
    Press(GetDlgItem(frame, IDCANCEL));
    EXPECT_TRUE(WaitUntilGone(frame));
    keys.Key("shift+F1");
    HWND about = WaitForDialog(L"About OvSplitter ActiveX control");
    if (!about) return ADD_FAILURE() << "Shift+F1 opened no About box";
    EXPECT_EQ(GetAncestor(GetWindow(about, GW_OWNER), GA_ROOT), form_->Handle()) << "it opens over the form";
    // The texts the About form sets, on the dialog's controls; the version from the file's own.
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_TITLE)), L"Orvane Splitter ActiveX Control");
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_VERSION)), L"Version 1.0.45");
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_WWW)).rfind(L"http://", 0), 0u);
    Press(GetDlgItem(about, IDOK));
    EXPECT_TRUE(WaitUntilGone(about));
  });
  form_->RunUntilClosed();
  user.join();
  EXPECT_TRUE(form_->IsClosed());
}

}  // namespace
