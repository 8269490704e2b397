#pragma once
// How many GDI objects this process holds, for leak checks around repaints.

// GetGuiResources where the system implements it; where it is a stub (wine), a count of
// the handles GetObjectType recognises.
unsigned GdiObjectsInUse();
