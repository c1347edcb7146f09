// The What's new page (index 1, template 108): the release notes of this version.
#include <vector>

#include "res/resource.h"
#include "wizard/whats_new_text.h"
#include "wizard/wiz_property_page.h"

namespace lumetra {

void CWizPropertyPage::ActivateWhatsNewPage() { LoadWhatsNewText(); }

void CWizPropertyPage::LoadWhatsNewText() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(IDR_RELEASE_NOTES), L"TXT");
    if (!resource) return;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return;  // the edit control keeps what it shows

    // Loaded anew on every activation, so going Back and Next shows the text once.
    std::vector<wchar_t> text(kWhatsNewCapacity);
    PrepareWhatsNewText(bytes, size, text.data());
    SetDlgItemTextW(m_hWnd, IDC_RELEASE_NOTES, text.data());
}

}  // namespace lumetra
