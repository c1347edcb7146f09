#include "app/text_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace lumetra {
namespace {

// A buffer with guard characters behind its capacity, to catch any write past it.
template <size_t N>
struct GuardedBuffer {
    wchar_t text[N];
    wchar_t guard[4] = {L'G', L'G', L'G', L'G'};
    bool GuardIntact() const { return guard[0] == L'G' && guard[3] == L'G'; }
};

TEST(TextBuffer, CopyCutsAndTerminates) {
    struct Case {
        const wchar_t* source;
        const wchar_t* expected;
        bool complete;
    };
    const Case cases[] = {
        {L"", L"", true},
        {L"abcd", L"abcd", true},      // exactly capacity - 1
        {L"abcde", L"abcd", false},    // one too many
        {L"abcdefghij", L"abcd", false},
        {nullptr, L"", true},
    };
    for (const Case& c : cases) {
        GuardedBuffer<5> buffer;
        EXPECT_EQ(CopyText(buffer.text, c.source), c.complete);
        EXPECT_STREQ(buffer.text, c.expected);
        EXPECT_TRUE(buffer.GuardIntact());
    }
}

TEST(TextBuffer, AppendCutsAtCapacity) {
    GuardedBuffer<6> buffer;
    CopyText(buffer.text, L"ab");
    EXPECT_TRUE(AppendText(buffer.text, L"cd"));
    EXPECT_FALSE(AppendText(buffer.text, L"efg"));
    EXPECT_STREQ(buffer.text, L"abcde");
    EXPECT_FALSE(AppendText(buffer.text, L"x"));
    EXPECT_STREQ(buffer.text, L"abcde");
    EXPECT_TRUE(buffer.GuardIntact());
}

TEST(TextBuffer, FormatCutsAndReportsIt) {
    GuardedBuffer<8> buffer;
    EXPECT_TRUE(FormatText(buffer.text, L"%ls,%d", L"ab", 9));
    EXPECT_STREQ(buffer.text, L"ab,9");
    EXPECT_FALSE(FormatText(buffer.text, L"%ls-%d", L"abcdefgh", 5));
    EXPECT_EQ(std::wstring(buffer.text).size(), 7u);
    EXPECT_TRUE(buffer.GuardIntact());
}

TEST(TextBuffer, BackslashOnlyBelowThePathLimit) {
    struct Case {
        size_t length;
        bool ending;
        size_t expectedLength;
    };
    const Case cases[] = {
        {3, false, 4},
        {3, true, 3},      // already there: no second one
        {258, false, 259}, // the last length that still gets one
        {259, false, 259},
        {0, false, 1},
    };
    for (const Case& c : cases) {
        wchar_t text[520];
        std::wstring content(c.length, L'a');
        if (c.ending) content.back() = L'\\';
        CopyText(text, content.c_str());
        AppendBackslashUnderPathLimit(text);
        EXPECT_EQ(TextLength(text), c.expectedLength) << "length " << c.length;
        EXPECT_TRUE(EndsWithBackslash(text) || c.expectedLength == c.length);
    }
}

}  // namespace
}  // namespace lumetra
