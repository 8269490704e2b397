// The control inside a real container: formhost's form activates it in place, resizes
// it through SetObjectRects, lets it place the controls bound to its panes, closes it; and
// formhost's form files: the notation of every value and what a damaged file says (a form
// saved by one formhost and opened by another is run_form_files.sh's).

#include <cmath>
#include <cstdio>

#include "formhost/form_file.h"
#include "formhost/form_window.h"
#include "automation/gdi_census.h"
#include "same_variant.h"
#include "automation/server_module.h"
#include "formhost/splitter_geometry.h"
#include "splitter_test.h"
#include "formhost/text_property_bag.h"
#include "formhost/variant_text.h"

namespace {

RECT ClientRectInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class FormHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<FormWindow>();
    splitter_ = &form_->AddSplitter(L"OvSplitter1");
  }

  const DispatchClient& Control() const { return splitter_->Control(); }
  DispatchClient Pane(long position) const { return PaneOf(*splitter_, position); }
  void AddPanes(int count) const {
    DispatchClient panes = Control().Object(L"Panes");
    for (int i = 0; i < count; ++i) panes.Call(L"Add");
  }
  ChildControl& Bind(long position, const std::wstring& name) {
    ChildControl& child = form_->AddChild(ChildKindOfName(name), name, splitter_, {0, 0, 30, 30});
    Pane(position).Put(L"ControlName", name);
    return child;
  }

  std::unique_ptr<FormWindow> form_;
  SplitterSite* splitter_ = nullptr;
};

TEST_F(FormHostTest, InPlaceTheControlWindowIsAVisibleChildOfTheFormAndDeactivatedItIsParked) {
  HWND window = splitter_->Window();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(Text(ClientRectInParent(window)), Text(splitter_->Rect()));
  EXPECT_EQ(WindowOf(Control()), window);
  auto expectActive = [&](bool active) {
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(std::tuple(GetParent(window) == form_->Handle(), IsWindowVisible(window) != FALSE,
                         splitter_->IsInPlaceActive()),
              std::tuple(active, active, active));
  };
  expectActive(true);
  EXPECT_EQ(Interface<IOleInPlaceObject>(Control().Pointer(), IID_IOleInPlaceObject)->InPlaceDeactivate(), S_OK);
  expectActive(false);
  RECT r = splitter_->Rect();
  EXPECT_EQ(Interface<IOleObject>(Control().Pointer(), IID_IOleObject)
                ->DoVerb(OLEIVERB_SHOW, nullptr, static_cast<IOleClientSite*>(splitter_), 0, form_->Handle(), &r),
            S_OK);
  expectActive(true);
}

TEST(ControlWindow, ExistsParkedAndWithItsFirstPaneSizedByTheExtentBeforeActivation) {
  SplitterOptions options;
  options.extentPixels = SIZE{200, 100};
  SplitterInstance splitter(options);
  HWND window = nullptr;
  EXPECT_EQ(Interface<IOleWindow>(splitter.Control().Pointer(), IID_IOleWindow)->GetWindow(&window), S_OK);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(Text(client), Text(RECT{0, 0, 200, 100}));
  DispatchClient pane = splitter.Panes().Object(L"Item", 1);
  EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(200));
  EXPECT_EQ(pane.Get(L"Height").AsLong(), InnerTwips3D(100));
}

TEST_F(FormHostTest, ASizeChangeRaisesResizeAndAMoveAloneDoesNot) {
  Recording events(Control().Pointer());
  RECT r = splitter_->Rect();
  long width = Pane(1).Get(L"Width").AsLong();

  OffsetRect(&r, 5, 7);
  splitter_->SetRect(r);
  EXPECT_EQ(CountStarting(events->Summaries(), L"Resize"), 0);
  EXPECT_EQ(Text(ClientRectInParent(splitter_->Window())), Text(r));
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), width);

  r.right -= 20;
  splitter_->SetRect(r);
  EXPECT_EQ(CountStarting(events->Summaries(), L"Resize"), 1);
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), width - 20 * kTwipsPerPixel);
}

