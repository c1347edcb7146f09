// The Welcome page (index 0, template 101): greeting, shortcuts and for whom, the target
// folder and the EULA link.
#include "app/build_constants.h"
#include "app/path_helpers.h"
#include "app/resource_strings.h"
#include "app/system_queries.h"
#include "app/text_buffer.h"
#include "framework/data_exchange.h"
#include "framework/property_sheet.h"
#include "res/resource.h"
#include "wizard/template_text.h"
#include "wizard/wiz_property_page.h"
#include "wizard/wiz_property_sheet.h"

namespace lumetra {
namespace {

bool IsChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void Check(HWND page, int id, bool checked) {
    SendDlgItemMessageW(page, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Replaces a control's template text by the text with its placeholders filled in.
void FillControlText(HWND page, int id, std::initializer_list<const wchar_t*> values) {
    wchar_t pattern[kPathCapacity];
    GetDlgItemTextW(page, id, pattern, static_cast<int>(kPathCapacity));
    wchar_t text[kFolderTextCapacity];
    FillTemplateText(pattern, values, text, kFolderTextCapacity);
    SetDlgItemTextW(page, id, text);
}

}  // namespace

void CWizPropertyPage::ActivateWelcomePage() {
    EnableWindow(SheetButton(kWizardBackButtonId), FALSE);
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SETUP));
    SendMessageW(m_pSheet->m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

    if (m_bFirstActivation) InitialiseWelcomePage();

    // Only a warning here: the Ready page refuses to install while the viewer runs.
    if (FindWindowW(kViewerWindowClass, nullptr)) {
        wchar_t warning[kPathCapacity];
        LoadResourceString(IDS_VIEWER_RUNNING, warning);
        MessageBoxW(m_pSheet->m_hWnd, warning, m_pSheet->m_szTitle, MB_OK | MB_ICONEXCLAMATION);
    }
    m_bFirstActivation = 0;
}

void CWizPropertyPage::InitialiseWelcomePage() {
    wchar_t buttonText[64];
    LoadResourceString(IDS_BACK_BUTTON, buttonText);
    SetWindowTextW(SheetButton(kWizardBackButtonId), buttonText);
    LoadResourceString(IDS_NEXT_BUTTON, buttonText);
    SetWindowTextW(SheetButton(kWizardNextButtonId), buttonText);

    SetHeadingFont(IDC_WELCOME_HEADING);
    wchar_t version[16];
    FormatText(version, L"%d.%d", ViewerVersion.major, ViewerVersion.minor);
    FillControlText(m_hWnd, IDC_WELCOME_HEADING, {kBitnessText});
    FillControlText(m_hWnd, IDC_WELCOME_TEXT, {version, kBitnessText});

    Check(m_hWnd, IDC_DESKTOP_SHORTCUT, true);
    Check(m_hWnd, IDC_THUMBNAILS_SHORTCUT, true);
    Check(m_hWnd, IDC_START_MENU_SHORTCUT, true);
    CheckRadioButton(m_hWnd, IDC_CURRENT_USER, IDC_ALL_USERS, IDC_CURRENT_USER);

    wchar_t folder[kFolderTextCapacity] = {};
    DefaultInstallFolder(folder);
    SetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, folder);
    wchar_t previousFolder[kFolderTextCapacity] = {};
    if (FindPreviousInstallFolder(previousFolder)) SetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, previousFolder);
}

void CWizPropertyPage::BindEulaLink(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_EULA_LINK, m_pSheet->m_linkEula);
    m_pSheet->m_linkEula.SetUnderlineMode(CHyperLink::UnderlineAlways);
    m_pSheet->m_linkEula.SetTarget(kEulaAddress);
}

bool CWizPropertyPage::CheckTargetFolder() {
    wchar_t folder[kPathCapacity] = {};
    GetDlgItemTextW(m_hWnd, IDC_TARGET_FOLDER, folder, static_cast<int>(kPathCapacity));
    SplitPathParts parts;
    SplitPath(folder, parts);
    if (folder[0] != L'\0' && parts.drive[0] != L'\0') return true;

    wchar_t message[kPathCapacity];
    LoadResourceString(IDS_INVALID_TARGET_FOLDER, message);
    MessageBoxW(m_pSheet->m_hWnd, message, m_pSheet->m_szTitle, MB_OK | MB_ICONERROR);
    return false;
}

void CWizPropertyPage::OnShortcutOption() {
    const bool anyShortcut = IsChecked(m_hWnd, IDC_DESKTOP_SHORTCUT) || IsChecked(m_hWnd, IDC_THUMBNAILS_SHORTCUT) ||
                             IsChecked(m_hWnd, IDC_START_MENU_SHORTCUT);
    EnableWindow(GetDlgItem(IDC_CURRENT_USER), anyShortcut);
    EnableWindow(GetDlgItem(IDC_ALL_USERS), anyShortcut);
}

void CWizPropertyPage::OnNoShortcuts() {
    Check(m_hWnd, IDC_DESKTOP_SHORTCUT, false);
    Check(m_hWnd, IDC_THUMBNAILS_SHORTCUT, false);
    Check(m_hWnd, IDC_START_MENU_SHORTCUT, false);
    EnableWindow(GetDlgItem(IDC_CURRENT_USER), FALSE);
    EnableWindow(GetDlgItem(IDC_ALL_USERS), FALSE);
}

}  // namespace lumetra
