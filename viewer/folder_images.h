#pragma once

#include <string>
#include <vector>

namespace lumetra::viewer {

// Names of the image files directly in a folder, sorted without regard to case.
std::vector<std::wstring> ImagesInFolder(const std::wstring& folder);

// The folder itself when path names one, otherwise the folder of the file it names; the
// current directory for an empty path. No trailing backslash except for a drive root.
std::wstring FolderOf(const std::wstring& path);

}  // namespace lumetra::viewer