// Every road a container initialises the control by: the first display runs the resize
// handler once, also when the extent is the one the control had before, so a loaded
// control whose panes fell one pixel short (as Add leaves an odd extent) fills its last
// pane to the edge.
TEST(FirstDisplay, EveryRoadFitsTheLastPaneOnceWhenTheControlIsFirstShown) {
  FormWindow form;
  auto original = SplitterSite::Create(form.Container(), form.Handle(), {});
  original->Control().Object(L"Panes").Call(L"Add");
  IUnknown* object = original->Object();
  activex::ComPtr<TextPropertyBag> bag = TextPropertyBag::Create();
  original->SaveProperties(*bag.Get());
  activex::ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
  ASSERT_EQ(Interface<IPersistStreamInit>(object, IID_IPersistStreamInit)->Save(stream.Get(), FALSE), S_OK);
  activex::ComPtr<ILockBytes> bytes;
  activex::ComPtr<IStorage> storage;
  ASSERT_EQ(CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.Out()), S_OK);
  ASSERT_EQ(
      StgCreateDocfileOnILockBytes(bytes.Get(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.Out()),
      S_OK);
  ASSERT_EQ(Interface<IPersistStorage>(object, IID_IPersistStorage)->Save(storage.Get(), FALSE), S_OK);
  original->Close();

  struct Road {
    const char* name;
    SplitterSiteOptions options;
  } roads[] = {{"InitNew through a bag", {.newThrough = PersistRoad::PropertyBag, .activate = false}},
               {"InitNew through a stream", {.newThrough = PersistRoad::Stream, .activate = false}},
               {"InitNew through a storage", {.newThrough = PersistRoad::Storage, .activate = false}},
               {"property bag", {.saved = bag.Get(), .activate = false}},
               {"stream", {.savedStream = stream.Get(), .activate = false}},
               {"storage", {.savedStorage = storage.Get(), .activate = false}}};
  for (Road& road : roads) {
    SCOPED_TRACE(road.name);
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    auto site = SplitterSite::Create(form.Container(), form.Handle(), road.options);
    auto events = EventRecorder::Create();
    events->Connect(site->Control().Pointer());
    site->Activate();
    // The resize handler's Resize, then Show's.
    EXPECT_EQ(events->Summaries(), (std::vector<std::wstring>{L"Resize()", L"Resize()"}));
    DispatchClient panes = site->Control().Object(L"Panes");
    DispatchClient last = panes.Object(L"Item", panes.Get(L"Count").AsLong());
    // A 3D pane's public rectangle lies 2 pixels inside it.
    EXPECT_EQ((last.Get(L"Left").AsLong() + last.Get(L"Width").AsLong()) / kTwipsPerPixel + 2, 320);
    events->Clear();
    Interface<IOleInPlaceObject>(site->Object(), IID_IOleInPlaceObject)->InPlaceDeactivate();
    site->Activate();
    EXPECT_EQ(events->Summaries(), std::vector<std::wstring>{L"Resize()"}) << "a later display is Show's alone";
    events->Disconnect();
    site->Close();
  }
}

// With a simple frame site, the container sees the control window's messages first; the
// control runs without one too. Right-button messages start no drag and move no focus.
class FrameSite : public ::testing::TestWithParam<bool> {};

TEST_P(FrameSite, SeesTheControlWindowsMessagesAndTheControlRunsWithoutOne) {
  FormWindow form(FormOptions{.frameSite = GetParam()});
  SplitterSite& splitter = form.AddSplitter(L"OvSplitter1");
  form.ResizeClient(500, 300);
  const int before = splitter.FilteredMessages();
  for (UINT message : {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP})
    SendMessageW(splitter.Window(), message, message == WM_RBUTTONUP ? 0 : MK_RBUTTON, MAKELPARAM(4, 4));
  EXPECT_EQ(splitter.FilteredMessages(), before + (GetParam() ? 3 : 0));
}

INSTANTIATE_TEST_SUITE_P(Containers, FrameSite, ::testing::Bool());

TEST_F(FormHostTest, BoundWindowedControlsEndOnTheirPanesAndFollowResizes) {
  AddPanes(2);
  ChildControl* bound[] = {&Bind(1, L"tree"), &Bind(2, L"list"), &Bind(3, L"edit")};
  for (bool resized : {false, true}) {
    if (resized) form_->ResizeClient(700, 420);
    for (long i = 1; i <= 3; ++i)
      EXPECT_EQ(Text(bound[i - 1]->PixelRect()), Text(PanePixels(*splitter_, i))) << "pane " << i << resized;
  }
}

