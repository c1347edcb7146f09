// Starts a program with an exact command line, which Wine's own argument handling would
// otherwise re-quote. The command line and the working folder come from the environment
// variables LUMETRA_LAUNCH_COMMAND_LINE and LUMETRA_LAUNCH_FOLDER (optional). Waits for
// the program and exits with its exit code; 255 when it cannot be started.
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring Environment(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::vector<wchar_t> value(size);
    GetEnvironmentVariableW(name, value.data(), size);
    return value.data();
}

}  // namespace

int wmain() {
    std::wstring commandLine = Environment(L"LUMETRA_LAUNCH_COMMAND_LINE");
    const std::wstring folder = Environment(L"LUMETRA_LAUNCH_FOLDER");
    if (commandLine.empty()) return 255;

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        return 255;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 255;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
