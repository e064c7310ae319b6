#include "framework/String.h"

#include <gtest/gtest.h>

TEST(CStringTest, Placeholder) { EXPECT_EQ(CString("ab") + "c", "abc"); }
