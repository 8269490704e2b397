// Resource identifiers of OvSplitr.ocx, shared by OvSplitr.rc and the C++ code.
// Plain defines only: windres reads this file too.
#ifndef OV_RESOURCE_IDS_H
#define OV_RESOURCE_IDS_H

// LoadTypeLib on the module path and the registry's TypeLib entry expect TYPELIB 1.
#define IDR_TYPELIB 1

// ToolboxBitmap32 names "<module path>, 1": the 16 x 15 picture form designers show.
#define IDB_TOOLBOX 1

#define IDV_VERSION 1

// The splitter cursors, 32 x 32 with the hot spot at 15,15: left-right over the bars of a
// horizontal splitter, up-down over those of a vertical one.
#define IDC_SPLITTERH 120
#define IDC_SPLITTERV 121

// frmAbout: the About box and its elements.
#define IDD_ABOUT 300
#define IDC_ABOUT_TITLE 301
#define IDC_ABOUT_VERSION 302
#define IDC_ABOUT_DESCRIPTION 303
#define IDC_ABOUT_WWW_LABEL 304
#define IDC_ABOUT_WWW 305
#define IDC_ABOUT_LABEL2 306
#define IDC_ABOUT_LABEL3 307
#define IDC_ABOUT_LABEL4 308
#define IDC_ABOUT_SYSINFO 309

// The property pages and their controls, in tab order.
#define IDD_GENERAL_PAGE 200
#define IDC_GENERAL_LBLAPPEARANCE 201
#define IDC_GENERAL_CBOAPPEARANCE 202
#define IDC_GENERAL_LBLBORDERSTYLE 203
#define IDC_GENERAL_CBOBORDERSTYLE 204
#define IDC_GENERAL_LBLORIENTATION 205
#define IDC_GENERAL_CBOORIENTATION 206
#define IDC_GENERAL_LBLSPLITTERSTYLE 207
#define IDC_GENERAL_CBOSPLITTERSTYLE 208
#define IDC_GENERAL_LBLMOUSEPOINTER 209
#define IDC_GENERAL_CBOMOUSEPOINTER 210
#define IDC_GENERAL_LBLOLEDROPMODE 211
#define IDC_GENERAL_CBODROPMODE 212
#define IDC_GENERAL_LBLSPLITTERSIZE 213
#define IDC_GENERAL_TXTSPLITTERSIZE 214
#define IDC_GENERAL_CHKENABLED 215
#define IDD_PANES_PAGE 230
#define IDC_PANES_LBLINDEX 231
#define IDC_PANES_CBOINDEX 232
#define IDC_PANES_CMDADD 233
#define IDC_PANES_CMDREMOVE 234
#define IDC_PANES_LBLAPPEARANCE 235
#define IDC_PANES_CBOAPPEARANCE 236
#define IDC_PANES_LBLNAME 237
#define IDC_PANES_TXTNAME 238
#define IDC_PANES_LBLWIDTHHEIGHT 239
#define IDC_PANES_TXTWIDTHHEIGHT 240
#define IDC_PANES_LBLCONTROLNAME 241
#define IDC_PANES_CBOCONTROLNAME 242
#define IDC_PANES_LBLTAG 243
#define IDC_PANES_TXTTAG 244
#define IDC_PANES_LBLMIN 245
#define IDC_PANES_TXTMIN 246
#define IDC_PANES_LBLKEY 247
#define IDC_PANES_TXTKEY 248
#define IDC_PANES_CHKRESIZECHILDCONTROL 249

#endif
