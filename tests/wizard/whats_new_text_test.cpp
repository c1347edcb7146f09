#include "wizard/whats_new_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumetra {
namespace {

std::wstring Prepared(const void* bytes, size_t byteCount) {
    std::vector<wchar_t> text(kWhatsNewCapacity, L'?');
    PrepareWhatsNewText(bytes, byteCount, text.data());
    EXPECT_EQ(text[kWhatsNewCapacity - 1], L'\0') << "the buffer always ends with a terminator";
    return text.data();
}

std::wstring Prepared(const std::wstring& resource) {
    return Prepared(resource.data(), resource.size() * sizeof(wchar_t));
}

TEST(PrepareWhatsNewText, KeepsTheByteOrderMarkAndEndsAtTheLastLetterOrDigit) {
    const struct {
        const wchar_t* resource;
        const wchar_t* shown;
    } cases[] = {
        {L"\xFEFFLumetra 4.59\r\n\r\nNeu: Diashow...\r\n", L"\xFEFFLumetra 4.59\r\n\r\nNeu: Diashow"},
        {L"\xFEFFViel Spa\xDF mit Lumetra!\r\n", L"\xFEFFViel Spa\xDF mit Lumetra"},
        {L"\xFEFFVersion 4.59 \t\r\n", L"\xFEFFVersion 4.59"},
        {L"\xFEFFGr\xFC\xDF" L"e \xE4", L"\xFEFFGr\xFC\xDF" L"e \xE4"},
        {L"\xFEFF  \r\n \r\n", L""},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(Prepared(c.resource), c.shown) << c.resource;
}

TEST(PrepareWhatsNewText, TakesTheBytesAsTheyStand) {
    // The text ends at its first terminator; an odd last byte is a character of its own.
    const std::wstring withTerminator(L"\xFEFF" L"ab\0cd", 6);
    EXPECT_EQ(Prepared(withTerminator), L"\xFEFF" L"ab");
    const char oddLength[] = {'a', 0, 'b', 0, 'c'};
    EXPECT_EQ(Prepared(oddLength, sizeof(oddLength)), L"abc");
}

TEST(PrepareWhatsNewText, LongNotesAreCutAfter10239Characters) {
    const std::wstring resource = L"\xFEFF" + std::wstring(20000, L'x');
    const std::wstring shown = Prepared(resource);
    EXPECT_EQ(shown.size(), kWhatsNewCapacity - 1);
    EXPECT_EQ(shown, resource.substr(0, kWhatsNewCapacity - 1));
}

}  // namespace
}  // namespace lumetra
