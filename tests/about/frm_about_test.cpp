#include "about/frm_about.h"

#include <gtest/gtest.h>

#include <optional>

#include "host/error.h"
#include "sim/sim_component_info.h"
#include "sim/sim_dialogs.h"
#include "sim/sim_registry.h"

namespace about {
namespace {

using host::RegistryRoot;
using host::String;

constexpr char16_t kMsinfoKey[] = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char16_t kLocationKey[] = u"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char16_t kBrowserProfileKey[] = u"Software\\Microsoft\\Internet Explorer\\Main";
constexpr char16_t kBrowserPathKey[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
constexpr char16_t kUnavailable[] = u"Οι πληροοφορίες συστήματος δεν είναι διαθέσιμες";

struct AboutFixture {
  explicit AboutFixture(host::ComponentVersion version = {1, 0, 45}) : component(version, u"OrvaneSplitter") {}
  host::sim::SimDialogs dialogs;
  host::sim::SimRegistry registry;
  host::sim::SimComponentInfo component;
  FrmAbout form{{dialogs, registry, component}};
};

TEST(FrmAbout, ShowsItsTextsModallyWithTheVersionFromTheComponent) {
  for (auto [version, line] : {std::pair(host::ComponentVersion{1, 0, 45}, u"Version 1.0.45"),
                               std::pair(host::ComponentVersion{2, 10, 0}, u"Version 2.10.0")}) {
    AboutFixture about(version);
    std::optional<String> seenVersion;
    about.dialogs.SetModalHandler([&](host::ModalWindow& window) {
      EXPECT_EQ(window.Caption(), u"About OvSplitter ActiveX control");
      EXPECT_EQ(window.ElementText(u"lblTitle"), u"Orvane Splitter ActiveX Control");
      EXPECT_EQ(window.ElementText(u"Label1"), u"WWW :");
      EXPECT_EQ(window.ElementText(u"cmdSysInfo"), u"&System Info...");
      EXPECT_NE(window.ElementText(u"www").find(u"http://"), String::npos);
      seenVersion = window.ElementText(u"lblVersion");
    });
    about.form.Show();
    EXPECT_EQ(about.dialogs.ModalWindows(), std::vector<String>{u"frmAbout"});
    EXPECT_EQ(seenVersion, String(line));
  }
}

TEST(FrmAbout, OnlyOkClosesAndAnUnknownElementIsAnError) {
  AboutFixture about;
  EXPECT_TRUE(about.form.ElementClicked(u"cmdOK"));
  EXPECT_FALSE(about.form.ElementClicked(u"lblTitle"));
  EXPECT_THROW(about.form.ElementText(u"txtNothing"), host::Error);
}

TEST(FrmAbout, SystemInformationStartsFromTheFirstKeyThatLeadsToTheProgram) {
  struct Case {
    const char* name;
    // Shared Tools\MSINFO, PATH; Shared Tools Location, MSINFO
    std::optional<String> path, location;
    bool programPresent, startFails;  // <location>\MSINFO32.EXE exists; starting fails
    std::vector<String> started;      // the message box unless one started without failing
  };
  const Case cases[] = {
      {"path", u"C:\\Tools\\msinfo32.exe", u"C:\\Other", true, false, {u"C:\\Tools\\msinfo32.exe"}},
      {"location", std::nullopt, u"C:\\Shared\\MSInfo", true, false, {u"C:\\Shared\\MSInfo\\MSINFO32.EXE"}},
      {"location without program", std::nullopt, u"C:\\Shared\\MSInfo", false, false, {}},
      {"no keys", std::nullopt, std::nullopt, true, false, {}},
      {"start fails", u"C:\\Tools\\msinfo32.exe", std::nullopt, false, true, {u"C:\\Tools\\msinfo32.exe"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AboutFixture about;
    if (c.path) about.registry.SetText(RegistryRoot::kLocalMachine, kMsinfoKey, u"PATH", *c.path);
    if (c.location) about.registry.SetText(RegistryRoot::kLocalMachine, kLocationKey, u"MSINFO", *c.location);
    if (c.programPresent) about.dialogs.AddFile(u"c:\\shared\\msinfo\\msinfo32.exe");
    about.dialogs.SetProgramsFail(c.startFails);

    EXPECT_FALSE(about.form.ElementClicked(u"cmdSysInfo"));

    EXPECT_EQ(about.dialogs.StartedPrograms(), c.started);
    ASSERT_EQ(about.dialogs.Messages().size(), c.started.empty() || c.startFails ? 1u : 0u);
    for (const auto& box : about.dialogs.Messages())
      EXPECT_EQ(std::tie(box.prompt, box.buttons, box.title),
                std::tuple(String(kUnavailable), host::kMessageBoxOkOnly, String(u"OrvaneSplitter")));
  }
}

TEST(FrmAbout, KeyValuesReadAsTextOrDecimalAndOtherTypesKeepWhatWasPassed) {
  host::sim::SimRegistry encode;
  encode.SetText(RegistryRoot::kLocalMachine, u"k", u"text", u"C:\\a b");
  encode.SetNumber(RegistryRoot::kLocalMachine, u"k", u"number", 0xFFFFFFFFu);
  encode.SetText(RegistryRoot::kLocalMachine, u"k", u"long", String(1024, u'x'));
  auto stored = [&](const char16_t* name) {
    return *encode.ReadValue(RegistryRoot::kLocalMachine, u"k", name, 1 << 20);
  };
  host::RegistryValue unterminated = stored(u"text");
  unterminated.bytes.resize(unterminated.bytes.size() - 2);
  const auto local = RegistryRoot::kLocalMachine;
  for (auto [name, value, readFrom, result, expected] :
       {std::tuple("terminated text", stored(u"text"), local, true, u"C:\\a b"),
        std::tuple("unterminated text", unterminated, local, true, u"C:\\a b"),
        std::tuple("number", stored(u"number"), local, true, u"-1"),
        std::tuple("binary", host::RegistryValue{3, {1, 2, 3}}, local, true, u"passed"),
        std::tuple("beyond 1024 characters", stored(u"long"), local, false, u""),
        std::tuple("another root", stored(u"text"), RegistryRoot::kCurrentUser, false, u"")}) {
    SCOPED_TRACE(name);
    AboutFixture about;
    about.registry.SetValue(RegistryRoot::kLocalMachine, u"Key", u"Value", value);
    String keyValue = u"passed";
    EXPECT_EQ(about.form.GetKeyValue(readFrom, u"key", u"value", keyValue), result);
    EXPECT_EQ(keyValue, expected);
  }
}

TEST(FrmAbout, TheWebAddressOpensInTheRegisteredBrowserWhenTheUserHasABrowserProfile) {
  struct Case {
    const char* name;
    bool profile, startFails;
    std::optional<String> browser;
    std::vector<String> started;
  };
  const String opened = u"C:\\IE\\iexplore.exe http://www.orvane.example/";
  const Case cases[] = {{"leading blanks", true, false, u"  C:\\IE\\iexplore.exe", {opened}},
                        {"cut at a zero", true, false, String(u"C:\\IE\\iexplore.exe\0junk", 23), {opened}},
                        {"no profile", false, false, u"C:\\IE\\iexplore.exe", {}},
                        {"no browser", true, false, std::nullopt, {}},
                        {"start fails", true, true, u"C:\\IE\\iexplore.exe", {opened}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AboutFixture about;
    about.form.Show();
    if (c.profile) about.registry.AddKey(RegistryRoot::kCurrentUser, kBrowserProfileKey);
    if (c.browser) about.registry.SetText(RegistryRoot::kLocalMachine, kBrowserPathKey, u"", *c.browser);
    about.dialogs.SetProgramsFail(c.startFails);

    EXPECT_FALSE(about.form.ElementClicked(u"www"));

    EXPECT_EQ(about.dialogs.StartedPrograms(), c.started);
    EXPECT_TRUE(about.dialogs.Messages().empty());
  }
}

}  // namespace
}  // namespace about
