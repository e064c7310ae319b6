#pragma once
// The frame of a layer stack and the shapes it gives the stack: its outline,
// the clip its layers are drawn in, and the rounded figure fills take.

#include "style/GdiPlus.h"

enum BorderShape {
    SHAPE_RECT = 1,
    SHAPE_ROUNDRECT = 2,
    SHAPE_ELLIPSE = 3,
    SHAPE_ROUNDRECT_SQUARE = 4,  // rounded outline on filled corners
};

class Border {
public:
    virtual ~Border() = default;

    gdip::ARGB color = 0;   // outline; for the bevel its top and left lines
    gdip::ARGB color2 = 0;  // the bevel's right and bottom lines
    int width = 0;          // pixels; 0 means no border
    int radius = 0;         // corner radius of the rounded shapes
    int shape = 0;          // a BorderShape
};

// Adds the rounded rectangle of border.radius over the rectangle to path.
void AddRoundRect(const Border& border, gdip::Path& path, int x, int y, int w, int h);

// Draws one border n pixels wide just inside the rectangle, in border.shape.
void DrawBorder(const Border& border, gdip::Graphics& graphics, gdip::ARGB color, gdip::ARGB color2, int n,
                int x, int y, int w, int h);

// n nested one-pixel rectangles, light top and left, dark right and bottom.
void DrawBevel(gdip::Graphics& graphics, gdip::ARGB light, gdip::ARGB dark, int n, int x, int y, int w, int h);

// n pixels of concentric rounded outlines.
void DrawRoundOutline(const Border& border, gdip::Graphics& graphics, gdip::ARGB color, int n,
                      int x, int y, int w, int h);

// Fills the rounded rectangle with brush and outlines it one pixel wide.
void FillRoundShape(const Border& border, gdip::Graphics& graphics, const gdip::Brush& brush,
                    gdip::ARGB outlineColor, int x, int y, int w, int h);

// Combines the graphics' clip with border.shape over the rectangle by mode.
void ClipToShape(const Border& border, gdip::Graphics& graphics, Gdiplus::CombineMode mode,
                 int x, int y, int w, int h);
