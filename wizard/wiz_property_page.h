// CWizPropertyPage: the one class of all five wizard pages. A page does not know which
// page it is: every event asks the sheet for the active page index and does what that
// page needs. Each page's own logic lives in its own file (welcome_page.cpp,
// whats_new_page.cpp, associations_page.cpp, ready_page.cpp, finish_page.cpp).
#pragma once

#include <windows.h>

#include "framework/click_map.h"
#include "framework/property_page.h"

namespace lumetra {

class CWizPropertySheet;

class CWizPropertyPage : public CPropertyPage {
public:
    CWizPropertyPage();
    ~CWizPropertyPage() override;
    const char* GetRuntimeClassName() const override { return "CWizPropertyPage"; }

    BOOL OnSetActive() override;
    // Both return -1 to stay or the template id of the page to go to.
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    // The template id of the nearest included page after (bForward) or before the
    // active one; -1 when there is none.
    virtual int FindNextPage(BOOL bForward);

    // Set at the end of the Welcome page's first activation.
    int m_bFirstActivation;
    // The file-type list's own colours, saved before it is greyed out.
    COLORREF m_crListBk;
    COLORREF m_crListText;  // -1 (CLR_NONE) until saved
    // Takes part in Back/Next stepping.
    int m_bIncluded;
    // The sheet the page was added to.
    CWizPropertySheet* m_pSheet;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // Button clicks of all pages.
    static const ClickMapEntry<CWizPropertyPage> kClickMap[];

    int ActiveIndex() const;
    HWND SheetButton(int id) const;
    // Another page's window, through the sheet's page array.
    HWND PageWindow(int index) const;
    // Gives a heading control the sheet's heading font.
    void SetHeadingFont(int controlId);

    // Welcome page (welcome_page.cpp)
    void ActivateWelcomePage();
    void InitialiseWelcomePage();
    void BindEulaLink(CDataExchange* pDX);
    bool CheckTargetFolder();
    void OnNoShortcuts();
    void OnShortcutOption();

    // What's new page (whats_new_page.cpp)
    void ActivateWhatsNewPage();
    void LoadWhatsNewText();

    // Associations page (associations_page.cpp)
    void ActivateAssociationsPage();

    // Ready page (ready_page.cpp)
    void ActivateReadyPage();
    void BindInstallingLabel(CDataExchange* pDX);
    // Next on the Ready page: 0 goes on, -1 stays, a template id goes there.
    LRESULT InstallFromReadyPage();

    // Finish page (finish_page.cpp)
    void ActivateFinishPage();
};

}  // namespace lumetra
