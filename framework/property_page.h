// CPropertyPage: one page of a CPropertySheet, built from a dialog template.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/data_exchange.h"
#include "framework/window.h"

namespace lumetra {

class CPropertyPage : public CWnd {
public:
    CPropertyPage() = default;
    const char* GetRuntimeClassName() const override { return "CPropertyPage"; }

    // Gives the page its dialog template (a resource id of the program's module) and,
    // unless captionId is 0, a caption from the string table. Must precede AddPage.
    void Construct(UINT templateId, UINT captionId = 0);

    UINT GetTemplateId() const { return m_nTemplateId; }
    // The description the property sheet creates the page from.
    const PROPSHEETPAGEW& GetPageDescription() const { return m_psp; }

    // Runs DoDataExchange with the given direction; TRUE when the page's window exists.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Page events, called while the sheet runs:
    // The page becomes active. Exchanges data on every activation but the first (the
    // first follows the dialog's own exchange at creation). FALSE keeps it inactive.
    virtual BOOL OnSetActive();
    // The page is about to be left: exchanges data. FALSE keeps the page.
    virtual BOOL OnKillActive();
    // Back/Next in a wizard: 0 moves to the adjacent page, -1 stays, a template id
    // moves to the page built from that template.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // The sheet is about to be cancelled: FALSE keeps it open.
    virtual BOOL OnQueryCancel();

protected:
    // Binds controls to objects (DDX_Control); called at dialog initialisation, on every
    // activation but the first and when the page is left.
    virtual void DoDataExchange(CDataExchange* pDX);

    BOOL OnInitDialog() override;
    // Property-sheet notifications (PSN_*). Returns TRUE when the notification was
    // answered with *result.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    static INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    PROPSHEETPAGEW m_psp = {};
    UINT m_nTemplateId = 0;
    bool m_bFirstSetActive = true;
};

}  // namespace lumetra
