// The layers that paint colour: solid fills, the radial gradient, the
// gradients that take the stack's frame shape, the edge bands, and the two
// layers that switch smoothing for whatever follows them in the paint pass.

#include "style/Fills.h"

#include "style/LayerStack.h"

namespace {

constexpr gdip::ARGB kOpaqueBlack = 0xFF000000;
constexpr gdip::ARGB kOpaqueWhite = 0xFFFFFFFF;

gdip::Rect LayerRect(const Layer& layer) { return gdip::Rect{layer.x, layer.y, layer.width, layer.height}; }

Gdiplus::LinearGradientMode Direction(int param) { return static_cast<Gdiplus::LinearGradientMode>(param); }

// Where a band lies and how its gradient runs.
struct BandGeometry {
    gdip::Rect gradient;
    Gdiplus::LinearGradientMode direction;
};

BandGeometry BandFor(int kind, int x, int y, int w, int h, int s) {
    switch (kind) {
    case LK_BAND_LEFT:
    case LK_MITRE_LEFT:
        return {{x, y, s, h}, Gdiplus::LinearGradientModeHorizontal};
    case LK_BAND_RIGHT:
    case LK_MITRE_RIGHT:
        return {{x + w - s, y, s, h}, Gdiplus::LinearGradientModeHorizontal};
    case LK_BAND_BOTTOM:
    case LK_MITRE_BOTTOM:
        return {{x, y + h - s, w, s}, Gdiplus::LinearGradientModeVertical};
    default:
        return {{x, y, w, s}, Gdiplus::LinearGradientModeVertical};
    }
}

// The mitred bands are trapezoids whose slanted ends meet their neighbours'
// along the frame's diagonals.
void AddBandFigure(gdip::Path& path, int kind, const gdip::Rect& band, int x, int y, int w, int h, int s) {
    gdip::Point mitre[4];
    switch (kind) {
    case LK_MITRE_TOP:
        mitre[0] = {x, y};
        mitre[1] = {x + w, y};
        mitre[2] = {x + w - s, y + s};
        mitre[3] = {x + s, y + s};
        break;
    case LK_MITRE_LEFT:
        mitre[0] = {x, y};
        mitre[1] = {x + s, y + s};
        mitre[2] = {x + s, y + h - s};
        mitre[3] = {x, y + h};
        break;
    case LK_MITRE_RIGHT:
        mitre[0] = {x + w - s, y + s};
        mitre[1] = {x + w, y};
        mitre[2] = {x + w, y + h};
        mitre[3] = {x + w - s, y + h - s};
        break;
    case LK_MITRE_BOTTOM:
        mitre[0] = {x + s, y + h - s};
        mitre[1] = {x + w - s, y + h - s};
        mitre[2] = {x + w, y + h};
        mitre[3] = {x, y + h};
        break;
    default:
        path.AddPathRectangleI(band.X, band.Y, band.Width, band.Height);
        return;
    }
    path.AddPathPolygonI(mitre, 4);
}

}  // namespace

void SetThreeColorBlend(gdip::LineBrush& brush, const gdip::ARGB colors[3], const gdip::REAL positions[3]) {
    const gdip::ARGB blendColors[3] = {colors[0], colors[1], colors[2]};
    brush.SetLinePresetBlend(blendColors, positions, 3);
}

void LayerStack::FillShape(const gdip::Brush& brush) {
    const Layer& layer = *current;
    switch (borders[0].shape) {
    case SHAPE_RECT:
        graphics->FillRectangleI(brush, layer.x, layer.y, layer.width, layer.height);
        break;
    case SHAPE_ELLIPSE:
        graphics->FillEllipseI(brush, layer.x, layer.y, layer.width, layer.height);
        break;
    case SHAPE_ROUNDRECT:
    case SHAPE_ROUNDRECT_SQUARE:
        // The rim in color1 hides the ragged edge a gradient leaves on the arcs.
        FillRoundShape(borders[0], *graphics, brush, layer.color1, layer.x, layer.y, layer.width, layer.height);
        break;
    default:
        break;
    }
}

