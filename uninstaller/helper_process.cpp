#include "uninstaller/helper_process.h"

#include <string>

#include "app/build_constants.h"
#include "framework/handles.h"
#include "uninstaller/install_folder.h"
#include "uninstaller/uninstall_exit_codes.h"
#include "uninstaller/uninstall_options.h"

namespace lumetra {
namespace {

// Long enough for the helper to finish the removal and hand over its result; a started
// uninstaller that has not ended by then is not waited for any longer.
constexpr DWORD kParentWaitMilliseconds = 60 * 1000;

SECURITY_ATTRIBUTES InheritableHandle() {
    SECURITY_ATTRIBUTES attributes = {};
    attributes.nLength = sizeof(attributes);
    attributes.bInheritHandle = TRUE;
    return attributes;
}

// A copy of the running program in the temporary folder under a name of its own. The
// copy is deleted again when copyOwner, opened for deletion on close and inheritable,
// is closed by the last process that holds it.
bool MakeTemporaryCopy(PathText& copyPath, UniqueFileHandle& copyOwner) {
    PathText self;
    PathText temp;
    const DWORD selfLength = GetModuleFileNameW(nullptr, self, kPathCapacity);
    const DWORD tempLength = GetTempPathW(kPathCapacity, temp);
    if (selfLength == 0 || selfLength >= kPathCapacity || tempLength == 0 || tempLength >= kPathCapacity ||
        GetTempFileNameW(temp, L"lmu", 0, copyPath) == 0) {
        return false;
    }
    if (!CopyFileW(self, copyPath, FALSE)) {
        DeleteFileW(copyPath);
        return false;
    }
    SECURITY_ATTRIBUTES inheritable = InheritableHandle();
    copyOwner.reset(CreateFileW(copyPath, DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, &inheritable, OPEN_EXISTING,
                                FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!copyOwner) {
        DeleteFileW(copyPath);
        return false;
    }
    return true;
}

// The helper's result: four bytes through the pipe. When the helper ends without
// sending them, the pipe breaks and the result is kUninstallNoResult.
int ReadResult(HANDLE pipe) {
    int value = 0;
    DWORD total = 0;
    BYTE* bytes = reinterpret_cast<BYTE*>(&value);
    while (total < sizeof(value)) {
        DWORD read = 0;
        if (!ReadFile(pipe, bytes + total, sizeof(value) - total, &read, nullptr) || read == 0) {
            return kUninstallNoResult;
        }
        total += read;
    }
    return value;
}

}  // namespace

bool RunHelperCopy(const wchar_t* folder, bool silent, int& result) {
    PathText copyPath;
    UniqueFileHandle copyOwner;
    if (!MakeTemporaryCopy(copyPath, copyOwner)) return false;

    // The helper waits on this process through an inherited handle: unlike a process
    // id, it cannot come to name another process.
    UniqueHandle self;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), self.put(),
                         SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, TRUE, 0)) {
        self.release();
        return false;
    }
    SECURITY_ATTRIBUTES inheritable = InheritableHandle();
    UniqueHandle readEnd;
    UniqueHandle writeEnd;
    if (!CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 0) ||
        !SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0)) {
        return false;
    }

    std::wstring commandLine = HelperCommandLine(copyPath, folder, self.get(), writeEnd.get(), silent);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(copyPath, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;  // closing copyOwner deletes the copy
    }
    UniqueHandle helperProcess(process.hProcess);
    UniqueHandle helperThread(process.hThread);
    // The user started this process; the helper's messages are the answer to that.
    AllowSetForegroundWindow(process.dwProcessId);
    // Only the helper holds the write end and the copy's owner from now on: the pipe
    // breaks when it ends, and the copy is deleted with it.
    writeEnd.reset();
    copyOwner.reset();
    result = ReadResult(readEnd.get());
    return true;
}

void SendResult(HANDLE resultPipe, int result) {
    if (resultPipe == nullptr || GetFileType(resultPipe) != FILE_TYPE_PIPE) return;
    DWORD written = 0;
    WriteFile(resultPipe, &result, sizeof(result), &written, nullptr);
    CloseHandle(resultPipe);
}

void WaitForStartedUninstaller(HANDLE parentProcess) {
    if (parentProcess == nullptr || GetProcessId(parentProcess) == 0) return;
    WaitForSingleObject(parentProcess, kParentWaitMilliseconds);
    CloseHandle(parentProcess);
}

void LeaveInstallFolder() {
    PathText temp;
    const DWORD length = GetTempPathW(kPathCapacity, temp);
    if (length > 0 && length < kPathCapacity && SetCurrentDirectoryW(temp)) return;
    PathText system;
    const UINT systemLength = GetSystemDirectoryW(system, kPathCapacity);
    if (systemLength > 0 && systemLength < kPathCapacity) SetCurrentDirectoryW(system);
}

void RemoveAtNextStart(const wchar_t* folder) {
    PathText uninstaller;
    if (FormatText(uninstaller, L"%ls%ls", folder, kUninstallerExeName) &&
        GetFileAttributesW(uninstaller) != INVALID_FILE_ATTRIBUTES) {
        MoveFileExW(uninstaller, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
    if (GetFileAttributesW(folder) != INVALID_FILE_ATTRIBUTES) {
        MoveFileExW(folder, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
}

}  // namespace lumetra