TEST_F(FormHostTest, AControlOfTheSameNameOutsideTheSplitterIsNotMoved) {
  ChildControl& outside = form_->AddChild(ChildKind::List, L"list", nullptr, {400, 300, 450, 350});
  ChildControl& inside = Bind(1, L"LIST");
  EXPECT_GT(inside.Moves(), 0);
  EXPECT_EQ(outside.Moves(), 0);
  EXPECT_EQ(Text(outside.PixelRect()), Text(RECT{400, 300, 450, 350}));
}

class FormCloseTest : public ::testing::TestWithParam<bool> {};

TEST_P(FormCloseTest, TheControlIsReleasedToZeroAndLetsGoOfItsSite) {
  FormOptions options;
  options.quickActivate = GetParam();
  {
    FormWindow form(options);
    SplitterSite& splitter = form.AddSplitter(L"OvSplitter1");
    splitter.Control().Object(L"Panes").Call(L"Add");
    form.AddChild(ChildKind::Tree, L"tree", &splitter, {0, 0, 30, 30});
    splitter.Control().Object(L"Panes").Object(L"Item", 1).Put(L"ControlName", L"tree");
    FormCloseReport report = form.Close();
    ASSERT_EQ(report.controlReleases.size(), 1u);
    EXPECT_EQ(report.controlReleases[0], 0u);
    EXPECT_EQ(report.siteReferences[0], 1u);
  }
  EXPECT_EQ(ServerCanUnloadNow(), S_OK);
}

INSTANTIATE_TEST_SUITE_P(Activation, FormCloseTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "QuickActivate" : "SiteFirst"; });

// A thousand repaints of the window are the endurance test's cycles; a container's own DC
// is drawn into here.
TEST_F(FormHostTest, AThousandDrawsIntoAContainersDcLeaveNoGdiObjectBehind) {
  AddPanes(2);
  auto view = Interface<IViewObject2>(Control().Pointer(), IID_IViewObject2);
  ASSERT_TRUE(view);
  win32::WindowDc screen(nullptr);
  win32::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 320, 240));
  win32::SelectedObject selected(memory.get(), bitmap.get());
  RECTL bounds{0, 0, 320, 240};
  auto draw = [&] {
    return view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory.get(), &bounds, nullptr, nullptr, 0);
  };
  EXPECT_EQ(draw(), S_OK);
  unsigned before = GdiObjectsInUse();
  for (int i = 0; i < 1000; ++i) draw();
  EXPECT_EQ(GdiObjectsInUse(), before);
}

using win32::UniqueVariant;

