// The string table of the built Install.exe, read through GetResourceString.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "common/RK_Common_Proc.h"
#include "ui/Exception.h"

namespace {

class ResourceStringTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryExW((testing_support::BinFolder() + L"Install.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    static void TearDownTestSuite() { FreeLibrary(module_); }
    static HMODULE module_;
};
HMODULE ResourceStringTest::module_ = nullptr;

TEST_F(ResourceStringTest, ProductTexts) {
    EXPECT_EQ(GetResourceString(module_, 0), L"Holter");
    EXPECT_EQ(GetResourceString(module_, 1), L"Ритмикон - Холтер");
    EXPECT_EQ(GetResourceString(module_, 3), L"21");
    EXPECT_EQ(GetResourceString(module_, 4), L"Ritmikon.exe");
}

TEST_F(ResourceStringTest, LongestEntryComesBackWhole) {
    std::wstring description = GetResourceString(module_, 2);
    EXPECT_EQ(description, L"Комплекс суточного мониторирования электрокардиограмм");
    EXPECT_EQ(description.size(), 53u);
}

TEST_F(ResourceStringTest, TableHasNoGapsUpToItsHighestId) {
    int highest = std::stoi(GetResourceString(module_, 3));
    for (int id = 0; id <= highest; ++id) EXPECT_FALSE(GetResourceString(module_, id).empty()) << id;
    for (int id = 5; id <= highest; ++id) {
        std::wstring name = GetResourceString(module_, id);
        EXPECT_TRUE(name.ends_with(L".exe") || name.ends_with(L".dll")) << id;
    }
}

TEST_F(ResourceStringTest, IdsAboveTheTableAreEmpty) {
    EXPECT_EQ(GetResourceString(module_, 22), L"");
    EXPECT_EQ(GetResourceString(module_, 23), L"");
    EXPECT_EQ(GetResourceString(module_, 1000), L"");
}

TEST_F(ResourceStringTest, NegativeIdIsARangeError) {
    EXPECT_THROW(GetResourceString(module_, -1), ui::ERangeError);
}

}  // namespace
