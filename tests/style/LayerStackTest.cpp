#include "style/LayerStack.h"

#include <gtest/gtest.h>

#include "style/Style.h"
#include "tests/style/Canvas.h"
#include "tests/style/TestImages.h"

namespace {

// A stack holding everything a copy must not share: a region, a loaded image.
LayerStack StackWithOwnedParts() {
    LayerStack stack(1, 2, 30, 40);
    stack.borders[0].radius = 7;
    const int index = stack.AddLayer();
    stack.layers[index].kind = LK_MAKE_REGION;
    stack.layers[index].ref1 = 5;
    stack.layers[index].ReplaceRegion(new gdip::Region());
    TextItem text;
    text.text = L"Port";
    stack.texts.push_back(text);
    ImageItem item;
    item.resourceId = TEST_IMAGE_TINY;
    item.resourceType = "PNG";
    item.image = std::make_unique<GResource>();
    item.image->LoadFromResource(MAKEINTRESOURCEA(TEST_IMAGE_TINY), "PNG");
    stack.images.push_back(std::move(item));
    return stack;
}

void ExpectFreshCopyOf(const LayerStack& copy, const LayerStack& source) {
    EXPECT_EQ(copy.x, source.x);
    EXPECT_EQ(copy.height, source.height);
    EXPECT_EQ(copy.borders[0].radius, source.borders[0].radius);
    EXPECT_EQ(copy.cached, 0);
    EXPECT_EQ(copy.cacheDC, nullptr);
    ASSERT_EQ(copy.layers.size(), source.layers.size());
    EXPECT_EQ(copy.layers[0].kind, source.layers[0].kind);
    EXPECT_EQ(copy.layers[0].ref1, source.layers[0].ref1);
    EXPECT_EQ(copy.layers[0].region, nullptr);
    ASSERT_EQ(copy.texts.size(), 1u);
    EXPECT_EQ(copy.texts[0].text, L"Port");
    ASSERT_EQ(copy.images.size(), 1u);
    EXPECT_EQ(copy.images[0].resourceId, TEST_IMAGE_TINY);
    EXPECT_EQ(copy.images[0].image, nullptr);
}

TEST(LayerStackTest, RectangleStackHasRectangularFramesDefaultStackNone) {
    const LayerStack framed(0, 0, 10, 10);
    const LayerStack bare;
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(framed.borders[k].shape, SHAPE_RECT);
        EXPECT_EQ(bare.borders[k].shape, 0);
    }
}

TEST(LayerStackTest, AddLayerReturnsIndexOfNewZeroFilledLayer) {
    LayerStack stack(0, 0, 10, 10);
    for (int i = 0; i < 10; ++i) {
        const int index = stack.AddLayer();
        stack.layers[index].kind = LK_BAND_TOP;
        stack.layers[index].stop2 = 0.5f;
    }
    const int index = stack.AddLayer();
    EXPECT_EQ(index, 10);
    const Layer& layer = stack.layers[index];
    EXPECT_EQ(layer.kind, 0);
    EXPECT_EQ(layer.stop2, 0.0f);
    EXPECT_EQ(layer.region, nullptr);
}

TEST(LayerStackTest, GrowingListKeepsRegionsInTheirLayers) {
    LayerStack stack(0, 0, 10, 10);
    stack.AddLayer();
    auto* region = new gdip::Region();
    stack.layers[0].ReplaceRegion(region);
    for (int i = 0; i < 40; ++i)
        stack.AddLayer();
    EXPECT_EQ(stack.layers[0].region, region);
}

TEST(LayerStackTest, ConcatenateShiftsReferencesOfSecondStack) {
    LayerStack base(1, 2, 3, 4);
    base.borders[1].width = 2;
    for (int i = 0; i < 3; ++i)
        base.AddLayer();
    base.layers[2].ref1 = 7;  // meaningless, yet left alone: it belongs to the first stack
    LayerStack second(50, 50, 5, 5);
    second.AddLayer();
    second.AddLayer();
    second.layers[1].ref1 = 0;
    second.layers[1].ref2 = 1;

    const LayerStack joined = LayerStack::Concatenate(base, second);
    ASSERT_EQ(joined.layers.size(), 5u);
    EXPECT_EQ(joined.layers[4].ref1, 3);
    EXPECT_EQ(joined.layers[4].ref2, 4);
    EXPECT_EQ(joined.layers[3].ref1, 3) << "unused references move too";
    EXPECT_EQ(joined.layers[2].ref1, 7);
    EXPECT_EQ(joined.layers[0].ref1, 0);
    EXPECT_EQ(joined.x, 1);
    EXPECT_EQ(joined.borders[1].width, 2);
    EXPECT_EQ(second.layers[1].ref1, 0) << "the sources stay as they were";
}

