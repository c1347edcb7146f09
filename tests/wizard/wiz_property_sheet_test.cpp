// The wizard sheet and its pages run in this process: steps on a timer act on the modal
// sheet as its user would, and look at what only the process itself can see (fonts,
// the bound controls, the active index).
#include "wizard/wiz_property_sheet.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/build_constants.h"
#include "res/resource.h"
#include "wizard/heading_font.h"
#include "wizard/window_dpi.h"
#include "wizard/wiz_property_page.h"
#include "wizard/wizard_pages.h"

namespace lumetra {
namespace {

class InProcessWizard {
public:
    using Step = std::function<void(InProcessWizard&)>;

    explicit InProcessWizard(UINT startPage) : sheet(startPage) {
        const LOGFONTW heading = HeadingLogFont(GetWindowDpi(nullptr));
        sheet.m_fontHeading.CreateFontIndirect(heading);
        pages = CreateWizardPages(sheet);
    }
    ~InProcessWizard() { DestroyWizardPages(pages); }

    // Shows the sheet and runs the steps one after the other, 150 ms apart, while it is
    // open. The last step must close it.
    void Run(std::vector<Step> script) {
        steps_ = std::move(script);
        current_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 150, RunNextStep);
        sheet.DoModal();
        KillTimer(nullptr, timer);
        current_ = nullptr;
        EXPECT_EQ(next_, steps_.size()) << "the sheet closed before every step ran";
    }

    HWND Item(int page, int id) const { return GetDlgItem(pages[page]->m_hWnd, id); }
    void Post(UINT message, WPARAM wParam, LPARAM lParam) const { PostMessageW(sheet.m_hWnd, message, wParam, lParam); }

    CWizPropertySheet sheet;
    WizardPages pages;

private:
    static void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
        InProcessWizard* wizard = current_;
        if (!wizard || wizard->next_ >= wizard->steps_.size()) return;
        wizard->steps_[wizard->next_++](*wizard);
    }

    static inline InProcessWizard* current_ = nullptr;
    std::vector<Step> steps_;
    size_t next_ = 0;
};

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

LOGFONTW LogFontOf(HFONT font) {
    LOGFONTW logFont = {};
    GetObjectW(font, sizeof(logFont), &logFont);
    return logFont;
}

int ExpectedScreenDpi() {
    const char* dpi = std::getenv("LUMETRA_EXPECTED_DPI");
    return dpi ? std::atoi(dpi) : 96;
}

// A second run of this program checks the wizard at 144 DPI: a process reads the screen's
// DPI once.
TEST(WizardAtScreenDpi, At144DpiTheLabelAndHeadingsAre27PixelsHigh) {
    if (std::getenv("LUMETRA_EXPECTED_DPI")) GTEST_SKIP() << "this is the run at 144 DPI";
    HKEY desktop = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &desktop, nullptr),
              ERROR_SUCCESS);
    const DWORD logPixels = 144;
    RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&logPixels), sizeof(logPixels));

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) +
                               L"\" --gtest_filter=WizardAtScreenDpi.ReadyPageLabelIsRedBoldArialScaledToTheScreen";
    SetEnvironmentVariableW(L"LUMETRA_EXPECTED_DPI", L"144");
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(L"LUMETRA_EXPECTED_DPI", nullptr);
    DWORD exitCode = 1;
    if (started) {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    RegDeleteValueW(desktop, L"LogPixels");
    RegCloseKey(desktop);
    ASSERT_TRUE(started);
    EXPECT_EQ(exitCode, 0u) << "the run at 144 DPI failed (its output is above)";
}

