// Lays out the sample distribution medium in build\dist\ for `make run`.
#include <cstdio>

#include "Distribution.h"
#include "TestSupport.h"

int wmain() {
    std::wstring dist = testing_support::BuildFolder() + L"dist\\";
    testing_support::RemoveTree(dist);
    MakeDistribution(dist);
    std::printf("sample distribution: %s\n", testing_support::Utf8(dist).c_str());
    return 0;
}
