// Operates a running setup wizard in the same Wine prefix from outside, as a person
// would: one action per run, results on standard output (UTF-8), for the scenarios.
//
//   wizard_driver wait-sheet [seconds]     wait until the wizard shows a page
//   wizard_driver page                     template id of the active page (0: none)
//   wizard_driver wait-page <id> [seconds] wait until that page is active
//   wizard_driver title                    the wizard's window title
//   wizard_driver rect [messagebox]        the wizard's window (or its message box):
//                                          left top width height
//   wizard_driver press back|next|cancel   press a wizard button
//   wizard_driver text <id>                text of a control (active page, else sheet)
//   wizard_driver set-text <id> <text>     replace a control's text
//   wizard_driver checked <id>             check state of a button: 0, 1 or 2
//   wizard_driver click <id>               click a button
//   wizard_driver enabled <id>             1 or 0
//   wizard_driver visible <id>             1 or 0
//   wizard_driver list-rows <id>           one line per row: state image, tab, texts
//   wizard_driver set-row-check <id> <row> <0|1>
//   wizard_driver messagebox [seconds]     wait for a message box of the setup; prints
//                                          caption=, buttons=, default=, then text=
//   wizard_driver answer yes|no|ok         press a message box button
//   wizard_driver close-box                the title bar's close button (SC_CLOSE)
//   wizard_driver escape                   the Escape key
//   wizard_driver window-exists <class>    1 when a top-level window of the class exists
//
// Exit codes: 0 done, 1 bad usage, 3 not found or timed out, 4 the control is disabled or
// hidden (a person could not use it).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitNotFound = 3;
constexpr int kExitUnusable = 4;

constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr wchar_t kMessageBoxCaption[] = L"Lumetra 64-bit Setup";

// A control that only one page template has tells which page is active.
struct PageMarker {
    int controlId;
    int templateId;
};
const PageMarker kPageMarkers[] = {
    {1013, 101},  // Welcome heading
    {1579, 104},  // Associations list
    {1014, 109},  // Ready heading
    {1015, 110},  // Finish heading
    {1000, 108},  // What's new: the only other page with an edit 1000 and no marker above
};

void Print(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                            nullptr);
    }
    utf8 += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::vector<wchar_t> text(length + 2, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    return std::wstring(text.data(), copied);
}

bool IsWizardSheet(HWND window) {
    return ClassOf(window) == L"#32770" && GetDlgItem(window, kNextButton) && GetDlgItem(window, kBackButton);
}

HWND FindSheet() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            if (!IsWizardSheet(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// Lets the setup handle what it was sent or posted before we look.
void WaitUntilIdle(HWND sheet) {
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ProcessOf(sheet));
    if (!process) return;
    WaitForInputIdle(process, 2000);
    CloseHandle(process);
}

HWND CurrentPage(HWND sheet) {
    DWORD_PTR page = 0;
    SendMessageTimeoutW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page);
    return reinterpret_cast<HWND>(page);
}

int TemplateOf(HWND page) {
    if (!page) return 0;
    for (const PageMarker& marker : kPageMarkers) {
        if (GetDlgItem(page, marker.controlId)) return marker.templateId;
    }
    return -1;
}

// A control of the active page, else of the sheet itself (its buttons).
HWND FindControl(HWND sheet, int id) {
    if (HWND page = CurrentPage(sheet)) {
        if (HWND control = GetDlgItem(page, id)) return control;
    }
    return GetDlgItem(sheet, id);
}

bool Usable(HWND control) { return IsWindowEnabled(control) && IsWindowVisible(control); }

struct MessageBoxSearch {
    DWORD process;
    HWND sheet;
    HWND found;
};

