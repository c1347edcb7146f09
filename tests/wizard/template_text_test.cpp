#include "wizard/template_text.h"

#include <gtest/gtest.h>

#include <string>

namespace lumetra {
namespace {

TEST(FillTemplateText, ReplacesPlaceholdersInOrderAndNothingElse) {
    const struct {
        const wchar_t* pattern;
        std::initializer_list<const wchar_t*> values;
        const wchar_t* filled;
    } cases[] = {
        {L"Willkommen zur Lumetra %s Installation!", {L"64"}, L"Willkommen zur Lumetra 64 Installation!"},
        {L"Lumetra Version  %s  (%s bit)", {L"4.59", L"64"}, L"Lumetra Version  4.59  (64 bit)"},
        {L"%d %n %ls %% %s", {L"x"}, L"%d %n %ls %% x"},
        {L"%s und %s", {L"nur eins"}, L"nur eins und %s"},
        {L"ohne", {L"x"}, L"ohne"},
        {L"%s%s", {L"%s", L"b"}, L"%sb"},
    };
    for (const auto& c : cases) {
        wchar_t out[64];
        EXPECT_TRUE(FillTemplateText(c.pattern, c.values, out, 64));
        EXPECT_EQ(std::wstring(out), c.filled) << c.pattern;
    }
}

TEST(FillTemplateText, CutsWhatDoesNotFit) {
    wchar_t out[8];
    EXPECT_FALSE(FillTemplateText(L"Version %s", {L"4.59"}, out, 8));
    EXPECT_EQ(std::wstring(out), L"Version");
}

}  // namespace
}  // namespace lumetra
