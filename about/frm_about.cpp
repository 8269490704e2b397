#include "about/frm_about.h"

#include <algorithm>
#include <cstring>

#include "host/error.h"

namespace about {
namespace {

using host::RegistryRoot;
using host::String;
using host::StringView;

// Placeholders until the maker's real web address and contact lines are known.
constexpr char16_t kMakerAddress[] = u"http://www.orvane.example/";
constexpr char16_t kMakerDescription[] = u"Splitter container control for forms (placeholder description)";
constexpr char16_t kMakerName[] = u"Orvane (placeholder maker name)";
constexpr char16_t kMakerMail[] = u"E-mail: info@orvane.example (placeholder)";
constexpr char16_t kMakerPhone[] = u"Phone: +00 000 000 000 (placeholder)";

constexpr char16_t kSysInfoUnavailable[] = u"Οι πληροοφορίες συστήματος δεν είναι διαθέσιμες";

constexpr std::size_t kKeyValueCapacity = 1024 * sizeof(char16_t);
constexpr std::size_t kBrowserPathCapacity = 255 * sizeof(char16_t);

String TextOf(const std::vector<uint8_t>& bytes) {
  String text(bytes.size() / sizeof(char16_t), u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  return text;
}

int32_t NumberOf(const std::vector<uint8_t>& bytes) {
  uint32_t number = 0;
  for (std::size_t i = std::min<std::size_t>(bytes.size(), 4); i-- > 0;) number = (number << 8) | bytes[i];
  return static_cast<int32_t>(number);
}

}  // namespace

FrmAbout::FrmAbout(AboutServices services)
    : services_(services),
      elements_{{u"lblTitle", u""},
                {u"lblVersion", u""},
                {u"lblDescription", kMakerDescription},
                {u"Label1", u"WWW :"},
                {u"www", u""},
                {u"Label2", kMakerName},
                {u"Label3", kMakerMail},
                {u"Label4", kMakerPhone},
                {u"cmdOK", u"OK"},
                {u"cmdSysInfo", u"&System Info..."}} {}

void FrmAbout::Show() {
  caption_ = u"About OvSplitter ActiveX control";
  host::ComponentVersion version = services_.component.Version();
  Element(u"lblVersion") = u"Version " + host::DecimalText(version.major) + u"." + host::DecimalText(version.minor) +
                           u"." + host::DecimalText(version.revision);
  Element(u"lblTitle") = u"Orvane Splitter ActiveX Control";
  Element(u"www") = kMakerAddress;
  services_.dialogs.ShowModal(*this);
}

const String& FrmAbout::Element(StringView element) const {
  auto found =
      std::find_if(elements_.begin(), elements_.end(), [&](const auto& entry) { return entry.first == element; });
  if (found == elements_.end()) throw host::Error::Runtime(host::err::kInvalidArgument);
  return found->second;
}

String& FrmAbout::Element(StringView element) {
  return const_cast<String&>(static_cast<const FrmAbout*>(this)->Element(element));
}

String FrmAbout::ElementText(StringView element) const { return Element(element); }

bool FrmAbout::ElementClicked(StringView element) {
  if (element == u"cmdOK") return true;
  if (element == u"cmdSysInfo") StartSysInfo();
  if (element == u"www") CallIE(Element(u"www"));
  return false;
}

void FrmAbout::StartSysInfo() {
  try {
    String path;
    if (!GetKeyValue(RegistryRoot::kLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", u"PATH", path)) {
      bool located =
          GetKeyValue(RegistryRoot::kLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location", u"MSINFO", path);
      path += u"\\MSINFO32.EXE";
      if (!located || !services_.dialogs.FileExists(path)) path.clear();
    }
    if (!path.empty()) {
      services_.dialogs.StartProgram(path);
      return;
    }
  } catch (const host::Error&) {
    // Any failure on the way, a failing start included, ends in the message below.
  }
  services_.dialogs.ShowMessage(kSysInfoUnavailable, host::kMessageBoxOkOnly, services_.component.ProductName());
}

bool FrmAbout::GetKeyValue(RegistryRoot root, StringView keyName, StringView valueName, String& keyValue) const {
  std::optional<host::RegistryValue> value = services_.registry.ReadValue(root, keyName, valueName, kKeyValueCapacity);
  if (!value) {
    keyValue.clear();
    return false;
  }
  if (value->type == host::kRegistryText) {
    keyValue = TextOf(value->bytes);
    if (!keyValue.empty() && keyValue.back() == u'\0') keyValue.pop_back();
  } else if (value->type == host::kRegistryNumber) {
    keyValue = host::DecimalText(NumberOf(value->bytes));
  }
  return true;
}

void FrmAbout::CallIE(StringView address) {
  try {
    // Only a user who has a browser profile gets a browser started.
    if (!services_.registry.KeyExists(RegistryRoot::kCurrentUser, u"Software\\Microsoft\\Internet Explorer\\Main"))
      return;
    std::optional<host::RegistryValue> browser = services_.registry.ReadValue(
        RegistryRoot::kLocalMachine, u"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", u"",
        kBrowserPathCapacity);
    if (!browser) return;
    String path = host::Trim(TextOf(browser->bytes));
    path.resize(std::min(path.size(), path.find(u'\0')));
    services_.dialogs.StartProgram(path + u" " + String(address));
  } catch (const host::Error&) {
    // No browser, no path or a failing start: nothing to show.
  }
}

}  // namespace about
