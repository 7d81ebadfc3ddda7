// The date encoding of the suite's files.
#include <gtest/gtest.h>

#include "common/DateTime.h"

TEST(DateTime, DaysSinceTheThirtiethOfDecember1899) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1900, 1, 1, 0, 0, 0, 0), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2000, 1, 1, 12, 0, 0, 0), 36526.5);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2026, 12, 10, 6, 0, 0, 0), 46366.25);
    EXPECT_NEAR(EncodeDateTime(2024, 2, 29, 23, 59, 59, 999), 45351.0 + 86399.999 / 86400.0, 1e-9);
}