void LayerStack::DrawSolid() {
    gdip::SolidBrush brush(current->color1);
    FillShape(brush);
}

void LayerStack::DrawRadial() {
    const Layer& layer = *current;
    gdip::Path path;
    path.AddPathEllipseI(layer.x, layer.y, layer.width, layer.height);
    path.ClosePathFigure();
    gdip::PathBrush brush(path);
    brush.SetPathGradientCenterPointI(gdip::Point{layer.x + layer.width / 2, layer.y + layer.height / 2});
    const gdip::ARGB rim = layer.color2;
    int count = 1;
    brush.SetPathGradientSurroundColorsWithCount(&rim, &count);
    brush.SetPathGradientCenterColor(layer.color1);
    graphics->FillPath(brush, path);
}

void LayerStack::DrawSplit() {
    const Layer& layer = *current;
    const gdip::REAL t = layer.stop1;
    // A positive split holds color1 flat up to t; a negative one holds color2
    // flat over the last -t.
    gdip::ARGB colors[3] = {layer.color1, layer.color1, layer.color2};
    gdip::REAL positions[3] = {0.0f, t, 1.0f};
    if (t < 0.0f) {
        colors[1] = layer.color2;
        positions[1] = t + 1.0f;
    }
    gdip::LineBrush brush(LayerRect(layer), layer.color1, layer.color2, Direction(layer.param));
    brush.SetLineWrapMode(Gdiplus::WrapModeClamp);
    SetThreeColorBlend(brush, colors, positions);
    FillShape(brush);
}

void LayerStack::DrawGradient3() {
    const Layer& layer = *current;
    // The end colours are placeholders: the blend replaces them.
    gdip::LineBrush brush(LayerRect(layer), kOpaqueBlack, kOpaqueWhite, Direction(layer.param));
    const gdip::ARGB colors[3] = {layer.color1, layer.color2, layer.color3};
    const gdip::REAL positions[3] = {0.0f, layer.stop1, 1.0f};
    SetThreeColorBlend(brush, colors, positions);
    FillShape(brush);
}

void LayerStack::DrawStripes() {
    const Layer& layer = *current;
    // One period wide and tiled, the gradient repeats across the layer.
    const gdip::Rect period{layer.x, layer.y, layer.param, layer.height};
    gdip::LineBrush brush(period, kOpaqueBlack, kOpaqueWhite, Gdiplus::LinearGradientModeHorizontal);
    const gdip::ARGB colors[3] = {layer.color1, layer.color2, layer.color3};
    const gdip::REAL positions[3] = {0.0f, 0.5f, 1.0f};
    SetThreeColorBlend(brush, colors, positions);
    FillShape(brush);
}

void LayerStack::SetSmoothing() { graphics->SetSmoothingMode(static_cast<Gdiplus::SmoothingMode>(current->param)); }

void LayerStack::SetAntialias() { graphics->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias); }

void LayerStack::DrawBand() {
    const Layer& layer = *current;
    const int s = layer.param;
    // Bands meet the frame and each other edge to edge; smoothing would
    // leave a faint seam along every one of those edges.
    const Gdiplus::SmoothingMode smoothing = graphics->GetSmoothingMode();
    graphics->SetSmoothingMode(Gdiplus::SmoothingModeNone);
    {
        const BandGeometry band = BandFor(layer.kind, layer.x, layer.y, layer.width, layer.height, s);
        gdip::Path path;
        AddBandFigure(path, layer.kind, band.gradient, layer.x, layer.y, layer.width, layer.height, s);
        gdip::LineBrush brush(band.gradient, layer.color1, layer.color3, band.direction);
        // stop2 0 keeps the plain two-colour band.
        if (layer.stop2 != 0.0f) {
            const gdip::ARGB colors[3] = {layer.color1, layer.color2, layer.color3};
            const gdip::REAL positions[3] = {layer.stop1, layer.stop2, layer.stop3};
            SetThreeColorBlend(brush, colors, positions);
        }
        graphics->FillPath(brush, path);
    }
    graphics->SetSmoothingMode(smoothing);
}
