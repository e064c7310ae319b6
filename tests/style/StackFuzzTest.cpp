// Looks are built by hand, field by field; a wrong number in any field must
// give a wrong picture at worst, never a crash or a hang. Thousands of stacks
// with random fields, every kind and the values around it, are painted.

#include "style/Style.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "tests/style/Canvas.h"

namespace {

constexpr int kCanvasSize = 48;
constexpr int kStyles = 1500;

class RandomLook {
public:
    explicit RandomLook(unsigned seed) : m_random(seed) {}

    Style MakeStyle() {
        Style style;
        const int stacks = Between(1, 3);
        for (int i = 0; i < stacks; ++i)
            style.AddStack(MakeStack());
        return style;
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool OneIn(int n) { return Between(1, n) == 1; }
    uint32_t Colour() { return std::uniform_int_distribution<uint32_t>()(m_random); }
    float Stop() { return std::uniform_real_distribution<float>(-1.5f, 2.5f)(m_random); }

    // Mostly sizes a look could have, now and then an absurd one.
    int Size() { return OneIn(8) ? Between(-20, 0) : Between(0, 60); }
    int Count() {
        if (OneIn(20))
            return OneIn(2) ? INT_MAX / 4 : INT_MIN / 4;
        return Between(-3, 40);
    }
    int Radius() {
        if (OneIn(10))
            return OneIn(2) ? INT_MAX : 100000;
        return Between(-3, 30);
    }

    LayerStack MakeStack() {
        LayerStack stack(Between(-10, 40), Between(-10, 40), Size(), Size());
        for (Border& border : stack.borders) {
            border.shape = Between(-1, 5);
            border.width = OneIn(10) ? 1000000 : Between(-2, 6);
            border.radius = Radius();
            border.color = Colour();
            border.color2 = Colour();
        }
        const int layers = Between(0, 6);
        for (int i = 0; i < layers; ++i) {
            Layer& layer = stack.layers[stack.AddLayer()];
            layer.kind = Between(-2, LK_COUNT + 1);
            layer.shape = Between(-1, 5);
            if (!OneIn(3)) {
                layer.x = Between(-20, 60);
                layer.y = Between(-20, 60);
                layer.width = Size();
                layer.height = Size();
            }
            layer.color1 = Colour();
            layer.color2 = Colour();
            layer.color3 = Colour();
            layer.param = Count();
            layer.stop1 = Stop();
            layer.stop2 = OneIn(3) ? 0.0f : Stop();
            layer.stop3 = Stop();
            layer.ref1 = Between(-2, 8);
            layer.ref2 = Between(-2, 8);
        }
        return stack;
    }

    std::mt19937 m_random;
};

TEST(StackFuzzTest, RandomStacksPaintWithoutCrashOrHang) {
    Canvas canvas(kCanvasSize, kCanvasSize);
    RandomLook looks(20240611u);
    for (int i = 0; i < kStyles; ++i) {
        Style style = looks.MakeStyle();
        style.Paint(&canvas.dc, 0, 0, kCanvasSize, kCanvasSize);
        // Again from the caches, and once more from the layers, which by
        // now hold their regions and their written-back rectangles.
        style.Paint(&canvas.dc, 0, 0, kCanvasSize, kCanvasSize);
        style.Invalidate();
        style.Paint(&canvas.dc, 0, 0, kCanvasSize, kCanvasSize);
    }
    SUCCEED() << kStyles << " styles painted";
}

}  // namespace
