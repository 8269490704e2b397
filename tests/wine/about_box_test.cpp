// The About box of the real OCX, opened by AboutBox and worked by another thread as a user
// would: the web address opened with the registry set up by the test, and OK (which key
// System Info follows is the About form's unit test; its texts as the dialog shows them are
// the design test's).

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "resource_ids.h"
#include "automation/splitter_instance.h"
#include "window_driver.h"

namespace {

constexpr wchar_t kAboutCaption[] = L"About OvSplitter ActiveX control";
constexpr wchar_t kBrowserProfileKey[] = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t kBrowserPathKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

// A registry value that the test sets and puts back as it was.
class RegistryOverride {
 public:
  RegistryOverride(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value)
      : root_(root), key_(key), name_(name) {
    DWORD size = sizeof saved_;
    had_ = RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, saved_, &size) == ERROR_SUCCESS;
    Write(value.c_str());
  }
  ~RegistryOverride() { had_ ? Write(saved_) : void(RegDeleteKeyValueW(root_, key_, name_)); }

 private:
  void Write(const wchar_t* value) {
    RegSetKeyValueW(root_, key_, name_, REG_SZ, value, static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
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

// AboutBox shows the box; another thread plays the user's part with it.
TEST(AboutBox, ClickingTheWebAddressOpensItInTheRegisteredBrowser) {
  Marker marker(L"about-browser.txt");
  RegistryOverride profile(HKEY_CURRENT_USER, kBrowserProfileKey, L"Start Page", L"about:blank");
  RegistryOverride browser(HKEY_LOCAL_MACHINE, kBrowserPathKey, L"", marker.EchoCommand());
  SplitterInstance splitter;
  std::thread user([&] {
    HWND about = WaitForDialog(kAboutCaption);
    if (!about) return ADD_FAILURE() << "the About box did not show";
    HWND link = GetDlgItem(about, IDC_ABOUT_WWW);
    std::wstring address = TextOf(link);
    PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    std::string written = marker.WaitForText();
    EXPECT_NE(written.find(std::string(address.begin(), address.end())), std::string::npos) << written;
    Press(GetDlgItem(about, IDOK));
  });
  EXPECT_NO_THROW(splitter.Control().Call(L"AboutBox"));
  user.join();
  EXPECT_EQ(FindWindowW(L"#32770", kAboutCaption), nullptr) << "the About box is still open";
}

}  // namespace
