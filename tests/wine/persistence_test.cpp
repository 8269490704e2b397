// Saving and restoring the control on the real OCX: a property bag keeps every setting with
// its type, a stream every setting and whether the control changed since; damaged binary
// data is refused cleanly; what one architecture saves, the other loads as it was. (The
// compound file's road within one process is the first display's test.)
#include <shlwapi.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "formhost/text_property_bag.h"
#include "same_variant.h"
#include "splitter_test.h"

namespace {

using activex::ComPtr;

std::wstring ErrorDescription() {
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Out()) != S_OK || !info) return L"";
  win32::UniqueBstr text;
  info->GetDescription(text.put());
  return text ? text.get() : L"";
}

// Every pane setting and splitter setting a user can see, each with its type.
std::wstring Describe(const DispatchClient& control) {
  std::wstring text;
  auto add = [&](const VariantValue& value) { text += VariantText(value.Raw()) + L"|"; };
  for (const wchar_t* name : {L"Orientation", L"Appearance", L"BorderStyle", L"SplitterStyle", L"SplitterSize",
                              L"MousePointer", L"BackColor", L"Enabled", L"WhatsThisHelpID", L"OLEDropMode",
                              L"SplitterKeyboard", L"SplitterIncrement", L"ResizeMode", L"LiveDrag"})
    add(control.Get(name));
  VariantValue icon = control.Get(L"MouseIcon");
  text += icon.IsNothing() ? L"no icon" : L"icon " + std::to_wstring(DispatchClient::From(icon).Get(L"Type").AsLong());
  DispatchClient panes = control.Object(L"Panes");
  for (long i = 1, n = panes.Get(L"Count").AsLong(); i <= n; ++i) {
    text += L"\n";
    DispatchClient pane = panes.Object(L"Item", i);
    // Only the extent along the axis is saved: a pane spans the whole extent across it.
    add(pane.Get(control.Get(L"Orientation").AsLong() == 0 ? L"Width" : L"Height"));
    for (const wchar_t* name : {L"Name", L"Key", L"Tag", L"Minimum", L"Appearance", L"ControlName",
                                L"ResizeChildControl", L"Maximum", L"Fixed", L"Collapsible", L"Collapsed"})
      add(pane.Get(name));
  }
  return text;
}

class Persistence : public ::testing::Test {
 protected:
  // A configured control: vertical, a border, three panes with settings of many types.
  void SetUp() override {
    const DispatchClient& control = original_.Control();
    const std::pair<const wchar_t*, VariantValue> settings[] = {
        {L"Orientation", 1L},      {L"BorderStyle", 1L},        {L"SplitterStyle", 1L},
        {L"WhatsThisHelpID", 12L}, {L"OLEDropMode", 1L},        {L"SplitterIncrement", 7L},
        {L"ResizeMode", 1L},       {L"SplitterKeyboard", true}, {L"LiveDrag", true}};
    for (const auto& [name, value] : settings) control.Put(name, value);
    ComPtr<IPictureDisp> icon = IconPicture();
    control.PutRef(L"MouseIcon", VariantValue(static_cast<IDispatch*>(icon.Get())));
    DispatchClient panes = control.Object(L"Panes");
    panes.Call(L"Add", VariantValue::Missing(), L"second");
    panes.Call(L"Add", VariantValue::Missing(), L"third", 0L, L"Text1");
    const VariantValue tags[] = {Of(VT_CY, int64_t{123456}), Of(VT_DATE, 45000.25), Of(VT_UI1, uint8_t{200})};
    for (long i = 1; i <= 3; ++i) {
      DispatchClient pane = panes.Object(L"Item", i);
      pane.Put(L"Tag", tags[i - 1]);
      pane.Put(L"Name", L"Pan\u00e9 \u03a9 " + std::to_wstring(i));
      pane.Put(L"Minimum", 150L * i);
    }
    const std::tuple<long, const wchar_t*, VariantValue> paneSettings[] = {
        {1, L"Key", 2.5},       {2, L"ResizeChildControl", false}, {1, L"Fixed", true},
        {3, L"Maximum", 9000L}, {2, L"Collapsible", true},         {2, L"Collapsed", true}};
    for (const auto& [pane, name, value] : paneSettings) panes.Object(L"Item", pane).Put(name, value);
  }

  SplitterInstance original_;
  SplitterInstance loaded_{SplitterOptions{.initNew = false}};
};

