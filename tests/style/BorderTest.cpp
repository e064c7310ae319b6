#include "style/Border.h"

#include <gtest/gtest.h>

#include <vector>

#include "style/LayerStack.h"
#include "tests/style/Canvas.h"
#include "tests/style/PaintedStack.h"

namespace {

constexpr gdip::ARGB kWhite = 0xFFFFFFFF;
constexpr gdip::ARGB kGrey = 0xFF808080;
constexpr gdip::ARGB kRed = 0xFFFF0000;
constexpr gdip::ARGB kBlue = 0xFF0000FF;
constexpr COLORREF kBackground = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 255);

struct PointCase {
    int x;
    int y;
    COLORREF expected;
};

// A bare GDI+ graphics on a canvas, for the border functions called alone.
class BorderDrawingTest : public ::testing::Test {
protected:
    BorderDrawingTest() : canvas(120, 80) { canvas.Fill(CRect(0, 0, 120, 80), kBackground); }

    Canvas canvas;
};

TEST_F(BorderDrawingTest, BevelLinesReachTheirEndsLightTopLeftDarkBottomRight) {
    {
        gdip::Graphics graphics(canvas.dc.m_hDC);
        DrawBevel(graphics, kWhite, kGrey, 2, 0, 0, 100, 40);
    }
    const COLORREF white = ToColorRef(kWhite);
    const COLORREF grey = ToColorRef(kGrey);
    const PointCase cases[] = {
        {0, 0, white},  {1, 1, white},  {99, 39, grey}, {98, 38, grey},
        {99, 0, white},  // the top line runs to the right end
        {0, 39, white},  // the left line runs to the bottom end
        {99, 1, grey},   {2, 2, kBackground}, {100, 20, kBackground}, {50, 40, kBackground},
    };
    for (const PointCase& c : cases)
        EXPECT_EQ(canvas.Pixel(c.x, c.y), c.expected) << "at (" << c.x << ", " << c.y << ")";
}

TEST_F(BorderDrawingTest, BevelWiderThanItsRectangleStaysInsideIt) {
    {
        gdip::Graphics graphics(canvas.dc.m_hDC);
        DrawBevel(graphics, kWhite, kGrey, 1000000, 20, 20, 10, 6);
        DrawBevel(graphics, kWhite, kGrey, 0, 50, 50, 10, 10);
        DrawBevel(graphics, kWhite, kGrey, -3, 50, 50, 10, 10);
    }
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            const bool inside = x >= 20 && x < 30 && y >= 20 && y < 26;
            if (!inside) {
                ASSERT_EQ(canvas.Pixel(x, y), kBackground) << "at (" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(canvas.Pixel(20, 20), ToColorRef(kWhite));
    EXPECT_EQ(canvas.Pixel(22, 22), ToColorRef(kWhite)) << "the innermost ring that fits";
}

TEST_F(BorderDrawingTest, EllipseBorderIsOnePixelOnBoundsGrownByOne) {
    LayerStack stack(10, 10, 40, 30);
    stack.borders[0].shape = SHAPE_ELLIPSE;
    stack.borders[0].width = 4;
    stack.borders[0].color = kWhite;
    PaintStack(canvas, kBackground, stack);
    // Bounds (9, 9, 41, 31): the ends of the axes lie on the pixels 9 and 50 across, 9 and 40 down.
    const COLORREF white = ToColorRef(kWhite);
    EXPECT_EQ(canvas.Pixel(9, 24), white);
    EXPECT_EQ(canvas.Pixel(50, 24), white);
    EXPECT_EQ(canvas.Pixel(29, 9), white);
    EXPECT_EQ(canvas.Pixel(29, 40), white);
    EXPECT_EQ(canvas.Pixel(10, 24), kBackground) << "width 4 still draws a single ring";
    EXPECT_EQ(canvas.Pixel(29, 10), kBackground);
}

// The first point of each arc and the last, in path order.
struct ArcBox {
    float x, y, size;
};

std::vector<Gdiplus::GpPointF> PathPoints(gdip::Path& path) {
    INT count = 0;
    gdip::GdipGetPointCount(path.handle, &count);
    std::vector<Gdiplus::GpPointF> points(count);
    if (count > 0)
        gdip::GdipGetPathPoints(path.handle, points.data(), count);
    return points;
}

struct RoundRectCase {
    int radius;
    int w, h;
    ArcBox topLeft, topRight, bottomRight, bottomLeft;
};

TEST(AddRoundRectTest, CornerArcsLieInTheirBoxes) {
    // Radius 10 draws its right and bottom arcs one pixel fuller.
    const RoundRectCase cases[] = {
        {10, 50, 30, {0, 0, 20}, {28, 0, 21}, {28, 8, 21}, {0, 8, 21}},
        {9, 50, 30, {0, 0, 18}, {31, 0, 18}, {31, 11, 18}, {0, 11, 18}},
        {4, 20, 20, {0, 0, 8}, {11, 0, 8}, {11, 11, 8}, {0, 11, 8}},
    };
    for (const RoundRectCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "radius " << c.radius);
        Border border;
        border.radius = c.radius;
        gdip::Path path;
        AddRoundRect(border, path, 0, 0, c.w, c.h);
        const std::vector<Gdiplus::GpPointF> p = PathPoints(path);
        // Four quarter arcs, one Bézier segment each.
        ASSERT_EQ(p.size(), 16u);
        const auto expectPoint = [](const Gdiplus::GpPointF& point, float x, float y) {
            EXPECT_NEAR(point.X, x, 1e-3);
            EXPECT_NEAR(point.Y, y, 1e-3);
        };
        const ArcBox& tl = c.topLeft;
        const ArcBox& tr = c.topRight;
        const ArcBox& br = c.bottomRight;
        const ArcBox& bl = c.bottomLeft;
        expectPoint(p[0], tl.x, tl.y + tl.size / 2);
        expectPoint(p[3], tl.x + tl.size / 2, tl.y);
        expectPoint(p[4], tr.x + tr.size / 2, tr.y);
        expectPoint(p[7], tr.x + tr.size, tr.y + tr.size / 2);
        expectPoint(p[8], br.x + br.size, br.y + br.size / 2);
        expectPoint(p[11], br.x + br.size / 2, br.y + br.size);
        expectPoint(p[12], bl.x + bl.size / 2, bl.y + bl.size);
        expectPoint(p[15], bl.x, bl.y + bl.size / 2);
        // Either way the figure ends on the last pixel column and row.
        EXPECT_NEAR(p[7].X, c.w - 1, 1e-3);
        EXPECT_NEAR(p[11].Y, c.h - 1, 1e-3);
    }
}