// The Ready page's waiting text, its heading and the sheet's title, then Next to the
// last page and out through the close box.
TEST(WizardAtScreenDpi, ReadyPageLabelIsRedBoldArialScaledToTheScreen) {
    const int dpi = GetWindowDpi(nullptr);
    EXPECT_EQ(dpi, ExpectedScreenDpi());
    const LONG height = MulDiv(18, dpi, 96);

    InProcessWizard wizard(kReadyPage);
    wizard.Run({
        [&](InProcessWizard& w) {
            EXPECT_EQ(w.sheet.GetActiveIndex(), kReadyPage);
            EXPECT_EQ(TextOf(w.sheet.m_hWnd), kSetupCaption);
            EXPECT_EQ(TextOf(w.sheet.GetDlgItem(IDCANCEL)), L"&Beenden");
            CXColorStatic& label = w.sheet.m_staticInstalling;
            ASSERT_EQ(label.m_hWnd, w.Item(kReadyPage, IDC_INSTALLING)) << "bound by the page's data exchange";
            EXPECT_FALSE(IsWindowVisible(label.m_hWnd));
            LOGFONTW font = {};
            ASSERT_TRUE(label.GetDrawFont().GetLogFont(&font));
            EXPECT_EQ(font.lfHeight, height);
            EXPECT_EQ(font.lfWeight, 700);
            EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial");
            EXPECT_EQ(label.GetTextColor(), RGB(255, 0, 0));
            const HFONT heading = reinterpret_cast<HFONT>(SendMessageW(w.Item(kReadyPage, IDC_READY_HEADING), WM_GETFONT, 0, 0));
            EXPECT_EQ(heading, w.sheet.m_fontHeading.GetSafeHandle());
            EXPECT_EQ(LogFontOf(heading).lfHeight, height);
            w.Post(PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        },
        [](InProcessWizard& w) {
            EXPECT_EQ(w.sheet.GetActiveIndex(), kFinishPage);
            EXPECT_EQ(TextOf(w.sheet.m_hWnd), kSetupCaption) << "set again after the page change";
            EXPECT_EQ(TextOf(w.sheet.GetDlgItem(IDCANCEL)), L"&Fertig stellen");
            EXPECT_EQ(IsDlgButtonChecked(w.pages[kFinishPage]->m_hWnd, IDC_START_VIEWER), BST_CHECKED);
            // Nothing to start or open in this test.
            CheckDlgButton(w.pages[kFinishPage]->m_hWnd, IDC_START_VIEWER, BST_UNCHECKED);
            CheckDlgButton(w.pages[kFinishPage]->m_hWnd, IDC_SHOW_FAQ, BST_UNCHECKED);
            w.Post(WM_SYSCOMMAND, SC_CLOSE, 0);
        },
    });
    EXPECT_EQ(wizard.sheet.m_staticInstalling.m_hWnd, nullptr) << "released with its window";
    EXPECT_FALSE(wizard.sheet.IsInstallationDone());
}

TEST(WizardSheet, LeavingThroughCancelOnTheLastPageAsksNothing) {
    InProcessWizard wizard(kFinishPage);
    wizard.Run({
        [](InProcessWizard& w) {
            EXPECT_FALSE(IsWindowEnabled(w.sheet.GetDlgItem(kWizardBackButtonId)));
            EXPECT_FALSE(IsWindowEnabled(w.sheet.GetDlgItem(kWizardNextButtonId)));
            CheckDlgButton(w.pages[kFinishPage]->m_hWnd, IDC_START_VIEWER, BST_UNCHECKED);
            CheckDlgButton(w.pages[kFinishPage]->m_hWnd, IDC_SHOW_FAQ, BST_UNCHECKED);
            w.Post(WM_COMMAND, IDCANCEL, 0);
        },
    });
}

TEST(FindNextPage, GivesTheNeighbouringIncludedPageOrMinusOne) {
    const struct {
        UINT active;
        int excluded;  // page index with m_bIncluded 0, or -1
        int forward;
        int backward;
    } cases[] = {
        {kWelcomePage, -1, IDD_WHATS_NEW, -1},
        {kWhatsNewPage, -1, IDD_ASSOCIATIONS, IDD_WELCOME},
        {kFinishPage, -1, -1, IDD_READY},
        {kWhatsNewPage, kAssociationsPage, IDD_READY, IDD_WELCOME},
        {kAssociationsPage, kWhatsNewPage, IDD_READY, IDD_WELCOME},
        {kWhatsNewPage, kWelcomePage, IDD_ASSOCIATIONS, -1},
    };
    for (const auto& c : cases) {
        CWizPropertySheet sheet(c.active);  // without a window the active page is the start page
        WizardPages pages = CreateWizardPages(sheet);
        if (c.excluded >= 0) pages[c.excluded]->m_bIncluded = 0;
        EXPECT_EQ(pages[c.active]->FindNextPage(TRUE), c.forward) << "from page " << c.active;
        EXPECT_EQ(pages[c.active]->FindNextPage(FALSE), c.backward) << "from page " << c.active;
        DestroyWizardPages(pages);
    }
}

}  // namespace
}  // namespace lumetra