// The demo's form, saved and opened again by run_form_files.sh, holds values of the common
// types; here each type's limits and the notation's odd cases.
TEST(FormFileValues, EveryTypeReadsBackAsTheSameTypeAndValue) {
  auto check = [](VariantValue original, const std::wstring& text) {
    SCOPED_TRACE(Narrow(text));
    auto written = TextPropertyBag::Create();
    ASSERT_EQ(written->Write(L"Tag", &original.Raw()), S_OK);
    EXPECT_EQ(written->Lines(), std::vector<std::wstring>{L"Tag = " + text});
    auto read = TextPropertyBag::Create();
    ASSERT_NO_THROW(read->AddLine(L"Tag = " + text));
    UniqueVariant back;
    ASSERT_EQ(read->Read(L"Tag", back.put(), nullptr), S_OK);
    EXPECT_EQ(VariantText(back.get()), text);
  };
  check(VariantValue(), L"Empty");
  check(Of(VT_NULL, 0), L"Null");
  check(Of(VT_DISPATCH, static_cast<IDispatch*>(nullptr)), L"Nothing");
  check(Of(VT_I1, int8_t{-128}), L"I1 -128");
  check(Of(VT_I2, int16_t{-32768}), L"I2 -32768");
  check(Of(VT_I4, INT32_MIN), L"I4 -2147483648");
  check(Of(VT_I8, INT64_MIN), L"I8 -9223372036854775808");
  check(Of(VT_INT, 5), L"Int 5");
  check(Of(VT_UI1, uint8_t{255}), L"UI1 255");
  check(Of(VT_UI2, uint16_t{65535}), L"UI2 65535");
  check(Of(VT_UI4, UINT32_MAX), L"UI4 4294967295");
  check(Of(VT_UI8, UINT64_MAX), L"UI8 18446744073709551615");
  check(Of(VT_UINT, 7u), L"UInt 7");
  check(Of(VT_R4, 0.1f), L"R4 0.1");
  check(Of(VT_R8, 1.0 / 3), L"R8 0.3333333333333333");
  check(Of(VT_R8, -HUGE_VAL), L"R8 -inf");
  check(Of(VT_CY, INT64_MIN), L"CY -922337203685477.5808");
  check(Of(VT_CY, int64_t{5}), L"CY 0.0005");
  check(Of(VT_DATE, -1.25), L"Date 1899-12-29 06:00:00");
  check(Of(VT_DATE, -0.25), L"Date -0.25");
  check(Of(VT_BSTR, SysAllocStringLen(L"say \"hi\"\\\n\t\u00fc\U0001F600\xD800\0!", 17)),
        L"BSTR \"say \\\"hi\\\"\\\\\\n\\t\u00fc\U0001F600\\uD800\\u0000!\"");
  check(Of(VT_ERROR, DISP_E_PARAMNOTFOUND), L"Error 0x80020004");
  check(Of(DECIMAL{0, {{28, DECIMAL_NEG}}, 0xFFFFFFFF, {.Lo64 = UINT64_MAX}}),
        L"Decimal -7.9228162514264337593543950335");
  check(Of(DECIMAL{0, {{2, 0}}, 0, {.Lo64 = 150}}), L"Decimal 1.50");
  for (const wchar_t* array : {L"Array I4 (1 To 3) {10, 20, -30}", L"Array Decimal (-1 To -1) {0.001}",
                               L"Array Date (0 To -1) {}", L"Array UI1 ()"})
    check(Parsed(array), array);
  check(Parsed(L"Array Variant (0 To 1) {CY 1.5, Null}"), L"Array Variant (0 To 1) {CY 1.5000, Null}");
  // The elements are listed as they lie in memory.
  VariantValue array = Parsed(L"Array I4 (0 To 1, 1 To 2) {1, 2, 3, 4}");
  win32::AccessedArray data(V_ARRAY(&array.Raw()));
  const LONG* memory = static_cast<const LONG*>(data.data());
  EXPECT_EQ(std::vector<LONG>(memory, memory + 4), (std::vector<LONG>{1, 2, 3, 4}));
}

TEST(FormFileValues, TheBagAnswersAsAControlExpects) {
  auto bag = TextPropertyBag::Create();
  bag->AddLine(L"Number = BSTR \"12\"");
  bag->AddLine(L"\"odd name\" = I2 1");
  UniqueVariant value;
  EXPECT_EQ(bag->Read(L"Missing", value.put(), nullptr), E_INVALIDARG);
  V_VT(value.put()) = VT_I4;
  ASSERT_EQ(bag->Read(L"NUMBER", &value.get(), nullptr), S_OK);
  EXPECT_EQ(V_VT(&value.get()), VT_I4);
  EXPECT_EQ(V_I4(&value.get()), 12);
  V_VT(value.put()) = VT_DATE;
  EXPECT_EQ(bag->Read(L"odd name", &value.get(), nullptr), S_OK);
  VariantValue replaced = Parsed(L"Bool False");
  ASSERT_EQ(bag->Write(L"number", &replaced.Raw()), S_OK);
  EXPECT_EQ(bag->Lines(), (std::vector<std::wstring>{L"Number = Bool False", L"\"odd name\" = I2 1"}));
}

