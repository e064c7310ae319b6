#pragma once
// What has been drawn into an off-screen surface so far, as a GDI+ bitmap.

#include "style/GdiPlus.h"

class MemDC;

// A new bitmap owned by the caller, or null when GDI+ has no memory for it.
// Its pixel (0, 0) is the target's point (area.left, area.top).
gdip::Bitmap* SnapshotSurface(const MemDC& surface);
