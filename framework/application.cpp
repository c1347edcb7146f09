#include "framework/application.h"

namespace lumetra {
namespace {
CApplication* g_current = nullptr;
}

CApplication::CApplication() { g_current = this; }

CApplication::~CApplication() {
    if (g_current == this) g_current = nullptr;
}

CApplication* CApplication::Current() { return g_current; }

int CApplication::Run(HINSTANCE instance) {
    instance_ = instance;
    if (!InitInstance()) return exitCode_;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return exitCode_;
}

}  // namespace lumetra
