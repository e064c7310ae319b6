#include "style/Fills.h"

#include <gtest/gtest.h>

#include "style/LayerStack.h"
#include "style/MemDC.h"
#include "tests/style/Canvas.h"
#include "tests/style/PaintedStack.h"

namespace {

constexpr gdip::ARGB kBlack = 0xFF000000;
constexpr gdip::ARGB kWhite = 0xFFFFFFFF;
constexpr gdip::ARGB kRed = 0xFFFF0000;
constexpr gdip::ARGB kGreen = 0xFF00FF00;
constexpr gdip::ARGB kBlue = 0xFF0000FF;
constexpr COLORREF kBackground = RGB(10, 20, 30);

// Gradients are sampled at pixel centres; a pixel one step along a gradient
// of n pixels is only within 256 / n of the colour its position names.
constexpr int kGradientTolerance = 16;

struct Point {
    int x, y;
};

class FillsTest : public ::testing::Test {
protected:
    FillsTest() : canvas(100, 60) {}

    // A stack over the whole canvas with one layer of the given kind.
    LayerStack& StackWith(int kind, int frameShape = SHAPE_RECT) {
        stack = LayerStack(0, 0, canvas.width, canvas.height);
        stack.borders[0].shape = frameShape;
        const int index = stack.AddLayer();
        stack.layers[index].kind = kind;
        return stack;
    }
    Layer& layer() { return stack.layers[0]; }
    void Paint() { painted = PaintStack(canvas, kBackground, stack); }
    COLORREF At(int x, int y) const { return canvas.Pixel(x, y); }
    int Grey(int x, int y) const { return GetRValue(canvas.Pixel(x, y)); }

    Canvas canvas;
    LayerStack stack;
    Style painted;
};

TEST_F(FillsTest, ZeroFilledLayerDrawsNothingVisible) {
    StackWith(LK_SOLID);
    Paint();
    for (const Point& p : {Point{0, 0}, Point{50, 30}, Point{99, 59}})
        EXPECT_EQ(At(p.x, p.y), kBackground);
}

struct ShapeCase {
    const char* name;
    int frameShape;
    bool cornerFilled;
    bool middleFilled;
};

TEST_F(FillsTest, SolidFillTakesFrameShape) {
    const ShapeCase cases[] = {
        {"no frame shape", 0, false, false},
        {"rectangle", SHAPE_RECT, true, true},
        {"rounded", SHAPE_ROUNDRECT, false, true},
        {"rounded on filled corners", SHAPE_ROUNDRECT_SQUARE, false, true},
        {"ellipse", SHAPE_ELLIPSE, false, true},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        StackWith(LK_SOLID, c.frameShape);
        stack.borders[0].radius = 8;
        layer().color1 = kRed;
        // The layer's own shape does not matter to a fill.
        layer().shape = SHAPE_RECT;
        Paint();
        const COLORREF red = ToColorRef(kRed);
        EXPECT_EQ(At(1, 1) == red, c.cornerFilled);
        EXPECT_EQ(At(50, 30) == red, c.middleFilled);
        EXPECT_EQ(At(50, 1) == red, c.middleFilled) << "the top edge's middle";
    }
}

TEST_F(FillsTest, RoundedGradientFillGetsRimInFirstColour) {
    StackWith(LK_SPLIT, SHAPE_ROUNDRECT);
    stack.borders[0].radius = 6;
    layer().color1 = kRed;
    layer().color2 = kBlue;
    Paint();
    EXPECT_TRUE(Near(At(97, 30), ToColorRef(kBlue), 2 * kGradientTolerance));
    EXPECT_EQ(At(99, 30), ToColorRef(kRed)) << "the rim on the blue end";
    EXPECT_EQ(At(50, 59), ToColorRef(kRed));
}

struct SplitCase {
    float stop1;
    int flatFrom, flatTo;  // columns exactly one colour, -1 for none
    COLORREF flatColor;
    int halfway;           // the column half way through the blend
};

TEST_F(FillsTest, SplitHoldsOneColourFlatOverTheMarkedPart) {
    const COLORREF black = ToColorRef(kBlack);
    const COLORREF white = ToColorRef(kWhite);
    const SplitCase cases[] = {
        {0.0f, -1, -1, black, 50},
        {0.25f, 0, 24, black, 62},
        {-0.25f, 76, 99, white, 37},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "stop1 " << c.stop1);
        StackWith(LK_SPLIT);
        layer().color1 = kBlack;
        layer().color2 = kWhite;
        layer().stop1 = c.stop1;
        Paint();
        for (int x = c.flatFrom; x >= 0 && x <= c.flatTo; ++x)
            ASSERT_EQ(At(x, 30), c.flatColor) << "column " << x;
        EXPECT_NEAR(Grey(c.halfway, 30), 128, kGradientTolerance);
        EXPECT_NEAR(Grey(0, 30), 0, kGradientTolerance);
        EXPECT_NEAR(Grey(99, 30), 255, kGradientTolerance);
    }
}

