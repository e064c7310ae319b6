#include "style/GResource.h"

#include <gtest/gtest.h>

#include "tests/style/Canvas.h"
#include "tests/style/TestImages.h"

namespace {

bool Load(GResource& resource, int id) { return resource.LoadFromResource(MAKEINTRESOURCEA(id), "PNG"); }

void ExpectEmpty(const GResource& resource) {
    EXPECT_EQ(resource.gdipBitmap, nullptr);
    EXPECT_EQ(resource.resourceCopy, nullptr);
}

gdip::ARGB PixelOf(GResource& resource, int x, int y) {
    gdip::ARGB color = 0;
    resource.gdipBitmap->BitmapGetPixel(x, y, &color);
    return color;
}

TEST(GResourceTest, LoadedPictureKeepsItsLockedBytes) {
    GResource resource;
    ASSERT_TRUE(Load(resource, TEST_IMAGE_TINY));
    ASSERT_NE(resource.gdipBitmap, nullptr);
    EXPECT_EQ(resource.gdipBitmap->GetImageWidth(), 4u);
    EXPECT_EQ(resource.gdipBitmap->GetImageHeight(), 3u);
    EXPECT_EQ(PixelOf(resource, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(PixelOf(resource, 3, 0), 0x80FF0000u) << "alpha survives decoding";
    EXPECT_EQ(PixelOf(resource, 0, 2), 0xFF0000FFu);
    ASSERT_NE(resource.resourceCopy, nullptr);
    EXPECT_EQ(::GlobalFlags(resource.resourceCopy) & GMEM_LOCKCOUNT, 1u);
    EXPECT_EQ(::GlobalSize(resource.resourceCopy), 82u) << "the file's bytes, copied whole";
}

TEST(GResourceTest, NamedResourceLoadsLikeNumberedOne) {
    GResource resource;
    EXPECT_TRUE(resource.LoadFromResource("TINY", "PNG"));
    EXPECT_NE(resource.gdipBitmap, nullptr);
}

struct FailedLoadCase {
    const char* name;
    int id;
    const char* type;
};

void PrintTo(const FailedLoadCase& c, std::ostream* os) { *os << c.name; }

class GResourceFailedLoadTest : public ::testing::TestWithParam<FailedLoadCase> {};

TEST_P(GResourceFailedLoadTest, LeavesNothingBehind) {
    GResource resource;
    EXPECT_FALSE(resource.LoadFromResource(MAKEINTRESOURCEA(GetParam().id), GetParam().type));
    ExpectEmpty(resource);
}

INSTANTIATE_TEST_SUITE_P(
    Resources, GResourceFailedLoadTest,
    ::testing::Values(FailedLoadCase{"MissingId", TEST_IMAGE_MISSING, "PNG"},
                      FailedLoadCase{"OtherType", TEST_IMAGE_TINY, "JPG"},
                      FailedLoadCase{"NotAnImage", TEST_IMAGE_NOT_AN_IMAGE, "PNG"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GResourceTest, SecondLoadReplacesFirstPicture) {
    GResource resource;
    ASSERT_TRUE(Load(resource, TEST_IMAGE_TINY));
    ASSERT_TRUE(Load(resource, TEST_IMAGE_WHITE));
    EXPECT_EQ(resource.gdipBitmap->GetImageWidth(), 2u);
    EXPECT_EQ(PixelOf(resource, 0, 0), 0xFFFFFFFFu);
}

TEST(GResourceTest, FailedSecondLoadDoesNotKeepFirstPicture) {
    for (const int failing : {TEST_IMAGE_MISSING, TEST_IMAGE_NOT_AN_IMAGE}) {
        GResource resource;
        ASSERT_TRUE(Load(resource, TEST_IMAGE_TINY));
        EXPECT_FALSE(Load(resource, failing));
        ExpectEmpty(resource);
    }
}

TEST(GResourceTest, ClearEmptiesAndMayBeRepeated) {
    GResource resource;
    ASSERT_TRUE(Load(resource, TEST_IMAGE_TINY));
    resource.Clear();
    ExpectEmpty(resource);
    resource.Clear();
    ExpectEmpty(resource);
}

TEST(GResourceTest, DestroyingOneThatNeverLoadedIsHarmless) {
    auto* resource = new GResource;
    ExpectEmpty(*resource);
    delete static_cast<CGdiPlusBitmap*>(resource);  // through the base, as owners may hold it
}

}  // namespace
