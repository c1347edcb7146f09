// CPropertySheet: a modal property sheet (the common controls' PropertySheetW), here
// used in wizard mode.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/property_page.h"
#include "framework/window.h"

namespace lumetra {

// Buttons of a wizard-mode sheet.
inline constexpr int kWizardBackButtonId = 0x3023;    // 12323
inline constexpr int kWizardNextButtonId = 0x3024;    // 12324
inline constexpr int kWizardFinishButtonId = 0x3025;  // 12325

class CPropertySheet : public CWnd {
public:
    CPropertySheet(const wchar_t* caption, HWND parent = nullptr, UINT startPage = 0);
    const char* GetRuntimeClassName() const override { return "CPropertySheet"; }

    // Back/Next/Finish buttons instead of OK/Cancel/Apply and tabs.
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }

    // Adds a constructed page (CPropertyPage::Construct). The sheet does not own it.
    void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // The page at index, or null.
    CPropertyPage* GetPage(int index) const;

    // Shows the sheet and returns when it is closed, with PropertySheetW's result.
    INT_PTR DoModal();

    // The index of the active page. While a page is being created or activated this is
    // already that page; before the sheet exists, the start page.
    int GetActiveIndex() const;

protected:
    // The sheet's WM_INITDIALOG: the base creates and activates the start page.
    BOOL OnInitDialog() override;
    // Runs once the sheet has finished switching pages (posted from every activation);
    // the sheet replaces its window title on each switch, so this is where to set it.
    virtual void OnPageActivated() {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CPropertyPage;
    // Posted to the sheet by a page at the end of its activation.
    static constexpr UINT kPageActivatedMessage = WM_APP + 0x2A0;

    std::wstring m_strCaption;
    PROPSHEETHEADERW m_psh = {};
    std::vector<CPropertyPage*> m_pages;
};

}  // namespace lumetra