TEST_F(FillsTest, SplitRunsInItsDirection) {
    StackWith(LK_SPLIT);
    layer().color1 = kBlack;
    layer().color2 = kWhite;
    layer().param = Gdiplus::LinearGradientModeVertical;
    Paint();
    EXPECT_NEAR(Grey(50, 0), 0, kGradientTolerance);
    EXPECT_NEAR(Grey(50, 30), 128, kGradientTolerance);
    EXPECT_NEAR(Grey(50, 59), 255, kGradientTolerance);
    EXPECT_EQ(At(0, 30), At(99, 30)) << "flat across";
}

struct Gradient3Case {
    int direction;
    float middle;
    Point first, second, third;
};

TEST_F(FillsTest, ThreeColourGradientPutsSecondColourAtItsPosition) {
    const Gradient3Case cases[] = {
        {Gdiplus::LinearGradientModeVertical, 0.5f, {50, 0}, {50, 30}, {50, 59}},
        {Gdiplus::LinearGradientModeHorizontal, 0.25f, {0, 30}, {25, 30}, {99, 30}},
    };
    for (const Gradient3Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "direction " << c.direction);
        StackWith(LK_GRADIENT3);
        layer().color1 = kRed;
        layer().color2 = kGreen;
        layer().color3 = kBlue;
        layer().param = c.direction;
        layer().stop1 = c.middle;
        Paint();
        EXPECT_TRUE(Near(At(c.first.x, c.first.y), ToColorRef(kRed), kGradientTolerance));
        EXPECT_TRUE(Near(At(c.second.x, c.second.y), ToColorRef(kGreen), kGradientTolerance));
        EXPECT_TRUE(Near(At(c.third.x, c.third.y), ToColorRef(kBlue), kGradientTolerance));
    }
}

TEST_F(FillsTest, StripesRepeatEveryPeriodFromLayerLeft) {
    StackWith(LK_STRIPES);
    layer().x = 5;
    layer().y = 10;
    layer().width = 35;
    layer().height = 20;
    layer().color1 = kRed;
    layer().color2 = kGreen;
    layer().color3 = kBlue;
    layer().param = 10;
    Paint();
    // Three whole periods and the first half of a fourth.
    for (int x = 5; x < 30; ++x)
        EXPECT_TRUE(Near(At(x, 20), At(x + 10, 20), 2)) << "column " << x;
    for (int period = 0; period < 4; ++period) {
        const int left = 5 + 10 * period;
        EXPECT_TRUE(Near(At(left, 20), ToColorRef(kRed), 2 * kGradientTolerance)) << "period " << period;
        if (period < 3) {
            EXPECT_TRUE(Near(At(left + 5, 20), ToColorRef(kGreen), 2 * kGradientTolerance)) << "period " << period;
            EXPECT_TRUE(Near(At(left + 9, 20), ToColorRef(kBlue), 4 * kGradientTolerance)) << "period " << period;
        }
    }
    EXPECT_TRUE(Near(At(39, 20), ToColorRef(kGreen), 4 * kGradientTolerance));
    EXPECT_EQ(At(40, 20), kBackground);
    EXPECT_EQ(At(20, 9), kBackground);
}

TEST_F(FillsTest, RadialCentreOfOddWidthIsLeftOfMiddle) {
    StackWith(LK_RADIAL);
    layer().x = 4;
    layer().y = 4;
    layer().width = 31;
    layer().height = 31;
    layer().color1 = kWhite;
    layer().color2 = kBlack;
    Paint();
    // x + (31 - 1) / 2 = 19: the brightest column, with equal neighbours.
    const int centre = Grey(19, 19);
    EXPECT_GT(centre, Grey(18, 19));
    EXPECT_GT(centre, Grey(20, 19));
    EXPECT_NEAR(Grey(18, 19), Grey(20, 19), 2);
    EXPECT_GT(centre, Grey(19, 18));
    EXPECT_NEAR(Grey(19, 18), Grey(19, 20), 2);
    EXPECT_EQ(At(4, 4), kBackground) << "only the ellipse is filled";
}

struct BandCase {
    int kind;
    Point nearFirst, nearThird, painted, untouched;
};

