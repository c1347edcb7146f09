#include "controls/hyper_link.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "res/resource.h"
#include "tests/support/dialog_host.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::DialogHost;
using test::ReadFileBytes;
using test::RectInParent;
using test::RegistrySandbox;
using test::TempFolder;
using test::WriteRegistryString;

constexpr COLORREF kBlue = RGB(0, 0, 238);
constexpr COLORREF kPurple = RGB(85, 26, 139);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The colour in which the parent has the static draw its text: the parent's colour
// request, as the static makes it while painting.
COLORREF DrawnTextColor(HWND control) {
    ScopedWindowDC dc(control);
    SetTextColor(dc.get(), RGB(1, 2, 3));
    SendMessageW(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(control));
    return GetTextColor(dc.get());
}

LOGFONTW WindowFont(HWND control) {
    LOGFONTW logFont = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(logFont), &logFont);
    return logFont;
}

bool DrawnUnderlined(HWND control) { return WindowFont(control).lfUnderline != 0; }

// Counts the beeps that tell the user a click did not open the target.
class BeepCountingLink : public CHyperLink {
public:
    int beeps = 0;

protected:
    void Beep() override { ++beeps; }
};

class HyperLinkTest : public ::testing::Test {
protected:
    DialogHost page{IDD_WELCOME, true};
    BeepCountingLink link;

