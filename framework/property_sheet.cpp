#include "framework/property_sheet.h"

#include <cwchar>
#include <utility>

namespace lumetra {
namespace {

// PropertySheetW creates the sheet's window and sends it WM_INITDIALOG before it
// returns to us. To see that message (and run OnInitDialog around the base's own
// initialisation), the window is subclassed the moment it is created, from a
// computer-based-training hook on this thread.
thread_local CPropertySheet* t_sheetBeingCreated = nullptr;

bool IsDialogWindow(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return std::wcscmp(className, L"#32770") == 0;
}

LRESULT CALLBACK CatchSheetCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_sheetBeingCreated) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const auto* creation = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (!(creation->lpcs->style & WS_CHILD) && IsDialogWindow(window)) {
            CPropertySheet* sheet = std::exchange(t_sheetBeingCreated, nullptr);
            try {
                sheet->SubclassWindow(window);
            } catch (...) {
                // The sheet then runs without our handlers; nothing may unwind into user32.
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class SheetCreationHook {
public:
    explicit SheetCreationHook(CPropertySheet& sheet)
        : hook_(SetWindowsHookExW(WH_CBT, CatchSheetCreation, nullptr, GetCurrentThreadId())) {
        t_sheetBeingCreated = &sheet;
    }
    ~SheetCreationHook() {
        t_sheetBeingCreated = nullptr;
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    SheetCreationHook(const SheetCreationHook&) = delete;
    SheetCreationHook& operator=(const SheetCreationHook&) = delete;

    explicit operator bool() const { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

}  // namespace

CPropertySheet::CPropertySheet(const wchar_t* caption, HWND parent, UINT startPage)
    : m_strCaption(caption ? caption : L"") {
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.hwndParent = parent;
    m_psh.nStartPage = startPage;
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

INT_PTR CPropertySheet::DoModal() {
    if (m_pages.empty()) return -1;
    std::vector<PROPSHEETPAGEW> descriptions;
    descriptions.reserve(m_pages.size());
    for (const CPropertyPage* page : m_pages) descriptions.push_back(page->GetPageDescription());

    PROPSHEETHEADERW header = m_psh;
    header.hInstance = GetModuleHandleW(nullptr);
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.ppsp = descriptions.data();

    SheetCreationHook hook(*this);
    if (!hook) return -1;
    return PropertySheetW(&header);
}

int CPropertySheet::GetActiveIndex() const {
    if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
    // The sheet selects the tab of a page before it creates and activates it, so the
    // (hidden) tab control knows the page earlier than PSM_GETCURRENTPAGEHWND does.
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

BOOL CPropertySheet::OnInitDialog() { return CWnd::OnInitDialog(); }

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPageActivatedMessage) {
        OnPageActivated();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace lumetra
