// Every choice of one installation, carried from where the choices are made (the silent
// command line or the wizard) to RunInstall. The producer owns it for the call.
#pragma once

#include "app/text_buffer.h"
#include "registration/association_selection.h"

namespace lumetra {

struct InstallRequest {
    // Folder the viewer goes into; surrounding spaces and a missing backslash are
    // tolerated, every consumer normalises it.
    wchar_t TargetFolder[kFolderTextCapacity] = {};
    int StartMenuShortcut = 0;
    int DesktopShortcut = 0;
    int ThumbnailsShortcut = 0;
    // Shortcuts for all users instead of the current user.
    int AllUsers = 0;
    // Folder of the viewer's settings file, may hold %VARIABLE% references; empty keeps
    // the settings in the program folder.
    wchar_t IniFolder[kFolderTextCapacity] = {};
    AssociationSelection Selection;
    // 1 when at least one file type is to be associated.
    int AssociateFiles = 0;
    // 1 on the silent path: failures go to the install log instead of message boxes.
    int Silent = 0;
    // Title of every message box; borrowed from the producer.
    const wchar_t* Caption = L"";
};

}  // namespace lumetra