TEST(LayerStackTest, AppendCopiesListsInOrderWithoutOwnedParts) {
    const LayerStack source = StackWithOwnedParts();
    LayerStack stack(0, 0, 10, 10);
    stack.AddLayer();
    stack.texts.emplace_back();
    stack.Append(source);
    ASSERT_EQ(stack.layers.size(), 2u);
    EXPECT_EQ(stack.layers[1].kind, LK_MAKE_REGION);
    EXPECT_EQ(stack.layers[1].ref1, 5) << "Append alone does not shift references";
    EXPECT_EQ(stack.layers[1].region, nullptr);
    ASSERT_EQ(stack.texts.size(), 2u);
    EXPECT_EQ(stack.texts[1].text, L"Port");
    ASSERT_EQ(stack.images.size(), 1u);
    EXPECT_EQ(stack.images[0].image, nullptr);
    EXPECT_NE(source.layers[0].region, nullptr);
    EXPECT_NE(source.images[0].image, nullptr);
}

TEST(LayerStackTest, CopyNeverSharesRegionsOrImages) {
    const LayerStack source = StackWithOwnedParts();
    ASSERT_NE(source.images[0].image->gdipBitmap, nullptr);
    const LayerStack copy(source);
    ExpectFreshCopyOf(copy, source);
    EXPECT_NE(source.layers[0].region, nullptr);
}

TEST(LayerStackTest, AssignmentReleasesOldContentAndEqualsCopy) {
    Canvas canvas(60, 60);
    Style rendered;
    rendered.AddStack(StackWithOwnedParts());
    rendered.stacks[0].layers[0].ReplaceRegion(new gdip::Region());
    rendered.Paint(&canvas.dc, 0, 0, 60, 60);
    LayerStack& target = rendered.stacks[0];
    target.AddLayer();
    ASSERT_EQ(target.cached, 1);

    const LayerStack source = StackWithOwnedParts();
    target = source;
    ExpectFreshCopyOf(target, source);
}

TEST(LayerStackTest, SelfAssignmentKeepsEverything) {
    LayerStack stack = StackWithOwnedParts();
    LayerStack& same = stack;
    stack = same;
    ASSERT_EQ(stack.layers.size(), 1u);
    EXPECT_NE(stack.layers[0].region, nullptr);
    EXPECT_NE(stack.images[0].image, nullptr);
}

TEST(LayerStackTest, IndicesThatNameNoEntryGiveNothing) {
    LayerStack stack = StackWithOwnedParts();
    stack.AddLayer();  // layer 1: in range, but without a region
    for (const int index : {-1, 2, 1000, INT_MIN, INT_MAX}) {
        EXPECT_EQ(stack.ReferencedRegion(index), nullptr) << index;
        EXPECT_EQ(stack.TextAt(index), nullptr) << index;
        EXPECT_EQ(stack.ImageAt(index), nullptr) << index;
    }
    EXPECT_EQ(stack.ReferencedRegion(1), nullptr);
    EXPECT_EQ(stack.ReferencedRegion(0), stack.layers[0].region);
    EXPECT_EQ(stack.TextAt(0), &stack.texts[0]);
    EXPECT_EQ(stack.ImageAt(0), &stack.images[0]);
}

// Layers naming entries that do not exist, or regions never made, must draw
// nothing, leave the clip alone and let the following layers run.
TEST(LayerStackTest, LayersWithDanglingIndicesDrawNothing) {
    struct Case {
        int kind;
        int param;
        int ref1;
        int ref2;
    };
    const Case cases[] = {
        {LK_IMAGE, 3, 0, 0},           {LK_IMAGE, -1, 0, 0},
        {LK_TEXT, 3, 0, 0},            {LK_HALO_TEXT, -1, 0, 0},
        {LK_SHADOW, 2, 9, 0},          {LK_SHADOW, 2, 0, 0},  // layer 0 holds no region
        {LK_COMBINE_REGION, 2, 9, 0},  {LK_COMBINE_REGION, 2, 0, -4},
        {LK_DERIVE_REGION, 2, -1, 0},  {LK_DERIVE_REGION, 2, 0, 99},
        {LK_CLIP_REGION, 0, 99, 0},    {LK_CLIP_REGION, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Canvas canvas(60, 60);
        canvas.Fill(CRect(0, 0, 60, 60), RGB(0, 0, 200));
        LayerStack stack(10, 10, 40, 40);
        stack.layers.resize(3);
        stack.layers[1].kind = c.kind;
        stack.layers[1].param = c.param;
        stack.layers[1].ref1 = c.ref1;
        stack.layers[1].ref2 = c.ref2;
        stack.layers[1].color1 = 0xFFFF0000;
        Style style;
        style.AddStack(stack);
        style.Paint(&canvas.dc, 0, 0, 60, 60);
        EXPECT_EQ(canvas.Pixel(30, 30), RGB(0, 0, 200)) << "kind " << c.kind;
        EXPECT_EQ(style.stacks[0].layers[2].width, 40) << "the layer after kind " << c.kind << " ran";
    }
}

}  // namespace
