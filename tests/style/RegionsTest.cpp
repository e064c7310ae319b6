// The region kinds, seen through the regions they leave in their layers and
// through what a fill after a clip layer paints.

#include "style/LayerStack.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "style/Style.h"
#include "tests/style/Canvas.h"
#include "tests/style/PaintedStack.h"

namespace {

constexpr gdip::ARGB kRed = 0xFFFF0000;
constexpr COLORREF kBackground = RGB(0, 0, 0);

struct Point {
    int x, y;
};

struct CombineCase;

class RegionsTest : public ::testing::Test {
protected:
    RegionsTest() : canvas(60, 60), stack(0, 0, 60, 60) {}

    int Add(int kind, int shape = SHAPE_RECT, int x = 0, int y = 0, int w = 0, int h = 0) {
        const int index = stack.AddLayer();
        Layer& layer = stack.layers[index];
        layer.kind = kind;
        layer.shape = shape;
        layer.x = x;
        layer.y = y;
        layer.width = w;
        layer.height = h;
        return index;
    }
    int AddRegion(int x, int y, int w, int h, int shape = SHAPE_RECT) { return Add(LK_MAKE_REGION, shape, x, y, w, h); }
    int AddReferring(int kind, int ref1, int ref2, int param = 0) {
        const int index = Add(kind);
        stack.layers[index].ref1 = ref1;
        stack.layers[index].ref2 = ref2;
        stack.layers[index].param = param;
        return index;
    }
    int AddFill() {
        const int index = Add(LK_SOLID);
        stack.layers[index].color1 = kRed;
        return index;
    }

    void Paint() { painted = PaintStack(canvas, kBackground, stack); }
    // Renders the painted style anew, as a window does after Invalidate.
    void PaintAgain() {
        painted.Invalidate();
        painted.Paint(&canvas.dc, 0, 0, 60, 60);
    }
    const Layer& Painted(int index) const { return painted.stacks[0].layers[index]; }
    bool Contains(int index, int x, int y) const {
        const gdip::Region* region = Painted(index).region;
        BOOL visible = FALSE;
        if (region)
            gdip::GdipIsVisibleRegionPointI(region->handle, x, y, nullptr, &visible);
        return visible != FALSE;
    }
    bool IsEmpty(int index) const {
        BOOL empty = FALSE;
        gdip::GdipIsEmptyRegion(Painted(index).region->handle, ScratchGraphics(), &empty);
        return empty != FALSE;
    }
    bool Red(int x, int y) const { return canvas.Pixel(x, y) == ToColorRef(kRed); }
    // The region at index against c, at a point of a only, of both, of b only.
    void ExpectCombination(int index, const CombineCase& c) const;

