#include "style/Border.h"

#include "style/LayerStack.h"

#include <algorithm>

namespace {

// Every outline of the engine: one pixel, centred on the figure's edge.
class OutlinePen : public gdip::Pen {
public:
    explicit OutlinePen(gdip::ARGB color) : gdip::Pen(color, 1.0f) { SetPenMode(Gdiplus::PenAlignmentCenter); }
};

// Holds the graphics' smoothing mode for a drawing that changes it.
class SmoothingScope {
public:
    explicit SmoothingScope(gdip::Graphics& graphics) : m_graphics(graphics), m_mode(graphics.GetSmoothingMode()) {}
    SmoothingScope(const SmoothingScope&) = delete;
    SmoothingScope& operator=(const SmoothingScope&) = delete;
    ~SmoothingScope() { m_graphics.SetSmoothingMode(m_mode); }

    Gdiplus::SmoothingMode Found() const { return m_mode; }

private:
    gdip::Graphics& m_graphics;
    Gdiplus::SmoothingMode m_mode;
};

// Rounded figures are laid out in whole pixels whatever unit the owner set.
class PixelUnitScope {
public:
    explicit PixelUnitScope(gdip::Graphics& graphics) : m_graphics(graphics), m_unit(graphics.GetPageUnit()) {
        m_graphics.SetPageUnit(Gdiplus::UnitPixel);
    }
    PixelUnitScope(const PixelUnitScope&) = delete;
    PixelUnitScope& operator=(const PixelUnitScope&) = delete;
    ~PixelUnitScope() { m_graphics.SetPageUnit(m_unit); }

private:
    gdip::Graphics& m_graphics;
    Gdiplus::Unit m_unit;
};

constexpr int kMaxRadius = 1 << 20;

// A GDI region owned for the length of one clip.
class GdiRegion {
public:
    explicit GdiRegion(HRGN hRgn) : m_hRgn(hRgn) {}
    GdiRegion(const GdiRegion&) = delete;
    GdiRegion& operator=(const GdiRegion&) = delete;
    ~GdiRegion() { if (m_hRgn) ::DeleteObject(m_hRgn); }

    HRGN Get() const { return m_hRgn; }

private:
    HRGN m_hRgn;
};

// The GDI region of a border's shape. Rounded rectangles too narrow for their
// corners become the lens where a left-anchored and a right-anchored rounded
// rectangle, each wide enough for two full corners, overlap.
HRGN CreateShapeRgn(const Border& border, int x, int y, int w, int h) {
    // Bounded so that the corner arithmetic cannot overflow; GDI clamps far
    // smaller coordinates anyway.
    const int r = std::clamp(border.radius, -kMaxRadius, kMaxRadius);
    switch (border.shape) {
    case SHAPE_RECT:
        return ::CreateRectRgn(x, y, x + w + 1, y + h + 1);
    case SHAPE_ELLIPSE:
        return ::CreateEllipticRgn(x - 1, y - 1, x + w + 2, y + h + 2);
    default:
        break;
    }
    const int corner = 2 * r + 1;
    if (w >= 2 * r)
        return ::CreateRoundRectRgn(x, y, x + w + 1, y + h + 1, corner, corner);
    GdiRegion left(::CreateRoundRectRgn(x, y, x + 4 * r + 1, y + h + 2, corner, corner));
    GdiRegion right(::CreateRoundRectRgn(x + w + 1 - 4 * r, y, x + w + 2, y + h + 2, corner, corner));
    HRGN lens = ::CreateRectRgn(0, 0, 0, 0);
    ::CombineRgn(lens, left.Get(), right.Get(), RGN_AND);
    return lens;
}

}  // namespace

void AddRoundRect(const Border& border, gdip::Path& path, int x, int y, int w, int h) {
    // In 64 bits so that absurd radii stay absurd instead of overflowing.
    const long long d = 2LL * border.radius;
    if (d > w || d > h) {
        // The corners do not fit: an ellipse, pulled in a little from top and
        // bottom. Nothing for an empty width, which would divide by zero, nor
        // when the pull leaves no height: that "ellipse" would be turned
        // inside out above the rectangle, and GDI+ takes seconds over one
        // with a huge radius.
        if (w <= 0)
            return;
        const long long q = d / w;
        const long long height = h - 2 * q;
        if (height <= 0)
            return;
        path.AddPathEllipseI(x, y + static_cast<int>(q), w, static_cast<int>(height));
        return;
    }
    const int dd = static_cast<int>(d);
    // With radius 10 the right and bottom arcs are drawn one pixel fuller, on
    // a rectangle one pixel smaller, so that they still end on its last pixel.
    int e = dd;
    if (dd == 20) {
        e = 21;
        --w;
        --h;
    }
    const int rx = x + w - dd - 1;
    const int by = y + h - dd - 1;
    path.ResetPath();
    path.AddPathArcI(x, y, dd, dd, 180.0f, 90.0f);
    path.AddPathArcI(rx, y, e, e, 270.0f, 90.0f);
    path.AddPathArcI(rx, by, e, e, 0.0f, 90.0f);
    path.AddPathArcI(x, by, e, e, 90.0f, 90.0f);
    path.ClosePathFigure();
}

