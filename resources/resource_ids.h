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

#endif