TEST(AddRoundRectTest, CornersThatDoNotFitGiveEllipsePulledInFromTopAndBottom) {
    Border border;
    border.radius = 20;
    gdip::Path path;
    AddRoundRect(border, path, 0, 0, 30, 60);
    Gdiplus::GpRectF bounds{};
    gdip::GdipGetPathWorldBounds(path.handle, &bounds, nullptr, nullptr);
    EXPECT_FLOAT_EQ(bounds.X, 0.0f);
    EXPECT_FLOAT_EQ(bounds.Y, 1.0f);
    EXPECT_FLOAT_EQ(bounds.Width, 30.0f);
    EXPECT_FLOAT_EQ(bounds.Height, 58.0f);
}

TEST(AddRoundRectTest, FiguresWithoutWidthOrHeightAddNothing) {
    struct Case {
        int w, h, radius;
    };
    const Case cases[] = {
        {0, 20, 5}, {-1, 20, 5}, {-50, 20, 5},
        {30, 2, 40},          // pulled in by 2 from top and bottom: no height left
        {1, 20, 0x7FFFFFFF},  // a pull far beyond any integer height
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " radius " << c.radius);
        Border border;
        border.radius = c.radius;
        gdip::Path path;
        AddRoundRect(border, path, 3, 3, c.w, c.h);
        EXPECT_TRUE(PathPoints(path).empty());
        EXPECT_EQ(path.lastStatus, gdip::Ok);
    }
}

struct ClipCase {
    const char* name;
    int shape;
    int radius;
    int x, y, w, h;
    std::vector<POINT> inside;
    std::vector<POINT> outside;
};

