// The release folder sort key.
#include <gtest/gtest.h>

#include "install/Records.h"
#include "ui/Exception.h"

TEST(ReleaseSortKey, ReadsTheDateSuffixAsYearMonthDay) {
    EXPECT_EQ(ReleaseSortKey(L"C:\\T\\backup\\R120615"), 150612);
    EXPECT_EQ(ReleaseSortKey(L"C:\\T\\backup\\R311299"), 991231);
    EXPECT_THROW(ReleaseSortKey(L"C:\\T\\backup\\Rel12ab"), ui::EConvertError);
    EXPECT_THROW(ReleaseSortKey(L"\\R1"), ui::EConvertError);
}