void DrawBorder(const Border& border, gdip::Graphics& graphics, gdip::ARGB color, gdip::ARGB color2, int n,
                int x, int y, int w, int h) {
    // Inner borders of a frame thicker than its stack get a rectangle turned
    // inside out; drawn, their figures would spill over the stack's
    // neighbours, and a huge one keeps GDI+ busy for seconds.
    if (w < 0 || h < 0)
        return;
    switch (border.shape) {
    case SHAPE_RECT:
        DrawBevel(graphics, color, color2, n, x, y, w, h);
        break;
    case SHAPE_ELLIPSE: {
        // An ellipse border is one pixel whatever its width.
        OutlinePen pen(color);
        graphics.DrawEllipse(pen, static_cast<gdip::REAL>(x - 1), static_cast<gdip::REAL>(y - 1),
                             static_cast<gdip::REAL>(w + 1), static_cast<gdip::REAL>(h + 1));
        return;
    }
    case SHAPE_ROUNDRECT_SQUARE: {
        // Paint the corners outside the rounded figure, hard-edged so that
        // the outline drawn over them leaves no seam.
        SmoothingScope smoothing(graphics);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone);
        graphics.SetClipRectI(x, y, w, h, Gdiplus::CombineModeReplace);
        if (n > 1)
            ClipToShape(border, graphics, Gdiplus::CombineModeExclude, x + 1, y + 1, w - 2, h - 2);
        else
            ClipToShape(border, graphics, Gdiplus::CombineModeExclude, x, y, w, h);
        gdip::SolidBrush brush(color);
        graphics.FillRectangleI(brush, x, y, w, h);
        graphics.ResetClip();
        break;
    }
    default:
        break;
    }
    DrawRoundOutline(border, graphics, color, n, x, y, w, h);
}

void DrawBevel(gdip::Graphics& graphics, gdip::ARGB light, gdip::ARGB dark, int n, int x, int y, int w, int h) {
    if (n <= 0)
        return;
    SmoothingScope smoothing(graphics);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    OutlinePen lightPen(light);
    OutlinePen darkPen(dark);
    // Rings stop where the rectangle runs out: further ones would only draw
    // inside-out lines, and a huge width would draw for ever.
    for (int i = 0; i < n && w - 2 * i > 0 && h - 2 * i > 0; ++i) {
        const int xi = x + i;
        const int yi = y + i;
        const int right = xi + (w - 2 * i) - 1;
        const int bottom = yi + (h - 2 * i) - 1;
        graphics.DrawLineI(lightPen, xi, yi, xi, bottom);
        graphics.DrawLineI(lightPen, xi, yi, right, yi);
        graphics.DrawLineI(darkPen, right, yi + 1, right, bottom);
        graphics.DrawLineI(darkPen, xi + 1, bottom, right, bottom);
    }
}

void DrawRoundOutline(const Border& border, gdip::Graphics& graphics, gdip::ARGB color, int n,
                      int x, int y, int w, int h) {
    PixelUnitScope unit(graphics);
    OutlinePen pen(color);
    gdip::Path path;
    AddRoundRect(border, path, x, y, w, h);
    graphics.DrawPath(pen, path);

    // Inner rings in two half steps, narrower then lower, so that no pixel
    // between them stays uncovered; only the outermost and innermost are
    // smoothed, as they meet what lies outside and inside the border.
    SmoothingScope smoothing(graphics);
    for (int i = 1; i < n; ++i) {
        if (i == 1)
            graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone);
        if (i == n - 1)
            graphics.SetSmoothingMode(smoothing.Found());
        x += 1;
        w -= 2;
        // Once the rectangle has run out no further ring shows.
        if (w < 0)
            break;
        AddRoundRect(border, path, x, y, w, h);
        graphics.DrawPath(pen, path);
        y += 1;
        h -= 2;
        if (h < 0)
            break;
        AddRoundRect(border, path, x, y, w, h);
        graphics.DrawPath(pen, path);
    }
}

void FillRoundShape(const Border& border, gdip::Graphics& graphics, const gdip::Brush& brush,
                    gdip::ARGB outlineColor, int x, int y, int w, int h) {
    PixelUnitScope unit(graphics);
    OutlinePen pen(outlineColor);
    gdip::Path path;
    AddRoundRect(border, path, x, y, w, h);
    graphics.FillPath(brush, path);
    graphics.DrawPath(pen, path);
}

void ClipToShape(const Border& border, gdip::Graphics& graphics, Gdiplus::CombineMode mode,
                 int x, int y, int w, int h) {
    GdiRegion shape(CreateShapeRgn(border, x, y, w, h));
    gdip::Region region(shape.Get());
    graphics.SetClipRegion(region, mode);
}

void LayerStack::DrawBorders() {
    int bx = x;
    int by = y;
    int bw = width;
    int bh = height;
    for (int k = 0; k < 3; ++k) {
        const Border& border = borders[k];
        const int n = border.width;
        if (n == 0)
            continue;
        // An outer border reaches one pixel under an opaque rounded or
        // elliptic inner one, so that no background shows between their
        // anti-aliased edges.
        int drawn = n;
        if (k < 2) {
            const Border& inner = borders[k + 1];
            if (inner.shape != SHAPE_RECT && inner.width > 0 && (inner.color >> 24) == 0xFF)
                drawn += 1;
        }
        DrawBorder(border, *graphics, border.color, border.color2, drawn, bx, by, bw, bh);
        bx += n;
        by += n;
        bw -= 2 * n;
        bh -= 2 * n;
    }
}
