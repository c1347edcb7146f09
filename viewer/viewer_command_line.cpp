#include "viewer/viewer_command_line.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace lumetra::viewer {

ViewerRequest ParseViewerCommandLine(const wchar_t* commandLine) {
    ViewerRequest request;
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) return request;
    for (int i = 1; i < count; ++i) {
        if (_wcsicmp(arguments[i], L"/thumbs") == 0) {
            request.thumbnails = true;
        } else if (arguments[i][0] != L'/' && request.path.empty()) {
            request.path = arguments[i];
        }
    }
    LocalFree(arguments);
    return request;
}

}  // namespace lumetra::viewer
