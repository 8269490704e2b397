#include "activex/property_pages.h"

#include "activex/property_page_object.h"
#include "activex/registration.h"
#include "pages/behavior.h"
#include "pages/general.h"
#include "pages/panes_pp.h"
#include "resource_ids.h"

// Defines the stock pages' class ids here.
#include <initguid.h>
#include <msstkppg.h>

namespace activex {
namespace {

constexpr win32::DialogElement kGeneralControls[] = {
    {u"lblAppearance", IDC_GENERAL_LBLAPPEARANCE},
    {u"cboAppearance", IDC_GENERAL_CBOAPPEARANCE},
    {u"lblBorderStyle", IDC_GENERAL_LBLBORDERSTYLE},
    {u"cboBorderStyle", IDC_GENERAL_CBOBORDERSTYLE},
    {u"lblOrientation", IDC_GENERAL_LBLORIENTATION},
    {u"cboOrientation", IDC_GENERAL_CBOORIENTATION},
    {u"lblSplitterStyle", IDC_GENERAL_LBLSPLITTERSTYLE},
    {u"cboSplitterStyle", IDC_GENERAL_CBOSPLITTERSTYLE},
    {u"lblMousePointer", IDC_GENERAL_LBLMOUSEPOINTER},
    {u"cboMousePointer", IDC_GENERAL_CBOMOUSEPOINTER},
    {u"lblOLEDropMode", IDC_GENERAL_LBLOLEDROPMODE},
    {u"cboDropMode", IDC_GENERAL_CBODROPMODE},
    {u"lblSplitterSize", IDC_GENERAL_LBLSPLITTERSIZE},
    {u"txtSplitterSize", IDC_GENERAL_TXTSPLITTERSIZE},
    {u"chkEnabled", IDC_GENERAL_CHKENABLED},
};

constexpr win32::DialogElement kPanesControls[] = {
    {u"lblIndex", IDC_PANES_LBLINDEX},
    {u"cboIndex", IDC_PANES_CBOINDEX},
    {u"cmdAdd", IDC_PANES_CMDADD},
    {u"cmdRemove", IDC_PANES_CMDREMOVE},
    {u"lblAppearance", IDC_PANES_LBLAPPEARANCE},
    {u"cboAppearance", IDC_PANES_CBOAPPEARANCE},
    {u"lblName", IDC_PANES_LBLNAME},
    {u"txtName", IDC_PANES_TXTNAME},
    {u"lblWidthHeight", IDC_PANES_LBLWIDTHHEIGHT},
    {u"txtWidthHeight", IDC_PANES_TXTWIDTHHEIGHT},
    {u"lblControlName", IDC_PANES_LBLCONTROLNAME},
    {u"cboControlName", IDC_PANES_CBOCONTROLNAME},
    {u"lblTag", IDC_PANES_LBLTAG},
    {u"txtTag", IDC_PANES_TXTTAG},
    {u"lblMin", IDC_PANES_LBLMIN},
    {u"txtMin", IDC_PANES_TXTMIN},
    {u"lblKey", IDC_PANES_LBLKEY},
    {u"txtKey", IDC_PANES_TXTKEY},
    {u"chkResizeChildControl", IDC_PANES_CHKRESIZECHILDCONTROL},
    {u"lblMax", IDC_PANES_LBLMAX},
    {u"txtMax", IDC_PANES_TXTMAX},
    {u"chkFixed", IDC_PANES_CHKFIXED},
    {u"chkCollapsible", IDC_PANES_CHKCOLLAPSIBLE},
    {u"chkCollapsed", IDC_PANES_CHKCOLLAPSED},
};

constexpr win32::DialogElement kBehaviorControls[] = {
    {u"chkSplitterKeyboard", IDC_BEHAVIOR_CHKSPLITTERKEYBOARD},
    {u"lblSplitterIncrement", IDC_BEHAVIOR_LBLSPLITTERINCREMENT},
    {u"txtSplitterIncrement", IDC_BEHAVIOR_TXTSPLITTERINCREMENT},
    {u"lblSplitterGrabSize", IDC_BEHAVIOR_LBLSPLITTERGRABSIZE},
    {u"txtSplitterGrabSize", IDC_BEHAVIOR_TXTSPLITTERGRABSIZE},
    {u"chkLiveDrag", IDC_BEHAVIOR_CHKLIVEDRAG},
    {u"lblResizeMode", IDC_BEHAVIOR_LBLRESIZEMODE},
    {u"cboResizeMode", IDC_BEHAVIOR_CBORESIZEMODE},
};

template <typename Page>
std::unique_ptr<pages::PropertyPage> MakePage(host::PropertyPageSite& site) {
  return std::make_unique<Page>(site);
}

const PageDescription kGeneralPage{L"General", IDD_GENERAL_PAGE, kGeneralControls, MakePage<pages::General>};
const PageDescription kPanesPage{L"Panes", IDD_PANES_PAGE, kPanesControls, MakePage<pages::PanesPP>};
const PageDescription kBehaviorPage{L"Behavior", IDD_BEHAVIOR_PAGE, kBehaviorControls, MakePage<pages::Behavior>};

}  // namespace

HRESULT CreateGeneralPage(REFIID iid, void** out) { return PropertyPageObject::Create(kGeneralPage, iid, out); }
HRESULT CreatePanesPage(REFIID iid, void** out) { return PropertyPageObject::Create(kPanesPage, iid, out); }
HRESULT CreateBehaviorPage(REFIID iid, void** out) { return PropertyPageObject::Create(kBehaviorPage, iid, out); }

HRESULT ControlPropertyPages(CAUUID* pages) {
  if (!pages) return E_POINTER;
  *pages = {};
  const GUID list[] = {kGeneralPageClsid, kPanesPageClsid, kBehaviorPageClsid, CLSID_StockColorPage,
                       CLSID_StockPicturePage};
  auto* elements = static_cast<GUID*>(CoTaskMemAlloc(sizeof(list)));
  if (!elements) return E_OUTOFMEMORY;
  memcpy(elements, list, sizeof(list));
  pages->cElems = sizeof(list) / sizeof(list[0]);
  pages->pElems = elements;
  return S_OK;
}

}  // namespace activex
