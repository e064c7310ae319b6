#include "style/SnapshotSurface.h"

#include "style/MemDC.h"

gdip::Bitmap* SnapshotSurface(const MemDC& surface) {
    HPALETTE hPalette = static_cast<HPALETTE>(::GetCurrentObject(surface.targetDC->m_hDC, OBJ_PAL));
    // GDI+ copies the pixels, so the bitmap may stay selected in the surface.
    return new gdip::Bitmap(static_cast<HBITMAP>(surface.bitmap.GetSafeHandle()), hPalette);
}
