// A Windows program that does nothing: its run time under Wine is the cost of starting
// and ending a process, the part of every installer's time that no installer controls.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
