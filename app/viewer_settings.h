// The viewer's settings file "lu_main64.ini": where it lives, and the language and
// toolbar skin that a new installation gives it.
#pragma once

#include <cstddef>
#include <iterator>

#include "app/build_constants.h"
#include "app/install_request.h"
#include "app/text_buffer.h"

namespace lumetra {

// A settings file path: a folder text of at most 519 characters, a backslash and the
// file name, plus terminator (in wchar_t units).
inline constexpr size_t kSettingsPathCapacity = kFolderTextCapacity + 1 + (std::size(kSettingsFileName) - 1);

// Writes the viewer's settings for the installation in request and fills settingsPath
// with the path of the effective settings file, the one the viewer will read.
//
// The settings live in the program folder (TargetFolder) unless IniFolder names another
// folder; that folder is then recorded as Others/INI_Folder in the program folder's
// file, unexpanded, and created. A silent request without IniFolder whose TargetFolder
// lies in the default installation folder gets "%APPDATA%\Lumetra" written into its
// IniFolder: the one change this makes to the request. An IniFolder that expands to
// nothing counts as empty. With the settings in the program folder, INI_Folder is
// deleted there.
//
// The effective file gets the German language and, when it has no toolbar skin yet,
// the skin that suits the screen. A settings folder inside "Lumetra32_App" or
// "Lumetra64_App" is a portable installation: the program folder's file then carries
// the language and the 24-pixel skin as well. Failures of the profile functions are not
// reported.
void WriteViewerSettings(InstallRequest& request, wchar_t (&settingsPath)[kSettingsPathCapacity]);

}  // namespace lumetra