    HWND control() const { return page.item(IDC_EULA_LINK); }
    void Bind() { ASSERT_TRUE(link.SubclassWindow(control())); }
    void MovePointerOver() { SendMessageW(control(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }
    // The pointer leaves; the hover timer notices within about 100 ms.
    void MovePointerAway() {
        SetCursorPos(0, 0);
        DialogHost::PumpMessages(400);
    }
    void Click() {
        SendMessageW(control(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(control(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
};

TEST_F(HyperLinkTest, BoundLinkIsBlueWithoutUnderlineAndTargetsItsText) {
    Bind();
    EXPECT_EQ(DrawnTextColor(control()), kBlue);
    EXPECT_FALSE(DrawnUnderlined(control()));
    EXPECT_EQ(link.GetTarget(), L"Lumetra EULA");
    EXPECT_TRUE(GetWindowLongW(control(), GWL_STYLE) & SS_NOTIFY) << "clicks must reach the parent";
}

TEST_F(HyperLinkTest, UnderlineOnHoverShowsRedUnderlinedTextOnlyWhileThePointerIsOver) {
    Bind();
    MovePointerOver();
    EXPECT_EQ(DrawnTextColor(control()), kRed);
    EXPECT_TRUE(DrawnUnderlined(control()));
    MovePointerAway();
    EXPECT_EQ(DrawnTextColor(control()), kBlue);
    EXPECT_FALSE(DrawnUnderlined(control()));
}

TEST_F(HyperLinkTest, UnderlineAlwaysKeepsTheUnderlineWhenThePointerLeaves) {
    Bind();
    link.SetUnderlineMode(CHyperLink::UnderlineAlways);
    EXPECT_TRUE(DrawnUnderlined(control()));
    MovePointerOver();
    EXPECT_EQ(DrawnTextColor(control()), kRed);
    MovePointerAway();
    EXPECT_EQ(DrawnTextColor(control()), kBlue);
    EXPECT_TRUE(DrawnUnderlined(control()));
}

TEST_F(HyperLinkTest, SettingTheCurrentModeAgainDoesNotRepaint) {
    Bind();
    ValidateRect(control(), nullptr);
    link.SetUnderlineMode(CHyperLink::UnderlineOnHover);
    EXPECT_FALSE(GetUpdateRect(control(), nullptr, FALSE));
    link.SetUnderlineMode(CHyperLink::UnderlineAlways);
    EXPECT_TRUE(GetUpdateRect(control(), nullptr, FALSE));
}

TEST_F(HyperLinkTest, ModeSetBeforeBindingIsResetToUnderlineOnHover) {
    link.SetUnderlineMode(CHyperLink::UnderlineAlways);
    Bind();
    EXPECT_EQ(link.GetUnderlineMode(), CHyperLink::UnderlineOnHover);
    EXPECT_FALSE(DrawnUnderlined(control()));
}

TEST_F(HyperLinkTest, EmptyTextShowsTheTargetGivenBeforeBinding) {
    SetWindowTextW(control(), L"");
    link.SetTarget(L"https://www.lumetra.example/");
    Bind();
    EXPECT_EQ(link.GetText(), L"https://www.lumetra.example/");
    EXPECT_EQ(link.GetTarget(), L"https://www.lumetra.example/");
}

bool SetsCursor(HWND control) {
    return SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) != 0;
}

// The pointing hand comes from the help viewer in the Windows folder. This program
// carries a cursor 106 of its own and stands in for the help viewer.
TEST_F(HyperLinkTest, PointerBecomesTheHelpViewersHandWhenItHasOne) {
    wchar_t helpViewer[MAX_PATH] = {};
    GetWindowsDirectoryW(helpViewer, MAX_PATH);
    wcscat(helpViewer, L"\\winhlp32.exe");
    // The prefix's files are shared with its template: never write into one of them.
    DeleteFileW(helpViewer);

    Bind();
    EXPECT_FALSE(SetsCursor(control())) << "without the help viewer's cursor the pointer keeps its shape";

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ASSERT_TRUE(CopyFileW(self, helpViewer, TRUE));
    BeepCountingLink second;
    ASSERT_TRUE(second.SubclassWindow(page.item(IDC_WELCOME_HEADING)));
    SetCursor(nullptr);
    EXPECT_TRUE(SetsCursor(page.item(IDC_WELCOME_HEADING)));
    EXPECT_NE(GetCursor(), nullptr);
    DeleteFileW(helpViewer);
}

// Fitting the control to its text, for each alignment of the static.
struct FitCase {
    const char* name;
    DWORD addedStyle;
};

class HyperLinkFitTest : public HyperLinkTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(HyperLinkFitTest, ControlIsFittedToItsUnderlinedTextKeepingItsAnchor) {
    const DWORD added = GetParam().addedStyle;
    SetWindowLongW(control(), GWL_STYLE, static_cast<LONG>(GetWindowLongW(control(), GWL_STYLE) | added));
    SetWindowPos(control(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    const RECT before = RectInParent(control());

    LOGFONTW underlined = WindowFont(control());
    underlined.lfUnderline = TRUE;
    HFONT font = CreateFontIndirectW(&underlined);
    SIZE text = {};
    {
        ScopedWindowDC dc(control());
        HGDIOBJ previous = SelectObject(dc.get(), font);
        GetTextExtentPoint32W(dc.get(), L"Lumetra EULA", 12, &text);
        SelectObject(dc.get(), previous);
    }
    DeleteObject(font);
    const LONG border = (added & WS_BORDER) ? 2 : 0;
    const LONG width = text.cx + border;
    const LONG height = text.cy + border;

    Bind();
    const RECT after = RectInParent(control());
    const LONG afterWidth = after.right - after.left;
    const LONG afterHeight = after.bottom - after.top;
    if (added & SS_CENTER) {
        EXPECT_NEAR(afterWidth, width, 1);
        EXPECT_NEAR(after.left + after.right, before.left + before.right, 1) << "centre kept";
    } else if (added & SS_RIGHT) {
        EXPECT_EQ(afterWidth, width);
        EXPECT_EQ(after.right, before.right);
    } else {
        EXPECT_EQ(afterWidth, width);
        EXPECT_EQ(after.left, before.left);
    }
    if (added & SS_CENTERIMAGE) {
        EXPECT_NEAR(afterHeight, height, 1);
        EXPECT_NEAR(after.top + after.bottom, before.top + before.bottom, 1) << "middle kept";
    } else {
        EXPECT_EQ(afterHeight, height);
        EXPECT_EQ(after.top, before.top);
    }
}

INSTANTIATE_TEST_SUITE_P(Alignments, HyperLinkFitTest,
                         ::testing::Values(FitCase{"Left", 0}, FitCase{"Centred", SS_CENTER},
                                           FitCase{"Right", SS_RIGHT},
                                           FitCase{"VerticallyCentred", SS_CENTERIMAGE | SS_RIGHT},
                                           FitCase{"Bordered", WS_BORDER}),
                         [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

// Opening the target. The shell cannot open a plain word, so the ".htm" class's open
// command runs; in a registry of the test's own that command is cmd.exe writing its
// argument into a file.
class HyperLinkOpenTest : public HyperLinkTest {
protected:
    RegistrySandbox registry;
    TempFolder folder;
    const std::wstring opened = folder / L"opened.txt";
    static constexpr wchar_t kTarget[] = L"lumetra-test-target";

    void RegisterHtmlCommand(const std::wstring& command) {
        WriteRegistryString(HKEY_CLASSES_ROOT, L".htm", nullptr, L"LumetraTest.htm");
        WriteRegistryString(HKEY_CLASSES_ROOT, L"LumetraTest.htm\\shell\\open\\command", nullptr, command);
    }
    std::wstring EchoInto() const { return L"C:\\windows\\system32\\cmd.exe /c echo>\"" + opened + L"\""; }

    // What the command received, once it has run.
    std::string WaitForOpened() {
        for (int i = 0; i < 100 && ReadFileBytes(opened).empty(); ++i) Sleep(100);
        std::string text = ReadFileBytes(opened);
        const size_t first = text.find_first_not_of(" ");
        const size_t last = text.find_last_not_of(" \r\n");
        return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    }
};

TEST_F(HyperLinkOpenTest, OpeningClickShowsTheFollowedColourAndAFailingOneBeeps) {
    RegisterHtmlCommand(EchoInto() + L" \"%1\"");
    Bind();
    link.SetTarget(kTarget);
    MovePointerOver();
    Click();
    EXPECT_EQ(WaitForOpened(), "lumetra-test-target");
    EXPECT_EQ(DrawnTextColor(control()), kPurple) << "followed, although the pointer is still over it";
    EXPECT_EQ(link.beeps, 0);
    MovePointerOver();
    EXPECT_EQ(DrawnTextColor(control()), kRed);

    WriteRegistryString(HKEY_CLASSES_ROOT, L".htm", nullptr, L"LumetraTest.missing");
    Click();
    EXPECT_EQ(link.beeps, 1);
    EXPECT_EQ(DrawnTextColor(control()), kBlue);
}

struct CommandCase {
    const char* name;
    const wchar_t* commandTail;  // after the echo into the file
};

class HyperLinkCommandTest : public HyperLinkOpenTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(HyperLinkCommandTest, AddressTakesThePlaceOfThePlaceholderOrFollowsTheCommand) {
    RegisterHtmlCommand(EchoInto() + GetParam().commandTail);
    EXPECT_GT(CHyperLink::OpenTarget(kTarget), 32);
    EXPECT_EQ(WaitForOpened(), "lumetra-test-target");
}

INSTANTIATE_TEST_SUITE_P(Placeholders, HyperLinkCommandTest,
                         ::testing::Values(CommandCase{"QuotedPlaceholder", L" \"%1\" --new-window"},
                                           CommandCase{"BarePlaceholder", L" %1 --new-window"},
                                           CommandCase{"NoPlaceholder", L""}),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST_F(HyperLinkOpenTest, CommandsThatDoNotFitTheirBuffersAreNotRun) {
    // An address that would not fit the 520-character command line after the command.
    RegisterHtmlCommand(EchoInto() + L" \"%1\"");
    const std::wstring longAddress = std::wstring(kTarget) + std::wstring(500, L'x');
    EXPECT_LE(CHyperLink::OpenTarget(longAddress.c_str()), 32);

    // A class name or command of 260 characters or more.
    WriteRegistryString(HKEY_CLASSES_ROOT, L".htm", nullptr, std::wstring(300, L'c'));
    EXPECT_LE(CHyperLink::OpenTarget(kTarget), 32);
    RegisterHtmlCommand(EchoInto() + std::wstring(260, L' ') + L"\"%1\"");
    EXPECT_LE(CHyperLink::OpenTarget(kTarget), 32);

    EXPECT_EQ(ReadFileBytes(opened), "") << "nothing ran";
}

TEST_F(HyperLinkOpenTest, WithoutHtmlClassTheShellsFailureIsReturned) {
    EXPECT_LE(CHyperLink::OpenTarget(kTarget), 32);
}

}  // namespace
}  // namespace lumetra
