// The skin's pictures as the program carries them: every id at its size,
// decodable by GDI+, with alpha where the skin needs transparency.
#include <gtest/gtest.h>

#include <string>

#include "style/GResource.h"

namespace {

class SkinPicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&s_token, &input, nullptr), gdip::Ok);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(s_token); }
    static inline ULONG_PTR s_token = 0;
};

struct Picture {
    int id;
    UINT width;
    UINT height;
};

constexpr Picture kPictures[] = {
    {139, 800, 600}, {140, 181, 180}, {142, 181, 180}, {143, 181, 180}, {144, 181, 180}, {145, 181, 180},
    {146, 181, 180}, {147, 30, 25},   {148, 30, 25},   {149, 1600, 106}, {150, 171, 15}, {152, 28, 11},
    {153, 101, 11},  {154, 85, 12},   {155, 76, 12},   {156, 78, 12},   {157, 81, 12},   {158, 30, 25},
    {159, 75, 11},   {160, 97, 11},   {162, 94, 11},   {163, 104, 11},  {164, 156, 11},  {165, 179, 182},
    {166, 93, 12},   {167, 77, 11},   {168, 102, 11},  {169, 160, 11},  {170, 183, 11},  {171, 179, 182},
    {172, 81, 11},
};

TEST_F(SkinPicturesTest, EveryPictureDecodesAtItsSize) {
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE("PNG " + std::to_string(picture.id));
        GResource image;
        ASSERT_TRUE(image.LoadFromResource(MAKEINTRESOURCEA(picture.id), "PNG"));
        EXPECT_EQ(image.gdipBitmap->GetImageWidth(), picture.width);
        EXPECT_EQ(image.gdipBitmap->GetImageHeight(), picture.height);
        Gdiplus::PixelFormat format = 0;
        Gdiplus::DllExports::GdipGetImagePixelFormat(image.gdipBitmap->handle, &format);
        // The backdrop is opaque; everything drawn over it needs alpha.
        EXPECT_EQ((format & PixelFormatAlpha) != 0, picture.id != 139);
    }
}

TEST_F(SkinPicturesTest, TheGapsInTheIdsStayEmpty) {
    for (int id : {138, 141, 151, 161, 173}) {
        GResource image;
        EXPECT_FALSE(image.LoadFromResource(MAKEINTRESOURCEA(id), "PNG")) << id;
    }
}

// The title strip fades out in its last row, so that the separator under it
// shows the backdrop.
TEST_F(SkinPicturesTest, TitleStripEndsInATransparentRow) {
    GResource strip;
    ASSERT_TRUE(strip.LoadFromResource(MAKEINTRESOURCEA(149), "PNG"));
    Gdiplus::ARGB top = 0, last = 0, aboveLast = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(strip.gdipBitmap->handle, 800, 0, &top);
    Gdiplus::DllExports::GdipBitmapGetPixel(strip.gdipBitmap->handle, 800, 104, &aboveLast);
    Gdiplus::DllExports::GdipBitmapGetPixel(strip.gdipBitmap->handle, 800, 105, &last);
    EXPECT_EQ(top >> 24, 0xFFu);
    EXPECT_EQ(aboveLast >> 24, 0xFFu);
    EXPECT_EQ(last >> 24, 0u);
    EXPECT_GT(top & 0xFF, aboveLast & 0xFF) << "light at the top, darker below";
}

}  // namespace
