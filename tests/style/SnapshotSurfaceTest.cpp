#include "style/SnapshotSurface.h"

#include <gtest/gtest.h>

#include <memory>

#include "style/MemDC.h"
#include "tests/style/Canvas.h"

namespace {

gdip::ARGB PixelOf(gdip::Bitmap& bitmap, int x, int y) {
    gdip::ARGB color = 0;
    bitmap.BitmapGetPixel(x, y, &color);
    return color | 0xFF000000;  // a GDI bitmap carries no alpha worth comparing
}

constexpr gdip::ARGB kRed = 0xFFC80000;
constexpr gdip::ARGB kGreen = 0xFF00C800;

class SnapshotSurfaceTest : public ::testing::Test {
protected:
    SnapshotSurfaceTest() : canvas(200, 100) {
        canvas.Fill(CRect(0, 0, 100, 100), RGB(200, 0, 0));
        canvas.Fill(CRect(100, 0, 200, 100), RGB(0, 200, 0));
    }

    Canvas canvas;
};

TEST_F(SnapshotSurfaceTest, ShowsWhatSurfaceCopiedFromTarget) {
    MemDC surface(&canvas.dc, CRect(90, 20, 120, 70), TRUE, TRUE);
    std::unique_ptr<gdip::Bitmap> snapshot(SnapshotSurface(surface));
    ASSERT_NE(snapshot, nullptr);
    ASSERT_EQ(snapshot->lastStatus, gdip::Ok);
    EXPECT_EQ(snapshot->GetImageWidth(), 30u);
    EXPECT_EQ(snapshot->GetImageHeight(), 50u);
    EXPECT_EQ(PixelOf(*snapshot, 0, 0), kRed) << "(0, 0) is the target's (90, 20)";
    EXPECT_EQ(PixelOf(*snapshot, 9, 49), kRed);
    EXPECT_EQ(PixelOf(*snapshot, 10, 0), kGreen) << "the target's x 100";
}

TEST_F(SnapshotSurfaceTest, TakesDrawingUpToTheMomentOfTheCall) {
    MemDC surface(&canvas.dc, CRect(90, 20, 120, 70), TRUE, TRUE);
    surface.FillSolidRect(CRect(90, 20, 95, 25), RGB(0, 0, 255));
    std::unique_ptr<gdip::Bitmap> before(SnapshotSurface(surface));
    surface.FillSolidRect(CRect(90, 20, 120, 70), RGB(255, 255, 255));
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(PixelOf(*before, 4, 4), 0xFF0000FFu);
    EXPECT_EQ(PixelOf(*before, 5, 5), kRed) << "a copy, not a view of later drawing";
}

}  // namespace