TEST(FormFileValues, ADamagedValueSaysWhatIsWrong) {
  const std::pair<const wchar_t*, const char*> cases[] = {
      {L"P = I2 40000", "expected an integer from -32768 to 32767"},
      {L"P = UI1 -1", "expected an integer from 0 to 255"},
      {L"P = BSTR \"open", "a quoted text does not end"},
      {L"P = BSTR \"\\q\"", "unknown escape \\q"},
      {L"P = BSTR \"\\u12\"", "\\u takes four hexadecimal digits"},
      {L"P = Bool maybe", "expected True or False"},
      {L"P = Long 1", "unknown type Long"},
      {L"P = R8 1.5.2", "not a double-precision number"},
      {L"P = CY 922337203685477.5808", "a currency amount out of range"},
      {L"P = CY 1.23456", "more than 4 decimals"},
      {L"P = Decimal 79228162514264337593543950336", "a decimal out of range"},
      {L"P = Date 2023-02-29 00:00:00", "no such day"},
      {L"P = Date 2023-01-01 24:00:00", "not a date and time"},
      {L"P = Error 80020004", "an error number is 0x"},
      {L"P = Picture 0G", "not a hexadecimal digit"},
      {L"P = Picture 00112233", "the picture does not load"},
      {L"P = Array I4 (0 To 2) {1, 2}", "expected ','"},
      {L"P = Array I4 (0 To 0) {1, 2}", "more elements than the array's bounds hold"},
      {L"P = Array I4 (0 To 2000000000) {1}", "more elements than its line holds"},
      {L"P = Array Empty (0 To 0) {}", "not a type of array elements"},
      {L"P = Array I4 (5 To 3) {}", "an upper bound below the lower one"},
      {L"P = I4 1 2", "unexpected text after the end"},
      {L"P I4 1", "expected '='"},
      {L"P = ", "expected a type"}};
  for (const auto& [line, message] : cases) {
    auto bag = TextPropertyBag::Create();
    try {
      bag->AddLine(line);
      ADD_FAILURE() << Narrow(line) << " was taken";
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << Narrow(line) << ": " << error.what();
    }
    EXPECT_EQ(bag->Count(), 0u);
  }
  std::wstring deep = L"P = ";
  for (int i = 0; i < 40; ++i) deep += L"Array Variant (0 To 0) {";
  EXPECT_THROW(TextPropertyBag::Create()->AddLine(deep + L"Null" + std::wstring(40, L'}')), std::invalid_argument);
}

TEST(FormFile, ADamagedFileNamesItsLineAndBuildsNothing) {
  const std::string good =
      "formhost form 1\nForm Width 300 Height 200 Mode Run\nSplitter S1 In Form1 Rect 8,8,200,100\n"
      "    NumPanes = I4 1\nEnd\nControl tree1 Kind tree In S1 Rect 0,0,10,10\n";
  const std::pair<std::string, std::string> cases[] = {
      {"", "not a formhost form: the file is empty"},
      {"formhost form 2\n", ":1: not a formhost form"},
      {"formhost form 1\nSplitter S1 In Form1 Rect 8,8,200,100\n", ":2: expected the Form line first"},
      {good.substr(0, good.find("End")), "the splitter S1 has no End"},
      {good + "Control S1 Kind list In Form1 Rect 0,0,1,1\n", ":7: column 9: the name S1 is taken"},
      {good + "Control x Kind button In Form1 Rect 0,0,1,1\n", ":7: column 16: not a kind of control"},
      {good + "Control x Kind list In S2 Rect 0,0,1,1\n", ":7: column 24: no splitter before this line is called S2"},
      {good + "Control x Kind list In S1 Rect 0,0,-1,1\n", ":7: column 36: expected a width from 0 to 32767"},
      {good + "Splitter \"S\xff\" In Form1 Rect 0,0,1,1\nEnd\n", ":7: not UTF-8 text"},
      {good + "Button b\n", ":7: column 1: expected Splitter or Control"},
      {good.substr(0, good.find("End")) + "    Orientation I4 1\nEnd\n", ":5: column 17: expected '='"}};
  wchar_t directory[MAX_PATH];
  GetTempPathW(MAX_PATH, directory);
  const std::wstring path = directory + (L"ov_form_" + std::to_wstring(GetCurrentProcessId()) + L"_damaged.frm");
  for (const auto& [text, message] : cases) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    try {
      ReadFormFile(path);
      ADD_FAILURE() << text << " was read";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(Narrow(path) + (message[0] == ':' ? "" : ": ") + message),
                std::string::npos)
          << error.what();
    }
  }
  DeleteFileW(path.c_str());
}

// The system menu's item whose text starts with start; 0 when there is none.
UINT SystemMenuItem(HWND window, const std::wstring& start) {
  HMENU menu = GetSystemMenu(window, FALSE);
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
    if (std::wstring(text).rfind(start, 0) == 0) return GetMenuItemID(menu, i);
  }
  return 0;
}

TEST(FormFile, TheFormsSaveCommandRunsItsSaveHandler) {
  FormWindow form;
  EXPECT_EQ(SystemMenuItem(form.Handle(), L"&Save"), 0u);
  int saves = 0;
  form.SetSaveHandler([&] { ++saves; });
  UINT save = SystemMenuItem(form.Handle(), L"&Save\tCtrl+S");
  ASSERT_NE(save, 0u);
  SendMessageW(form.Handle(), WM_SYSCOMMAND, save, 0);
  EXPECT_EQ(saves, 1);
}

}  // namespace