// The keys and their types are the native persistence test's; here the road through COM.
TEST_F(Persistence, APropertyBagKeepsEverySetting) {
  // The bag of formhost's form files, which keeps each value's type.
  ComPtr<TextPropertyBag> bag = TextPropertyBag::Create();
  ASSERT_EQ(Interface<IPersistPropertyBag>(original_.Control().Pointer(), IID_IPersistPropertyBag)
                ->Save(bag.Get(), TRUE, TRUE),
            S_OK);
  // Through the form file's text and back.
  ComPtr<TextPropertyBag> reread = TextPropertyBag::Create();
  for (const std::wstring& line : bag->Lines()) reread->AddLine(line);

  auto persist = Interface<IPersistPropertyBag>(loaded_.Control().Pointer(), IID_IPersistPropertyBag);
  ASSERT_EQ(persist->Load(reread.Get(), nullptr), S_OK) << ErrorDescription();
  EXPECT_EQ(Describe(loaded_.Control()), Describe(original_.Control()));
  EXPECT_EQ(persist->Load(reread.Get(), nullptr), CO_E_ALREADYINITIALIZED);
}

TEST_F(Persistence, AStreamKeepsEverySettingAndTracksChanges) {
  auto original = Interface<IPersistStreamInit>(original_.Control().Pointer(), IID_IPersistStreamInit);
  ComPtr<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
  EXPECT_EQ(original->IsDirty(), S_OK);
  ULARGE_INTEGER expected{};
  ASSERT_EQ(original->GetSizeMax(&expected), S_OK);
  ASSERT_EQ(original->Save(stream.Get(), TRUE), S_OK) << ErrorDescription();
  EXPECT_EQ(original->IsDirty(), S_FALSE);
  STATSTG stat{};
  stream->Stat(&stat, STATFLAG_NONAME);
  EXPECT_EQ(stat.cbSize.QuadPart, expected.QuadPart);

  // A saved control that changes is dirty again until the next save that clears it.
  original_.Control().Object(L"Panes").Object(L"Item", 1L).Put(L"Name", L"changed");
  EXPECT_EQ(original->IsDirty(), S_OK);
  ComPtr<IStream> scratch;
  CreateStreamOnHGlobal(nullptr, TRUE, scratch.Out());
  EXPECT_EQ(original->Save(scratch.Get(), FALSE), S_OK);
  EXPECT_EQ(original->IsDirty(), S_OK);

  LARGE_INTEGER start{};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  auto loaded = Interface<IPersistStreamInit>(loaded_.Control().Pointer(), IID_IPersistStreamInit);
  ASSERT_EQ(loaded->Load(stream.Get()), S_OK) << ErrorDescription();
  EXPECT_EQ(loaded->IsDirty(), S_FALSE);
  original_.Control().Object(L"Panes").Object(L"Item", 1L).Put(L"Name", L"Pan\u00e9 \u03a9 1");
  EXPECT_EQ(Describe(loaded_.Control()), Describe(original_.Control()));
}

// A damaged record (what is wrong with which is the record's own unit test) is refused with
// an error the host can show; the control stays uninitialised and says it is loaded.
TEST_F(Persistence, DamagedBinaryDataIsRefusedWithADescription) {
  ComPtr<IStream> stream;
  CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
  auto persist = Interface<IPersistStreamInit>(loaded_.Control().Pointer(), IID_IPersistStreamInit);
  ASSERT_EQ(Interface<IPersistStreamInit>(original_.Control().Pointer(), IID_IPersistStreamInit)->Save(stream.Get(), 0),
            S_OK);
  STATSTG stat{};
  stream->Stat(&stat, STATFLAG_NONAME);
  stat.cbSize.QuadPart /= 2;  // cut short
  stream->SetSize(stat.cbSize);
  LARGE_INTEGER origin{};
  stream->Seek(origin, STREAM_SEEK_SET, nullptr);
  EXPECT_TRUE(FAILED(persist->Load(stream.Get())));
  EXPECT_FALSE(ErrorDescription().empty());
  EXPECT_EQ(persist->InitNew(), CO_E_ALREADYINITIALIZED);
}

