#include "automation/gdi_census.h"

#include <windows.h>

unsigned GdiObjectsInUse() {
  SetLastError(ERROR_SUCCESS);
  DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return reported;
  // Wine takes a handle's table index alone, so every slot can be asked about.
  unsigned count = 0;
  for (ULONG_PTR index = 0; index <= 0xFFFF; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  return count;
}
