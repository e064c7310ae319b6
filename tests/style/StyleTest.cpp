#include "style/Style.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/style/Canvas.h"

namespace {

constexpr COLORREF kFirst = RGB(0, 0, 200);
constexpr COLORREF kSecond = RGB(0, 200, 0);

using Bounds = std::array<int, 4>;
Bounds BoundsOf(const Layer& layer) { return {layer.x, layer.y, layer.width, layer.height}; }

// Stacks without drawing layers cache whatever lies under them, so the
// window background alone shows when a stack is rendered and when it is
// copied back from its cache.
class StyleTest : public ::testing::Test {
protected:
    StyleTest() : canvas(120, 80) { Background(kFirst); }

    void Background(COLORREF cr) { canvas.Fill(CRect(0, 0, 120, 80), cr); }
    // Over an area not at the origin, so the cache must follow the target's coordinates.
    void Paint(Style& style) { style.Paint(&canvas.dc, 5, 5, 115, 75); }
    // Stacks at (10, 10) and (60, 10) cache kFirst, then the background
    // turns kSecond: from then on kSecond shows only where a stack is
    // rendered again.
    void PaintTwoStacksThenChangeBackground(Style& style) {
        style.AddStack(LayerStack(10, 10, 40, 30));
        style.AddStack(LayerStack(60, 10, 40, 30));
        Paint(style);
        Background(kSecond);
    }