TEST(ClipToShapeTest, ClipTakesTheBordersShape) {
    const ClipCase cases[] = {
        // The rectangle clip reaches one pixel past the right and bottom edges.
        {"rectangle", SHAPE_RECT, 0, 10, 10, 20, 10, {{10, 10}, {30, 20}}, {{9, 10}, {31, 20}, {30, 21}}},
        {"ellipse", SHAPE_ELLIPSE, 0, 10, 10, 40, 20, {{30, 20}, {9, 20}, {30, 9}}, {{10, 10}, {49, 29}}},
        // GDI's rounded regions stop one pixel short of their right and bottom
        // coordinates, so these cover exactly w x h pixels.
        {"rounded", SHAPE_ROUNDRECT, 6, 10, 10, 40, 30, {{25, 10}, {10, 25}, {49, 25}, {30, 39}},
         {{10, 10}, {49, 10}, {10, 39}, {49, 39}, {50, 25}, {30, 40}}},
        {"filled corners clip rounded", SHAPE_ROUNDRECT_SQUARE, 6, 10, 10, 40, 30, {{25, 10}}, {{10, 10}}},
        // Too narrow for its corners: the lens of two wide rounded rectangles,
        // pointed at top and bottom, not a rounded rectangle squeezed to fit.
        {"narrow rounded", SHAPE_ROUNDRECT, 20, 0, 0, 30, 60, {{15, 30}, {0, 30}, {30, 30}},
         {{31, 30}, {15, 0}, {5, 5}, {28, 3}}},
    };
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(80, 70);
        canvas.Fill(CRect(0, 0, 80, 70), kBackground);
        {
            gdip::Graphics graphics(canvas.dc.m_hDC);
            Border border;
            border.shape = c.shape;
            border.radius = c.radius;
            ClipToShape(border, graphics, Gdiplus::CombineModeReplace, c.x, c.y, c.w, c.h);
            gdip::SolidBrush brush(kWhite);
            graphics.FillRectangleI(brush, 0, 0, 80, 70);
        }
        for (const POINT& p : c.inside)
            EXPECT_EQ(canvas.Pixel(p.x, p.y), kPaper) << "inside at (" << p.x << ", " << p.y << ")";
        for (const POINT& p : c.outside)
            EXPECT_EQ(canvas.Pixel(p.x, p.y), kBackground) << "outside at (" << p.x << ", " << p.y << ")";
    }
}

TEST(ClipToShapeTest, ExcludeCutsTheShapeOutOfTheClip) {
    Canvas canvas(40, 40);
    canvas.Fill(CRect(0, 0, 40, 40), kBackground);
    {
        gdip::Graphics graphics(canvas.dc.m_hDC);
        graphics.SetClipRectI(0, 0, 40, 40, Gdiplus::CombineModeReplace);
        Border border;
        border.shape = SHAPE_RECT;
        ClipToShape(border, graphics, Gdiplus::CombineModeExclude, 10, 10, 10, 10);
        gdip::SolidBrush brush(kWhite);
        graphics.FillRectangleI(brush, 0, 0, 40, 40);
    }
    EXPECT_EQ(canvas.Pixel(5, 5), kPaper);
    EXPECT_EQ(canvas.Pixel(15, 15), kBackground);
    EXPECT_EQ(canvas.Pixel(25, 25), kPaper);
}

// What a stack's own borders leave, painted through a Style as windows do.
class DrawBordersTest : public ::testing::Test {
protected:
    DrawBordersTest() : canvas(60, 50) {}

    Canvas canvas;
};

struct OverlapCase {
    const char* name;
    int innerShape;
    int innerWidth;
    gdip::ARGB innerColor;
    bool outerDrawnTwoWide;
};

TEST_F(DrawBordersTest, OuterBorderReachesUnderOpaqueRoundedOrEllipticInnerBorder) {
    // The inner ellipse leaves the outer ring's second row free near the
    // corners, so that row shows how wide the outer border was drawn.
    const OverlapCase cases[] = {
        {"opaque ellipse", SHAPE_ELLIPSE, 2, kBlue, true},
        {"translucent ellipse", SHAPE_ELLIPSE, 2, 0x800000FF, false},
        {"no inner border", SHAPE_ELLIPSE, 0, kBlue, false},
    };
    for (const OverlapCase& c : cases) {
        SCOPED_TRACE(c.name);
        LayerStack stack(0, 0, 60, 50);
        stack.borders[0] = Border{};
        stack.borders[0].shape = SHAPE_ROUNDRECT;
        stack.borders[0].radius = 2;
        stack.borders[0].width = 1;
        stack.borders[0].color = kRed;
        stack.borders[1].shape = c.innerShape;
        stack.borders[1].width = c.innerWidth;
        stack.borders[1].color = c.innerColor;
        PaintStack(canvas, kBackground, stack);
        EXPECT_EQ(canvas.Pixel(15, 0), ToColorRef(kRed));
        EXPECT_EQ(canvas.Pixel(6, 1), c.outerDrawnTwoWide ? ToColorRef(kRed) : kBackground);
    }
}

