#pragma once
// Resource ids of the test pictures (TestImages.rc).
#define TEST_IMAGE_TINY 201          // 4 x 3: rows red, green, blue; last column alpha 128
#define TEST_IMAGE_WHITE 202         // 2 x 2 opaque white
#define TEST_IMAGE_NOT_AN_IMAGE 203  // text under the type "PNG"
#define TEST_IMAGE_MISSING 299
