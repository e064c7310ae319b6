#include "style/MemDC.h"

#include <gtest/gtest.h>

#include "tests/style/Canvas.h"

namespace {

constexpr COLORREF kLeftColor = RGB(200, 0, 0);
constexpr COLORREF kRightColor = RGB(0, 200, 0);
constexpr COLORREF kInk = RGB(0, 0, 255);

// Two colours side by side, so a copy that lands in the wrong place shows.
class MemDCTest : public ::testing::Test {
protected:
    MemDCTest() : canvas(200, 100) {
        canvas.Fill(CRect(0, 0, 100, 100), kLeftColor);
        canvas.Fill(CRect(100, 0, 200, 100), kRightColor);
    }

    Canvas canvas;
};

TEST_F(MemDCTest, OffsetAreaIsBitmapOfItsSizeDrawnInTargetCoordinates) {
    const CRect area(10, 20, 110, 70);
    {
        MemDC surface(&canvas.dc, area);
        BITMAP info{};
        ::GetObject(surface.bitmap.GetSafeHandle(), sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, 100);
        EXPECT_EQ(info.bmHeight, 50);

        // Drawing past the area on every side: only the area may reach the target.
        surface.FillSolidRect(CRect(0, 0, 200, 100), kInk);
        EXPECT_EQ(canvas.Pixel(10, 20), kLeftColor) << "the target changes only when the surface goes";
    }
    EXPECT_EQ(canvas.Pixel(10, 20), kInk);
    EXPECT_EQ(canvas.Pixel(109, 69), kInk);
    EXPECT_EQ(canvas.Pixel(9, 20), kLeftColor);
    EXPECT_EQ(canvas.Pixel(10, 19), kLeftColor);
    EXPECT_EQ(canvas.Pixel(110, 69), kRightColor);
    EXPECT_EQ(canvas.Pixel(109, 70), kRightColor);
}

TEST_F(MemDCTest, DrawnPointLandsOnSamePointOfTarget) {
    {
        MemDC surface(&canvas.dc, CRect(10, 20, 110, 70));
        surface.FillSolidRect(CRect(10, 20, 11, 21), kInk);
    }
    EXPECT_EQ(canvas.Pixel(10, 20), kInk);
    EXPECT_EQ(canvas.Pixel(11, 20), kLeftColor);
    EXPECT_EQ(canvas.Pixel(10, 21), kLeftColor);
}

struct UntouchedCase {
    const char* name;
    BOOL copyBackground;
    BOOL discard;
    COLORREF left;   // at (90, 50) afterwards
    COLORREF right;  // at (110, 50)
};

void PrintTo(const UntouchedCase& c, std::ostream* os) { *os << c.name; }

class MemDCUntouchedTest : public MemDCTest, public ::testing::WithParamInterface<UntouchedCase> {};

// Nothing drawn: what the surface gives back is what it started from.
TEST_P(MemDCUntouchedTest, GivesBackWhatItStartedFrom) {
    const UntouchedCase& c = GetParam();
    { MemDC surface(&canvas.dc, CRect(50, 30, 150, 70), c.copyBackground, c.discard); }
    EXPECT_EQ(canvas.Pixel(90, 50), c.left);
    EXPECT_EQ(canvas.Pixel(110, 50), c.right);
    EXPECT_EQ(canvas.Pixel(40, 50), kLeftColor);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, MemDCUntouchedTest,
    ::testing::Values(UntouchedCase{"CopiedBackground", TRUE, FALSE, kLeftColor, kRightColor},
                      // A new compatible bitmap is black.
                      UntouchedCase{"BlankBackground", FALSE, FALSE, RGB(0, 0, 0), RGB(0, 0, 0)},
                      UntouchedCase{"BlankDiscarded", FALSE, TRUE, kLeftColor, kRightColor}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemDCTest, DiscardLeavesTargetAsItWas) {
    {
        MemDC surface(&canvas.dc, CRect(0, 0, 200, 100), TRUE, TRUE);
        surface.FillSolidRect(CRect(0, 0, 200, 100), kInk);
    }
    EXPECT_EQ(canvas.Pixel(50, 50), kLeftColor);
    EXPECT_EQ(canvas.Pixel(150, 50), kRightColor);
}

TEST_F(MemDCTest, EmptyAreaChangesNothing) {
    for (const CRect area : {CRect(10, 10, 10, 50), CRect(10, 10, 50, 10)}) {
        {
            MemDC surface(&canvas.dc, area);
            surface.FillSolidRect(CRect(0, 0, 200, 100), kInk);
        }
        EXPECT_EQ(canvas.Pixel(10, 10), kLeftColor);
        EXPECT_EQ(canvas.Pixel(30, 30), kLeftColor);
    }
}

TEST_F(MemDCTest, PrintingTargetIsDrawnOnDirectlyAndSurvives) {
    canvas.dc.m_bPrinting = TRUE;
    {
        MemDC surface(&canvas.dc, CRect(10, 20, 110, 70));
        EXPECT_EQ(surface.m_hDC, canvas.dc.m_hDC);
        EXPECT_TRUE(surface.IsPrinting());
        EXPECT_EQ(surface.bitmap.GetSafeHandle(), nullptr);
        surface.FillSolidRect(CRect(10, 20, 11, 21), kInk);
        EXPECT_EQ(canvas.Pixel(10, 20), kInk) << "no buffer between the surface and a printer";
    }
    EXPECT_EQ(::GetObjectType(canvas.dc.m_hDC), static_cast<DWORD>(OBJ_MEMDC));
    canvas.Fill(CRect(0, 0, 1, 1), kInk);
    EXPECT_EQ(canvas.Pixel(0, 0), kInk) << "the target's context must stay usable";
}

}  // namespace
