// The About box of the real OCX, opened by AboutBox and worked by another thread as a user
// would: its texts read back from the dialog's controls, System Info and the web address
// with the registry set up by the test, the message box read and dismissed, and OK. The
// box and the message box are saved as BMP files beside the test program for a person to
// look at.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "com/unique_handle.h"
#include "resource_ids.h"
#include "automation/screen_capture.h"
#include "automation/splitter_instance.h"
#include "window_driver.h"

namespace {

constexpr wchar_t kAboutCaption[] = L"About OvSplitter ActiveX control";
constexpr wchar_t kMsinfoKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kLocationKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr wchar_t kBrowserProfileKey[] = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t kBrowserPathKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
constexpr int kMessageText = 0xFFFF;  // the static that holds a message box's text

void Press(HWND dialog, int button) { Press(GetDlgItem(dialog, button)); }

// A registry value that the test sets (or removes) and puts back as it was.
class RegistryOverride {
 public:
  RegistryOverride(HKEY root, const wchar_t* key, const wchar_t* name, std::optional<std::wstring> value)
      : root_(root), key_(key), name_(name) {
    DWORD size = sizeof saved_;
    had_ = RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, saved_, &size) == ERROR_SUCCESS;
    Write(value);
  }
  ~RegistryOverride() { Write(had_ ? std::optional<std::wstring>(saved_) : std::nullopt); }

 private:
  void Write(const std::optional<std::wstring>& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root_, key_, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr) != ERROR_SUCCESS) return;
    win32::UniqueRegistryKey key(opened);
    if (!value) {
      RegDeleteValueW(key.get(), name_);
      return;
    }
    RegSetValueExW(key.get(), name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                   static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
  }

  HKEY root_;
  const wchar_t* key_;
  const wchar_t* name_;
  bool had_ = false;
  wchar_t saved_[1024] = {};
};

// A file that a started program writes; gone before and after the test.
class Marker {
 public:
  explicit Marker(const wchar_t* name) : path_(TestDirectory() + name) { DeleteFileW(path_.c_str()); }
  ~Marker() { DeleteFileW(path_.c_str()); }
  const std::wstring& Path() const { return path_; }
  // The program's command line writes its remaining arguments into the marker.
  std::wstring EchoCommand() const {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    return std::wstring(system) + L"\\cmd.exe /c echo>\"" + path_ + L"\"";
  }
  // What the program wrote, once it has; empty after ten seconds.
  std::string WaitForText() const {
    for (int tries = 0; tries < 1000; ++tries) {
      std::ifstream file(path_.c_str());
      std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      if (!text.empty()) return text;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
  }

 private:
  std::wstring path_;
};

class AboutBox : public ::testing::Test {
 protected:
  // Calls AboutBox here while another thread plays the user's part with the shown box.
  void ShowWhile(const std::function<void(HWND about)>& user) {
    std::thread other([&] {
      HWND about = WaitForDialog(kAboutCaption);
      if (!about) {
        ADD_FAILURE() << "the About box did not show";
        return;
      }
      user(about);
    });
    EXPECT_NO_THROW(splitter_.Control().Call(L"AboutBox"));
    other.join();
    EXPECT_EQ(FindWindowW(L"#32770", kAboutCaption), nullptr) << "the About box is still open";
  }

  SplitterInstance splitter_;
};

TEST_F(AboutBox, ShowsTheComponentItsVersionAndTheWebAddressAndClosesWithOk) {
  ShowWhile([](HWND about) {
    struct Expected {
      int control;
      const wchar_t* text;
    };
    for (Expected e : {Expected{IDC_ABOUT_TITLE, L"Orvane Splitter ActiveX Control"},
                       Expected{IDC_ABOUT_VERSION, L"Version 1.0.45"}, Expected{IDC_ABOUT_WWW_LABEL, L"WWW :"},
                       Expected{IDC_ABOUT_SYSINFO, L"&System Info..."}, Expected{IDOK, L"OK"}})
      EXPECT_EQ(TextOf(GetDlgItem(about, e.control)), e.text) << e.control;
    EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_WWW)).rfind(L"http://", 0), 0u);
    EXPECT_NE(GetWindowLongPtrW(about, GWL_STYLE) & WS_VISIBLE, 0);
    SaveWindow(about, L"about-box.bmp");
    Press(about, IDOK);
  });
}

TEST_F(AboutBox, ShowAboutBoxIsTheHiddenMemberThatShowsNothing) {
  EXPECT_NO_THROW(splitter_.Control().Call(L"ShowAboutBox"));
  EXPECT_EQ(FindWindowW(L"#32770", kAboutCaption), nullptr);
}

TEST_F(AboutBox, SystemInfoSaysItIsUnavailableWhenNoKeyLeadsToTheProgram) {
  // The location key names a folder without MSINFO32.EXE.
  RegistryOverride path(HKEY_LOCAL_MACHINE, kMsinfoKey, L"PATH", std::nullopt);
  RegistryOverride location(HKEY_LOCAL_MACHINE, kLocationKey, L"MSINFO", TestDirectory() + L"no-msinfo");
  ShowWhile([](HWND about) {
    Press(about, IDC_ABOUT_SYSINFO);
    HWND box = WaitForDialog(L"OrvaneSplitter");
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(TextOf(GetDlgItem(box, kMessageText)), L"Οι πληροοφορίες συστήματος δεν είναι διαθέσιμες");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(box, IDOK)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(box, IDCANCEL)));
    EXPECT_EQ(GetWindow(box, GW_OWNER), about);
    SaveWindow(box, L"about-box-no-sysinfo.bmp");
    Press(box, IDOK);
    EXPECT_TRUE(WaitUntilGone(box));
    Press(about, IDOK);
  });
}

TEST_F(AboutBox, SystemInfoStartsTheProgramThatTheRegistryNames) {
  Marker marker(L"about-sysinfo.txt");
  RegistryOverride path(HKEY_LOCAL_MACHINE, kMsinfoKey, L"PATH", marker.EchoCommand() + L" msinfo started");
  ShowWhile([&](HWND about) {
    Press(about, IDC_ABOUT_SYSINFO);
    EXPECT_NE(marker.WaitForText().find("msinfo started"), std::string::npos);
    EXPECT_EQ(FindWindowW(L"#32770", L"OrvaneSplitter"), nullptr);
    Press(about, IDOK);
  });
}

TEST_F(AboutBox, ClickingTheWebAddressOpensItInTheRegisteredBrowser) {
  Marker marker(L"about-browser.txt");
  RegistryOverride profile(HKEY_CURRENT_USER, kBrowserProfileKey, L"Start Page", L"about:blank");
  RegistryOverride browser(HKEY_LOCAL_MACHINE, kBrowserPathKey, L"", marker.EchoCommand());
  ShowWhile([&](HWND about) {
    std::wstring address = TextOf(GetDlgItem(about, IDC_ABOUT_WWW));
    HWND link = GetDlgItem(about, IDC_ABOUT_WWW);
    PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    std::string written = marker.WaitForText();
    EXPECT_NE(written.find(std::string(address.begin(), address.end())), std::string::npos) << written;
    Press(about, IDOK);
  });
}

}  // namespace