// With OV_CROSS_ARCH_DIR set (the Win32 run sets it for both sides): the configured control
// saved there by this architecture through the bag (as form-file text), the stream and the
// compound file, and what the other architecture saved there loaded through each and compared.
// OV_CROSS_ARCH_REQUIRE asks for the other side's files.
TEST_F(Persistence, WhatTheOtherArchitectureSavedLoadsAsItWas) {
  const char* folder = std::getenv("OV_CROSS_ARCH_DIR");
  if (!folder) GTEST_SKIP() << "OV_CROSS_ARCH_DIR is not set";
  std::wstring dir(MAX_PATH, L'\0');
  dir.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, folder, -1, dir.data(), MAX_PATH)) - 1);
  dir += L"\\";
  const std::wstring mine = sizeof(void*) == 8 ? L"64" : L"32", other = sizeof(void*) == 8 ? L"32" : L"64";
  IUnknown* control = original_.Control().Pointer();

  ComPtr<TextPropertyBag> bag = TextPropertyBag::Create();
  ASSERT_EQ(Interface<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->Save(bag.Get(), TRUE, TRUE), S_OK);
  std::wstring text;
  for (const std::wstring& line : bag->Lines()) text += line + L"\n";
  std::ofstream(std::filesystem::path(dir + L"bag" + mine + L".txt"), std::ios::binary)
      .write(reinterpret_cast<const char*>(text.data()), static_cast<std::streamsize>(text.size() * sizeof(wchar_t)));
  ComPtr<IStream> stream;
  ASSERT_EQ(SHCreateStreamOnFileEx((dir + L"stream" + mine + L".bin").c_str(), STGM_CREATE | STGM_WRITE, 0, TRUE,
                                   nullptr, stream.Out()),
            S_OK);
  ASSERT_EQ(Interface<IPersistStreamInit>(control, IID_IPersistStreamInit)->Save(stream.Get(), TRUE), S_OK);
  stream.Reset();
  ComPtr<IStorage> storage;
  ASSERT_EQ(StgCreateDocfile((dir + L"storage" + mine + L".stg").c_str(),
                             STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage.Out()),
            S_OK);
  ASSERT_EQ(Interface<IPersistStorage>(control, IID_IPersistStorage)->Save(storage.Get(), FALSE), S_OK);
  storage->Commit(STGC_DEFAULT);
  storage.Reset();

  std::ifstream saved(std::filesystem::path(dir + L"bag" + other + L".txt"), std::ios::binary);
  if (!saved) {
    if (std::getenv("OV_CROSS_ARCH_REQUIRE")) FAIL() << "nothing saved by the other architecture";
    GTEST_SKIP() << "nothing saved by the other architecture yet";
  }
  const std::wstring expected = Describe(original_.Control());
  auto load = [&](const char* road, auto&& into) {
    SplitterInstance loaded(SplitterOptions{.initNew = false});
    ASSERT_EQ(into(loaded.Control().Pointer()), S_OK) << road << ": " << ErrorDescription();
    EXPECT_EQ(Describe(loaded.Control()), expected) << road;
  };
  load("the bag", [&](IUnknown* control) {
    const std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    std::wstring lines(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    ComPtr<TextPropertyBag> reread = TextPropertyBag::Create();
    for (size_t start = 0, end; (end = lines.find(L'\n', start)) != std::wstring::npos; start = end + 1)
      reread->AddLine(lines.substr(start, end - start));
    return Interface<IPersistPropertyBag>(control, IID_IPersistPropertyBag)->Load(reread.Get(), nullptr);
  });
  load("the stream", [&](IUnknown* control) {
    ComPtr<IStream> input;
    SHCreateStreamOnFileEx((dir + L"stream" + other + L".bin").c_str(), STGM_READ, 0, FALSE, nullptr, input.Out());
    return Interface<IPersistStreamInit>(control, IID_IPersistStreamInit)->Load(input.Get());
  });
  load("the compound file", [&](IUnknown* control) {
    ComPtr<IStorage> input;
    StgOpenStorage((dir + L"storage" + other + L".stg").c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, nullptr, 0,
                   input.Out());
    return Interface<IPersistStorage>(control, IID_IPersistStorage)->Load(input.Get());
  });
}

// A container whose extender fails to give the control's place ends the load with the
// extender's own error, as it raised it.
TEST(PersistenceSite, AnExtenderThatFailsEndsTheLoadWithItsOwnError) {
  SplitterInstance fresh(SplitterOptions{.initNew = false});
  fresh.Site()->FailExtenderLeft(static_cast<HRESULT>(0x80040321), L"The form is being closed.");
  ComPtr<TextPropertyBag> bag = TextPropertyBag::Create();
  EXPECT_EQ(
      Interface<IPersistPropertyBag>(fresh.Control().Pointer(), IID_IPersistPropertyBag)->Load(bag.Get(), nullptr),
      static_cast<HRESULT>(0x80040321));
  EXPECT_EQ(ErrorDescription(), L"The form is being closed.");
}

}  // namespace