HWND FindMessageBox(HWND sheet) {
    MessageBoxSearch search = {ProcessOf(sheet), sheet, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<MessageBoxSearch*>(data);
            if (window == s->sheet || ProcessOf(window) != s->process || !IsWindowVisible(window)) return TRUE;
            if (ClassOf(window) != L"#32770" || IsWizardSheet(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename Predicate>
bool WaitFor(double seconds, Predicate done) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

double SecondsArg(int argc, wchar_t** argv, int index, double fallback) {
    return argc > index ? std::wcstod(argv[index], nullptr) : fallback;
}

int ButtonIdOf(const std::wstring& name) {
    if (name == L"back") return kBackButton;
    if (name == L"next") return kNextButton;
    if (name == L"cancel") return IDCANCEL;
    if (name == L"yes") return IDYES;
    if (name == L"no") return IDNO;
    if (name == L"ok") return IDOK;
    return 0;
}

// Clicking posts the click: a handler that shows a message box would block a sent one.
int Click(HWND control) {
    if (!control) return kExitNotFound;
    if (!Usable(control)) return kExitUnusable;
    PostMessageW(control, BM_CLICK, 0, 0);
    return kExitOk;
}

int PrintMessageBox(HWND box) {
    Print(L"caption=" + TextOf(box));
    std::wstring buttons;
    for (const int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (!GetDlgItem(box, id)) continue;
        if (!buttons.empty()) buttons += L",";
        buttons += id == IDOK ? L"ok" : id == IDCANCEL ? L"cancel" : id == IDYES ? L"yes" : L"no";
    }
    Print(L"buttons=" + buttons);
    // The default button is the one drawn as such (Enter presses it).
    int id = 0;
    for (const int candidate : {IDOK, IDCANCEL, IDYES, IDNO}) {
        HWND button = GetDlgItem(box, candidate);
        if (button && (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) id = candidate;
    }
    Print(std::wstring(L"default=") + (id == IDYES ? L"yes" : id == IDNO ? L"no" : id == IDOK ? L"ok" : L"none"));
    Print(L"text=" + TextOf(GetDlgItem(box, 0xFFFF)));
    return kExitOk;
}

// List-view items live in the setup's memory: the item structure and its text buffer
// are placed there for each request.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    BYTE* get() const { return static_cast<BYTE*>(address_); }

private:
    HANDLE process_;
    void* address_;
};

constexpr size_t kRemoteTextChars = 512;

std::wstring ItemText(HANDLE process, HWND list, int row, int column) {
    RemoteBuffer remote(process, sizeof(LVITEMW) + kRemoteTextChars * sizeof(wchar_t));
    if (!remote.get()) return {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = static_cast<int>(kRemoteTextChars);
    item.pszText = reinterpret_cast<wchar_t*>(remote.get() + sizeof(LVITEMW));
    WriteProcessMemory(process, remote.get(), &item, sizeof(item), nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote.get()));
    std::vector<wchar_t> text(kRemoteTextChars + 1, L'\0');
    ReadProcessMemory(process, item.pszText, text.data(), kRemoteTextChars * sizeof(wchar_t), nullptr);
    return text.data();
}

int ListRows(HWND sheet, HWND list) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(sheet));
    if (!process) return kExitNotFound;
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        const LRESULT state = SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >> 12;
        Print(std::to_wstring(state) + L"\t" + ItemText(process, list, row, 0) + L"\t" + ItemText(process, list, row, 1));
    }
    CloseHandle(process);
    return kExitOk;
}

int SetRowCheck(HWND sheet, HWND list, int row, bool checked) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(sheet));
    if (!process) return kExitNotFound;
    int result = kExitNotFound;
    {
        RemoteBuffer remote(process, sizeof(LVITEMW));
        if (remote.get()) {
            LVITEMW item = {};
            item.stateMask = LVIS_STATEIMAGEMASK;
            item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
            WriteProcessMemory(process, remote.get(), &item, sizeof(item), nullptr);
            if (SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.get()))) result = kExitOk;
        }
    }
    CloseHandle(process);
    return result;
}

int PressEscape(HWND sheet) {
    // The key goes to the window with the keyboard focus, as typing would send it; the
    // sheet's dialog loop turns it into IDCANCEL.
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    HWND target = sheet;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(sheet, nullptr), &info) && info.hwndFocus) target = info.hwndFocus;
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    return kExitOk;
}

