#include "activex/about_box.h"

#include "about/frm_about.h"
#include "activex/module.h"
#include "win32/module_version.h"
#include "win32/win32_registry.h"
#include "resource_ids.h"

namespace activex {
namespace {

constexpr win32::DialogElement kAboutElements[] = {
    {u"lblTitle", IDC_ABOUT_TITLE},
    {u"lblVersion", IDC_ABOUT_VERSION},
    {u"lblDescription", IDC_ABOUT_DESCRIPTION},
    {u"Label1", IDC_ABOUT_WWW_LABEL},
    {u"www", IDC_ABOUT_WWW, true},
    {u"Label2", IDC_ABOUT_LABEL2},
    {u"Label3", IDC_ABOUT_LABEL3},
    {u"Label4", IDC_ABOUT_LABEL4},
    {u"cmdSysInfo", IDC_ABOUT_SYSINFO},
    {u"cmdOK", IDOK},
};

constexpr win32::DialogLayout kWindows[] = {{u"frmAbout", IDD_ABOUT, kAboutElements}};

}  // namespace

std::span<const win32::DialogLayout> ComponentWindows() { return kWindows; }

void ShowAboutBox(host::Dialogs& dialogs) {
  win32::Win32Registry registry;
  win32::ModuleVersion version(ModuleHandle(), IDV_VERSION);
  about::FrmAbout(about::AboutServices{dialogs, registry, version}).Show();
}

}  // namespace activex
