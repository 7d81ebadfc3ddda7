// The date encoding of the seeded files and the release folder sort key.
#include <gtest/gtest.h>

#include "install/Records.h"
#include "ui/Exception.h"

TEST(Records, DateTimeIsDaysSinceTheThirtiethOfDecember1899) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1900, 1, 1, 0, 0, 0, 0), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2000, 1, 1, 12, 0, 0, 0), 36526.5);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2026, 12, 10, 6, 0, 0, 0), 46366.25);
    EXPECT_NEAR(EncodeDateTime(2024, 2, 29, 23, 59, 59, 999), 45351.0 + 86399.999 / 86400.0, 1e-9);
}

TEST(ReleaseSortKey, ReadsTheDateSuffixAsYearMonthDay) {
    EXPECT_EQ(ReleaseSortKey(L"C:\\T\\backup\\R120615"), 150612);
    EXPECT_EQ(ReleaseSortKey(L"C:\\T\\backup\\R311299"), 991231);
    EXPECT_THROW(ReleaseSortKey(L"C:\\T\\backup\\Rel12ab"), ui::EConvertError);
    EXPECT_THROW(ReleaseSortKey(L"\\R1"), ui::EConvertError);
}
