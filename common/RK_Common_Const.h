#pragma once
// The suite's constant tables: report tags, lead names and the clinical labels.
// The labels of the translated tables may be replaced from the language file at
// start-up; everything else is constant.
#include <array>
#include <string>

extern const std::array<const wchar_t*, 23> ReportSectionTags;
extern const std::array<const wchar_t*, 23> ReportSectionTags2;
extern const std::array<const wchar_t*, 11> DecisionTags;
extern const std::array<const wchar_t*, 9> ADSectionTags;
extern const std::array<const wchar_t*, 15> LeadNames;
extern const std::array<const wchar_t*, 74> DisplayItemNames;
extern const std::array<const wchar_t*, 4> ToleranceNames;
extern const std::array<const wchar_t*, 8> FunctionalClassAdvice;

extern std::array<std::wstring, 3> ConstitutionNames;
extern std::array<std::wstring, 22> DiseaseNames;
extern std::array<std::wstring, 9> DrugGroupNames;
extern std::array<std::wstring, 5> ConductionNames;