    Canvas canvas;
    LayerStack stack;
    Style painted;

private:
    Gdiplus::GpGraphics* ScratchGraphics() const {
        if (!m_scratch)
            m_scratch = std::make_unique<gdip::Graphics>(canvas.dc.m_hDC);
        return m_scratch->handle;
    }
    mutable std::unique_ptr<gdip::Graphics> m_scratch;
};

TEST_F(RegionsTest, MadeRegionTakesLayerShapeOverItsRectangle) {
    stack.borders[0].radius = 5;
    const int rect = AddRegion(10, 10, 20, 20, SHAPE_RECT);
    const int ellipse = AddRegion(10, 10, 20, 20, SHAPE_ELLIPSE);
    const int rounded = AddRegion(10, 10, 20, 20, SHAPE_ROUNDRECT);
    Paint();
    EXPECT_TRUE(Contains(rect, 10, 10));
    EXPECT_TRUE(Contains(rect, 29, 29));
    EXPECT_FALSE(Contains(rect, 30, 20));
    EXPECT_FALSE(Contains(ellipse, 11, 11));
    EXPECT_TRUE(Contains(ellipse, 20, 11));
    EXPECT_FALSE(Contains(rounded, 10, 10)) << "rounded by borders[0].radius";
    EXPECT_TRUE(Contains(rounded, 12, 12));
    EXPECT_TRUE(Contains(rounded, 20, 10));
}

TEST_F(RegionsTest, ShapesWithoutFigureMakeEmptyRegion) {
    for (int shape : {int{SHAPE_ROUNDRECT_SQUARE}, 5, -1}) {
        SCOPED_TRACE(testing::Message() << "shape " << shape);
        stack = LayerStack(0, 0, 60, 60);
        const int region = AddRegion(10, 10, 20, 20, shape);
        Paint();
        ASSERT_NE(Painted(region).region, nullptr);
        EXPECT_TRUE(IsEmpty(region));
    }
}

TEST_F(RegionsTest, RenderingAgainReplacesRegions) {
    const int region = AddRegion(10, 10, 20, 20);
    Paint();
    const gdip::Region* first = Painted(region).region;
    PaintAgain();
    EXPECT_NE(Painted(region).region, first);
    EXPECT_TRUE(Contains(region, 15, 15));
}

struct CombineCase {
    int mode;
    bool onlyFirst, both, onlySecond;
};

// Region a covers (0, 0)-(20, 20), region b (10, 10)-(30, 30).
const CombineCase kCombineCases[] = {
    {Gdiplus::CombineModeReplace, true, true, false},  // not a combining mode: nothing changes
    {Gdiplus::CombineModeIntersect, false, true, false},
    {Gdiplus::CombineModeUnion, true, true, true},
    {Gdiplus::CombineModeXor, true, false, true},
    {Gdiplus::CombineModeExclude, true, false, false},
    {Gdiplus::CombineModeComplement, false, false, true},
    {6, true, true, false},
    {-1, true, true, false},
};

void RegionsTest::ExpectCombination(int index, const CombineCase& c) const {
    EXPECT_EQ(Contains(index, 5, 5), c.onlyFirst);
    EXPECT_EQ(Contains(index, 15, 15), c.both);
    EXPECT_EQ(Contains(index, 25, 25), c.onlySecond);
}

TEST_F(RegionsTest, CombineChangesFirstRegionByModeLeavesSecond) {
    for (const CombineCase& c : kCombineCases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        stack = LayerStack(0, 0, 60, 60);
        const int a = AddRegion(0, 0, 20, 20);
        const int b = AddRegion(10, 10, 20, 20);
        AddReferring(LK_COMBINE_REGION, a, b, c.mode);
        Paint();
        ExpectCombination(a, c);
        EXPECT_FALSE(Contains(b, 5, 5));
        EXPECT_TRUE(Contains(b, 25, 25));
    }
}

TEST_F(RegionsTest, DeriveMakesOwnRegionFromCopyOfFirstLeavesBothSources) {
    for (const CombineCase& c : kCombineCases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        stack = LayerStack(0, 0, 60, 60);
        const int a = AddRegion(0, 0, 20, 20);
        const int b = AddRegion(10, 10, 20, 20);
        const int derived = AddReferring(LK_DERIVE_REGION, a, b, c.mode);
        Paint();
        ASSERT_NE(Painted(derived).region, nullptr);
        EXPECT_NE(Painted(derived).region, Painted(a).region);
        ExpectCombination(derived, c);
        EXPECT_TRUE(Contains(a, 5, 5));
        EXPECT_FALSE(Contains(a, 25, 25));
    }
}

TEST_F(RegionsTest, ClipRegionLimitsLaterLayersClipFrameRestoresFrame) {
    const int ellipse = AddRegion(0, 0, 30, 30, SHAPE_ELLIPSE);
    AddReferring(LK_CLIP_REGION, ellipse, 0);
    AddFill();
    AddReferring(LK_CLIP_FRAME, 0, 0);
    const int lower = Add(LK_SOLID, SHAPE_RECT, 0, 40, 60, 20);
    stack.layers[lower].color1 = kRed;
    Paint();
    EXPECT_TRUE(Red(15, 15));
    EXPECT_FALSE(Red(1, 1)) << "outside the ellipse";
    EXPECT_FALSE(Red(45, 15));
    EXPECT_TRUE(Red(1, 45)) << "after the frame clip";
    EXPECT_TRUE(Red(59, 59));
}

TEST_F(RegionsTest, ClipToEmptyRegionHidesEverythingAfterIt) {
    const int empty = AddRegion(0, 0, 60, 60, SHAPE_ROUNDRECT_SQUARE);
    AddReferring(LK_CLIP_REGION, empty, 0);
    AddFill();
    Paint();
    for (const Point& p : {Point{0, 0}, Point{30, 30}, Point{59, 59}})
        EXPECT_FALSE(Red(p.x, p.y)) << "at (" << p.x << ", " << p.y << ")";
}

struct BadReferenceCase {
    const char* name;
    int ref1, ref2;
};

// Layer 0 makes a region, layer 1 is a fill that has none.
const BadReferenceCase kBadReferences[] = {
    {"ref1 past the end", 99, 0}, {"ref2 past the end", 0, 99}, {"ref1 negative", -1, 0},
    {"ref2 negative", 0, -5},     {"ref1 without region", 1, 0}, {"ref2 without region", 0, 1},
    {"ref1 made later", 4, 0},
};

TEST_F(RegionsTest, ReferenceToNoRegionDrawsNothingAndLaterLayersStillDraw) {
    for (int kind : {LK_COMBINE_REGION, LK_DERIVE_REGION, LK_CLIP_REGION}) {
        for (const BadReferenceCase& c : kBadReferences) {
            if (kind == LK_CLIP_REGION && c.ref1 == 0)
                continue;  // a clip reads ref1 only
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", " << c.name);
            stack = LayerStack(0, 0, 60, 60);
            const int region = AddRegion(0, 0, 20, 20);
            Add(LK_SOLID);
            const int referring = AddReferring(kind, c.ref1, c.ref2, Gdiplus::CombineModeUnion);
            AddFill();
            AddRegion(40, 40, 10, 10);
            Paint();
            EXPECT_TRUE(Red(30, 30)) << "the clip stays the frame";
            EXPECT_TRUE(Red(59, 0));
            EXPECT_FALSE(Contains(region, 25, 25)) << "the made region is unchanged";
            EXPECT_TRUE(Contains(region, 5, 5));
            EXPECT_EQ(Painted(referring).region, nullptr);
        }
    }
}

TEST_F(RegionsTest, DerivedRegionWithBadReferenceDropsTheOneItMadeBefore) {
    const int a = AddRegion(0, 0, 20, 20);
    const int b = AddRegion(10, 10, 20, 20);
    const int derived = AddReferring(LK_DERIVE_REGION, a, b, Gdiplus::CombineModeUnion);
    Paint();
    ASSERT_NE(Painted(derived).region, nullptr);
    painted.stacks[0].layers[derived].ref2 = 42;
    PaintAgain();
    EXPECT_EQ(Painted(derived).region, nullptr);
}

}  // namespace
