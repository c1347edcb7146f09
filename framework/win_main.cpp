// The program's entry point: hands control to the one application object.
#include <windows.h>

#include "framework/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    lumetra::CApplication* app = lumetra::CApplication::Current();
    return app ? app->Run(instance) : 1;
}
