#pragma once
// Double buffering: a memory device context over a rectangle of a target,
// drawn on in the target's own coordinates and copied back in one transfer
// when it is destroyed. A printing target is drawn on directly.

#include "framework/DC.h"
#include "framework/GdiObject.h"
#include "framework/Rect.h"

class MemDC : public CDC {
public:
    MemDC(CDC* pTarget, const RECT& rcArea, BOOL bCopyBackground = TRUE, BOOL bDiscard = FALSE);
    MemDC(const MemDC&) = delete;
    MemDC& operator=(const MemDC&) = delete;
    ~MemDC() override;

    CDC* targetDC;            // not owned, never null
    CRect area;               // in the target's logical coordinates; right, bottom exclusive
    BOOL printing = FALSE;    // pass drawing straight through to the target
    BOOL copyBackground;      // start from what the target shows under area
    BOOL discard;             // leave the target as it was
    HGDIOBJ previousBitmap = nullptr;  // selected back at destruction
    CBitmap bitmap;           // the off-screen pixels
};
