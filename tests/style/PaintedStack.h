#pragma once
// Paints one stack the way a window does, on a canvas filled with one colour,
// and compares what GDI+ left there with the engine's ARGB colours.

#include <cstdlib>

#include "style/Style.h"
#include "tests/style/Canvas.h"

// The COLORREF an opaque ARGB colour reads back as.
inline COLORREF ToColorRef(gdip::ARGB argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// Gradients are sampled at pixel centres, so a pixel is only ever near the
// colour its position names; tolerance is per channel.
inline bool Near(COLORREF actual, COLORREF expected, int tolerance) {
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

// Returns the painted style, so that a test can look at its layers' regions.
inline Style PaintStack(Canvas& canvas, COLORREF background, const LayerStack& stack) {
    canvas.Fill(CRect(0, 0, canvas.width, canvas.height), background);
    Style style;
    style.AddStack(stack);
    style.Paint(&canvas.dc, 0, 0, canvas.width, canvas.height);
    return style;
}