    Canvas canvas;
};

TEST_F(StyleTest, EmptyStylePaintsTargetBackUnchanged) {
    canvas.Fill(CRect(0, 0, 60, 80), kSecond);
    Style style;
    Paint(style);
    EXPECT_EQ(canvas.Pixel(5, 5), kSecond);
    EXPECT_EQ(canvas.Pixel(59, 74), kSecond);
    EXPECT_EQ(canvas.Pixel(60, 5), kFirst);
    EXPECT_EQ(canvas.Pixel(114, 74), kFirst);
}

TEST_F(StyleTest, SecondPaintRestoresFirstRenderingOverChangedBackground) {
    Style style;
    style.AddStack(LayerStack(10, 10, 40, 30));
    Paint(style);
    ASSERT_EQ(style.stacks[0].cached, 1);

    Background(kSecond);
    Paint(style);
    EXPECT_EQ(canvas.Pixel(10, 10), kFirst);
    EXPECT_EQ(canvas.Pixel(49, 39), kFirst);
    EXPECT_EQ(canvas.Pixel(9, 10), kSecond);
    EXPECT_EQ(canvas.Pixel(50, 39), kSecond);
    EXPECT_EQ(canvas.Pixel(49, 40), kSecond);
}

TEST_F(StyleTest, InvalidateRendersEveryStackAnew) {
    Style style;
    PaintTwoStacksThenChangeBackground(style);
    style.Invalidate();
    EXPECT_EQ(style.stacks[0].cached, 0);
    EXPECT_EQ(style.stacks[1].cached, 0);
    Paint(style);
    EXPECT_EQ(canvas.Pixel(10, 10), kSecond);
    EXPECT_EQ(canvas.Pixel(60, 10), kSecond);
}

TEST_F(StyleTest, ClearingOneStacksFlagRendersOnlyThatStack) {
    Style style;
    PaintTwoStacksThenChangeBackground(style);
    style.stacks[1].cached = 0;
    Paint(style);
    EXPECT_EQ(canvas.Pixel(10, 10), kFirst);
    EXPECT_EQ(canvas.Pixel(60, 10), kSecond);
}

TEST_F(StyleTest, LayerAddedToCachedStackRunsOnlyAfterInvalidate) {
    Style style;
    style.AddStack(LayerStack(10, 10, 40, 30));
    Paint(style);
    const int index = style.stacks[0].AddLayer();
    Paint(style);
    // A layer that runs takes the stack's rectangle; this one has not run.
    EXPECT_EQ(style.stacks[0].layers[index].width, 0);
    style.Invalidate();
    Paint(style);
    EXPECT_EQ(style.stacks[0].layers[index].width, 40);
}

TEST_F(StyleTest, LayerFilledInLaterShowsOnlyAfterInvalidate) {
    LayerStack stack(10, 10, 40, 30);
    stack.AddLayer();  // zero-filled: a transparent fill
    Style style;
    style.AddStack(stack);
    Paint(style);
    style.stacks[0].layers[0].color1 = 0xFFFF0000;
    Paint(style);
    EXPECT_EQ(canvas.Pixel(30, 25), kFirst);
    style.Invalidate();
    Paint(style);
    EXPECT_EQ(canvas.Pixel(30, 25), RGB(255, 0, 0));
}

TEST_F(StyleTest, EmptyLayerTakesStackRectangleForGoodAndMovesWithIt) {
    LayerStack stack(10, 20, 30, 40);
    stack.borders[0].shape = SHAPE_ELLIPSE;
    const int whole = stack.AddLayer();
    const int flat = stack.AddLayer();  // width 0 but height 5: its own, empty, rectangle
    stack.layers[flat].x = 1;
    stack.layers[flat].y = 2;
    stack.layers[flat].height = 5;
    stack.layers[flat].shape = SHAPE_RECT;
    Style style;
    style.AddStack(stack);
    Paint(style);

    const Layer& w = style.stacks[0].layers[whole];
    const Layer& f = style.stacks[0].layers[flat];
    EXPECT_EQ(BoundsOf(w), (Bounds{10, 20, 30, 40}));
    EXPECT_EQ(w.shape, SHAPE_ELLIPSE) << "shape 0 takes the frame's";
    EXPECT_EQ(BoundsOf(f), (Bounds{1, 2, 0, 5}));
    EXPECT_EQ(f.shape, SHAPE_RECT);

    style.MoveTo(11, 22);
    style.Invalidate();
    Paint(style);
    EXPECT_EQ(style.stacks[0].x, 11);
    EXPECT_EQ(style.stacks[0].y, 22);
    EXPECT_EQ(BoundsOf(w), (Bounds{11, 22, 30, 40}));
    EXPECT_EQ(BoundsOf(f), (Bounds{2, 4, 0, 5}));
}

TEST_F(StyleTest, KindsOutsideTableDrawNothingAndDoNotStopLaterLayers) {
    for (const int kind : {25, -1, 1000, INT_MIN, INT_MAX}) {
        Background(kFirst);
        LayerStack stack(10, 10, 40, 30);
        stack.layers.resize(2);
        stack.layers[0].kind = kind;
        stack.layers[0].color1 = 0xFFFF0000;
        Style style;
        style.AddStack(stack);
        Paint(style);
        EXPECT_EQ(canvas.Pixel(20, 20), kFirst) << "kind " << kind;
        EXPECT_EQ(style.stacks[0].layers[1].width, 40) << "the layer after kind " << kind << " ran";
    }
}

TEST_F(StyleTest, CopyOfRenderedStyleStartsUncached) {
    Style style;
    style.AddStack(LayerStack(10, 10, 40, 30));
    Paint(style);
    const Style copy(style);
    ASSERT_EQ(copy.stacks.size(), 1u);
    EXPECT_EQ(copy.stacks[0].cached, 0);
    EXPECT_EQ(copy.stacks[0].cacheDC, nullptr);
    EXPECT_EQ(style.stacks[0].cached, 1) << "the source keeps its cache";
}

TEST_F(StyleTest, AssignmentHoldsExactlySourceStacks) {
    Style target;
    for (int i = 0; i < 3; ++i)
        target.AddStack(LayerStack(i, 0, 5, 5));
    Paint(target);
    Style source;
    source.AddStack(LayerStack(10, 10, 40, 30));
    target = source;
    ASSERT_EQ(target.stacks.size(), 1u);
    EXPECT_EQ(target.stacks[0].x, 10);
    EXPECT_EQ(target.stacks[0].cached, 0);
    EXPECT_EQ(target.stacks[0].cacheDC, nullptr);
}

TEST_F(StyleTest, GrowingStyleKeepsCachesOfRenderedStacks) {
    Style style;
    style.AddStack(LayerStack(10, 10, 40, 30));
    Paint(style);
    for (int i = 0; i < 20; ++i)
        style.AddStack(LayerStack(0, 0, 1, 1));
    EXPECT_EQ(style.stacks[0].cached, 1);
    ASSERT_NE(style.stacks[0].cacheDC, nullptr);
    Background(kSecond);
    style.stacks.resize(1);
    Paint(style);
    EXPECT_EQ(canvas.Pixel(10, 10), kFirst) << "the moved cache still holds the first rendering";
}

}  // namespace
