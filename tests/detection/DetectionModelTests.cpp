#include <gtest/gtest.h>

#include "detection/DetectionCategory.h"

TEST(Placeholder, Builds) { EXPECT_EQ(tarnveil::identifier(tarnveil::DetectionCategory::ipv4), "ipv4"); }
