// What the viewer was asked to show: one image, or the thumbnails of a folder.
#pragma once

#include <string>

namespace lumetra::viewer {

struct ViewerRequest {
    bool thumbnails = false;  // "/thumbs" anywhere on the command line
    std::wstring path;        // the first argument that is not an option; may be empty
};

// Reads a whole command line (program name first, as GetCommandLineW gives it). The
// shell starts the viewer as "lu_main64.exe" "<file>" for an image, "<folder>" /thumbs
// for a folder and /thumbs alone from the thumbnails shortcut.
ViewerRequest ParseViewerCommandLine(const wchar_t* commandLine);

}  // namespace lumetra::viewer