TEST_F(DrawBordersTest, InnerBorderStartsInsideOuterWidthNotDrawnWidth) {
    LayerStack stack(0, 0, 60, 50);
    for (Border& border : stack.borders)
        border.shape = SHAPE_ROUNDRECT;
    stack.borders[0].width = 1;
    stack.borders[0].color = kRed;
    stack.borders[0].radius = 3;
    stack.borders[1].width = 2;
    stack.borders[1].color = kBlue;
    stack.borders[1].radius = 3;
    PaintStack(canvas, kBackground, stack);
    EXPECT_EQ(canvas.Pixel(30, 0), ToColorRef(kRed));
    EXPECT_EQ(canvas.Pixel(30, 1), ToColorRef(kBlue)) << "the inner border covers the outer's extra ring";
    EXPECT_EQ(canvas.Pixel(30, 2), ToColorRef(kBlue));
    EXPECT_EQ(canvas.Pixel(30, 3), kBackground);
    EXPECT_EQ(canvas.Pixel(0, 25), ToColorRef(kRed));
    EXPECT_EQ(canvas.Pixel(59, 25), ToColorRef(kRed));
    EXPECT_EQ(canvas.Pixel(57, 25), ToColorRef(kBlue));
}

TEST_F(DrawBordersTest, BorderOfWidthZeroNeitherDrawsNorInsets) {
    LayerStack stack(0, 0, 60, 50);
    stack.borders[0].width = 0;
    stack.borders[0].color = kRed;
    stack.borders[1].width = 1;
    stack.borders[1].color = kBlue;
    stack.borders[1].color2 = kBlue;
    PaintStack(canvas, kBackground, stack);
    EXPECT_EQ(canvas.Pixel(30, 0), ToColorRef(kBlue));
    EXPECT_EQ(canvas.Pixel(30, 1), kBackground);
}

TEST_F(DrawBordersTest, RectangleBorderGetsRoundedOutlineOverItsBevel) {
    LayerStack stack(0, 0, 60, 50);
    stack.borders[0].width = 1;
    stack.borders[0].radius = 5;
    stack.borders[0].color = kWhite;
    stack.borders[0].color2 = kGrey;
    PaintStack(canvas, kBackground, stack);
    // The bevel's dark right edge, overdrawn by the outline in color where it runs straight.
    EXPECT_EQ(canvas.Pixel(59, 25), ToColorRef(kWhite));
    EXPECT_EQ(canvas.Pixel(59, 1), ToColorRef(kGrey)) << "the bevel shows outside the rounded corner";
}

TEST_F(DrawBordersTest, FilledCornersTakeBorderColourInsideKeepsLayerFill) {
    LayerStack stack(0, 0, 40, 30);
    stack.borders[0].shape = SHAPE_ROUNDRECT_SQUARE;
    stack.borders[0].width = 1;
    stack.borders[0].radius = 8;
    stack.borders[0].color = kRed;
    const int fill = stack.AddLayer();
    stack.layers[fill].color1 = kWhite;
    PaintStack(canvas, kBackground, stack);
    const COLORREF red = ToColorRef(kRed);
    const PointCase cases[] = {
        {0, 0, red},  {39, 0, red},  {0, 29, red},  {39, 29, red},  {1, 1, red},  {38, 28, red},
        {20, 0, red},  // the outline along the straight edge
        {20, 15, kPaper}, {8, 8, kPaper}, {20, 1, kPaper},
        {40, 15, kBackground},  // nothing past the stack
    };
    for (const PointCase& c : cases)
        EXPECT_EQ(canvas.Pixel(c.x, c.y), c.expected) << "at (" << c.x << ", " << c.y << ")";
}

TEST_F(DrawBordersTest, HugeBorderWidthsAndRadiiFinish) {
    LayerStack stack(5, 5, 30, 20);
    const int shapes[] = {0, SHAPE_RECT, SHAPE_ROUNDRECT, SHAPE_ELLIPSE, SHAPE_ROUNDRECT_SQUARE};
    for (int k = 0; k < 3; ++k) {
        stack.borders[k].shape = shapes[k + 2];
        stack.borders[k].width = 1000000;
        stack.borders[k].radius = 0x7FFFFFFF;
        stack.borders[k].color = kRed;
    }
    PaintStack(canvas, kBackground, stack);
    EXPECT_EQ(canvas.Pixel(50, 40), kBackground);
}

}  // namespace
