// ExtractPayload with a payload resource that is no archive: the temporary copy is made
// in the temporary folder and deleted again.
#include "payload/extract_payload.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::FolderContent;
using test::TempFolder;
using Names = std::vector<std::wstring>;

// The system asks TMP first for the temporary folder.
class ScopedTmp : public test::ScopedEnvironmentVariable {
public:
    explicit ScopedTmp(const std::wstring& folder) : ScopedEnvironmentVariable(L"TMP", folder) {}
};

TEST(ExtractPayload, UnreadablePayloadGivesMinusOneAndLeavesNoCopy) {
    TempFolder scratch;
    const std::wstring temp = scratch / L"temp";
    const std::wstring target = scratch / L"target";
    CreateDirectoryW(temp.c_str(), nullptr);
    CreateDirectoryW(target.c_str(), nullptr);
    for (const std::wstring& tmp : {temp, temp + L"\\"}) {  // with and without a backslash
        SCOPED_TRACE(testing::Message() << tmp);
        ScopedTmp redirect(tmp);
        wchar_t reported[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, reported);
        ASSERT_EQ(std::wstring(reported), temp + L"\\") << "the temporary folder was not redirected";

        const std::wstring before = test::CurrentFolder();
        EXPECT_EQ(ExtractPayload(target.c_str(), 0), -1);
        EXPECT_EQ(test::CurrentFolder(), before);
        EXPECT_EQ(FolderContent(temp), Names{});
        EXPECT_EQ(FolderContent(scratch.path()), (Names{L"target\\", L"temp\\"}));
    }
}

TEST(ExtractPayload, ExistingCopyIsReplacedAndRemoved) {
    TempFolder scratch;
    ScopedTmp redirect(scratch.path());
    test::WriteFileBytes(scratch / L"lumeng_x64.zip", "von einem fr\xFCheren Lauf");
    EXPECT_EQ(ExtractPayload(scratch.path().c_str(), 0), -1);
    EXPECT_EQ(FolderContent(scratch.path()), Names{});
}

TEST(ExtractPayload, UnwritableTemporaryFolderGivesMinusOne) {
    TempFolder scratch;
    ScopedTmp redirect(scratch / L"fehlt");
    EXPECT_EQ(ExtractPayload(scratch.path().c_str(), 0), -1);
    EXPECT_EQ(FolderContent(scratch.path()), Names{});
}

}  // namespace
}  // namespace lumetra