TEST_F(FillsTest, BandsLieAlongTheirEdgesGradientLeftToRightTopToBottom) {
    // 60 x 40 at (0, 0), s = 10. Mitred bands end along the corners' diagonals.
    const BandCase cases[] = {
        {LK_BAND_TOP, {30, 0}, {30, 9}, {1, 8}, {30, 10}},
        {LK_BAND_LEFT, {0, 20}, {9, 20}, {8, 1}, {10, 20}},
        {LK_BAND_RIGHT, {50, 20}, {59, 20}, {51, 1}, {49, 20}},
        {LK_BAND_BOTTOM, {30, 30}, {30, 39}, {1, 31}, {30, 29}},
        {LK_MITRE_TOP, {30, 0}, {30, 9}, {8, 2}, {2, 8}},
        {LK_MITRE_LEFT, {0, 20}, {9, 20}, {2, 8}, {8, 2}},
        {LK_MITRE_RIGHT, {50, 20}, {59, 20}, {57, 8}, {51, 2}},
        {LK_MITRE_BOTTOM, {30, 30}, {30, 39}, {8, 37}, {2, 31}},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        StackWith(c.kind);
        layer().width = 60;
        layer().height = 40;
        layer().param = 10;
        layer().color1 = kRed;
        layer().color3 = kBlue;
        Paint();
        EXPECT_TRUE(Near(At(c.nearFirst.x, c.nearFirst.y), ToColorRef(kRed), 2 * kGradientTolerance));
        EXPECT_TRUE(Near(At(c.nearThird.x, c.nearThird.y), ToColorRef(kBlue), 2 * kGradientTolerance));
        EXPECT_NE(At(c.painted.x, c.painted.y), kBackground);
        EXPECT_EQ(At(c.untouched.x, c.untouched.y), kBackground);
        EXPECT_EQ(At(30, 20), kBackground) << "the middle stays free";
    }
}

TEST_F(FillsTest, BandWithSecondStopBlendsThroughMiddleColour) {
    StackWith(LK_BAND_TOP);
    layer().param = 40;
    layer().color1 = kRed;
    layer().color2 = kGreen;
    layer().color3 = kBlue;
    layer().stop1 = 0.0f;
    layer().stop2 = 0.5f;
    layer().stop3 = 1.0f;
    Paint();
    EXPECT_TRUE(Near(At(50, 0), ToColorRef(kRed), kGradientTolerance));
    EXPECT_TRUE(Near(At(50, 20), ToColorRef(kGreen), kGradientTolerance));
    EXPECT_TRUE(Near(At(50, 39), ToColorRef(kBlue), kGradientTolerance));
}

TEST_F(FillsTest, BandOfSizeZeroDrawsNothing) {
    for (int kind = LK_BAND_TOP; kind <= LK_MITRE_BOTTOM; ++kind) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        StackWith(kind);
        layer().color1 = kRed;
        layer().color3 = kBlue;
        Paint();
        for (int y = 0; y < canvas.height; ++y)
            for (int x = 0; x < canvas.width; ++x)
                ASSERT_EQ(At(x, y), kBackground) << "at (" << x << ", " << y << ")";
    }
}

// Smoothing is graphics state shared by the stacks of one paint pass. Wine's
// GDI+ draws the same pixels in every smoothing mode, so the state is read
// back from the graphics instead of from the pixels.
class SmoothingTest : public ::testing::Test {
protected:
    SmoothingTest() : canvas(40, 40), surface(&canvas.dc, CRect(0, 0, 40, 40)), graphics(surface.m_hDC) {
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    }

    void Render(const std::initializer_list<int>& kinds, int smoothingParam = Gdiplus::SmoothingModeNone) {
        LayerStack stack(0, 0, 40, 40);
        stack.borders[0].shape = SHAPE_ROUNDRECT_SQUARE;
        stack.borders[0].width = 3;
        for (int kind : kinds) {
            const int index = stack.AddLayer();
            stack.layers[index].kind = kind;
            stack.layers[index].param = kind == LK_SMOOTHING ? smoothingParam : 5;
            stack.layers[index].color1 = kRed;
        }
        stack.Render(&graphics, &surface);
    }

    Canvas canvas;
    MemDC surface;
    gdip::Graphics graphics;
};

TEST_F(SmoothingTest, SmoothingLayerHoldsForLaterStacksUntilAntialiasLayer) {
    Render({LK_SOLID, LK_SMOOTHING});
    EXPECT_EQ(graphics.GetSmoothingMode(), Gdiplus::SmoothingModeNone);
    // Bands and borders switch smoothing off for themselves and give back what they found.
    Render({LK_BAND_TOP, LK_MITRE_LEFT, LK_SOLID});
    EXPECT_EQ(graphics.GetSmoothingMode(), Gdiplus::SmoothingModeNone);
    Render({LK_ANTIALIAS, LK_BAND_BOTTOM});
    EXPECT_EQ(graphics.GetSmoothingMode(), Gdiplus::SmoothingModeAntiAlias);
    Render({LK_SMOOTHING}, Gdiplus::SmoothingModeHighQuality);
    EXPECT_EQ(graphics.GetSmoothingMode(), Gdiplus::SmoothingModeHighQuality);
}

TEST_F(SmoothingTest, LayersThatSwitchSmoothingForThemselvesRestoreIt) {
    Render({LK_SMOOTHING}, Gdiplus::SmoothingModeHighSpeed);
    Render({LK_BAND_TOP, LK_BAND_LEFT, LK_BAND_RIGHT, LK_BAND_BOTTOM, LK_MITRE_TOP, LK_MITRE_LEFT, LK_MITRE_RIGHT,
            LK_MITRE_BOTTOM});
    EXPECT_EQ(graphics.GetSmoothingMode(), Gdiplus::SmoothingModeHighSpeed);
}

}  // namespace