int Run(int argc, wchar_t** argv) {
    if (argc < 2) return kExitUsage;
    const std::wstring action = argv[1];

    if (action == L"window-exists") {
        if (argc < 3) return kExitUsage;
        Print(FindWindowW(argv[2], nullptr) ? L"1" : L"0");
        return kExitOk;
    }

    HWND sheet = nullptr;
    if (action == L"wait-sheet") {
        const bool shown = WaitFor(SecondsArg(argc, argv, 2, 30), [&] {
            sheet = FindSheet();
            return sheet && CurrentPage(sheet) && IsWindowVisible(sheet);
        });
        if (!shown) return kExitNotFound;
        WaitUntilIdle(sheet);
        Print(L"ok");
        return kExitOk;
    }

    sheet = FindSheet();
    if (!sheet) return kExitNotFound;
    const int id = argc > 2 ? static_cast<int>(std::wcstol(argv[2], nullptr, 0)) : 0;

    if (action == L"page") {
        WaitUntilIdle(sheet);
        Print(std::to_wstring(TemplateOf(CurrentPage(sheet))));
        return kExitOk;
    }
    if (action == L"wait-page") {
        if (argc < 3) return kExitUsage;
        const bool reached =
            WaitFor(SecondsArg(argc, argv, 3, 10), [&] { return TemplateOf(CurrentPage(sheet)) == id; });
        WaitUntilIdle(sheet);
        Print(std::to_wstring(TemplateOf(CurrentPage(sheet))));
        return reached ? kExitOk : kExitNotFound;
    }
    if (action == L"title") {
        WaitUntilIdle(sheet);
        Print(TextOf(sheet));
        return kExitOk;
    }
    if (action == L"rect") {
        HWND window = argc > 2 && std::wstring(argv[2]) == L"messagebox" ? FindMessageBox(sheet) : sheet;
        if (!window) return kExitNotFound;
        RECT rect = {};
        GetWindowRect(window, &rect);
        Print(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
              std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top));
        return kExitOk;
    }
    if (action == L"press") {
        if (argc < 3) return kExitUsage;
        const int button = ButtonIdOf(argv[2]);
        if (button != kBackButton && button != kNextButton && button != IDCANCEL) return kExitUsage;
        return Click(GetDlgItem(sheet, button));
    }
    if (action == L"close-box") {
        PostMessageW(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        return kExitOk;
    }
    if (action == L"escape") return PressEscape(sheet);
    if (action == L"messagebox") {
        HWND box = nullptr;
        if (!WaitFor(SecondsArg(argc, argv, 2, 10), [&] { return (box = FindMessageBox(sheet)) != nullptr; })) {
            return kExitNotFound;
        }
        WaitUntilIdle(sheet);
        return PrintMessageBox(box);
    }
    if (action == L"answer") {
        if (argc < 3) return kExitUsage;
        HWND box = FindMessageBox(sheet);
        if (!box) return kExitNotFound;
        const int button = ButtonIdOf(argv[2]);
        if (button != IDYES && button != IDNO && button != IDOK) return kExitUsage;
        return Click(GetDlgItem(box, button));
    }

    // Actions on one control of the active page (or the sheet's buttons).
    if (argc < 3) return kExitUsage;
    WaitUntilIdle(sheet);
    HWND control = FindControl(sheet, id);
    if (!control) return kExitNotFound;
    if (action == L"text") {
        Print(TextOf(control));
        return kExitOk;
    }
    if (action == L"set-text") {
        if (argc < 4) return kExitUsage;
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]), SMTO_ABORTIFHUNG, 5000, &ignored);
        return kExitOk;
    }
    if (action == L"checked") {
        Print(std::to_wstring(SendMessageW(control, BM_GETCHECK, 0, 0)));
        return kExitOk;
    }
    if (action == L"click") return Click(control);
    if (action == L"enabled") {
        Print(IsWindowEnabled(control) ? L"1" : L"0");
        return kExitOk;
    }
    if (action == L"visible") {
        Print(IsWindowVisible(control) ? L"1" : L"0");
        return kExitOk;
    }
    if (action == L"list-rows") return ListRows(sheet, control);
    if (action == L"set-row-check") {
        if (argc < 5) return kExitUsage;
        return SetRowCheck(sheet, control, static_cast<int>(std::wcstol(argv[3], nullptr, 10)),
                           std::wcstol(argv[4], nullptr, 10) != 0);
    }
    return kExitUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return Run(argc, argv); }
