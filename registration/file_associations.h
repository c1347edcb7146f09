// The viewer's file classes (ProgIDs) and the associations of the table's 86 extensions.
// Classes go to SOFTWARE\Classes of HKEY_LOCAL_MACHINE; the user's Explorer choices and
// the Open-with marks to HKEY_CURRENT_USER. Nothing is reported: a write that fails is
// skipped and the next one is attempted.
#pragma once

#include <cstddef>

#include "registration/association_selection.h"

namespace lumetra {

// The class of an extension: "Lumetra." followed by its ProgID suffix, such as
// "Lumetra.jpg". False when it does not fit capacity characters.
bool FormatProgId(wchar_t* progId, size_t capacity, const wchar_t* progIdSuffix);

// Registers every extension of the file-type table in table order: its class with type
// name, open command and icon, and its capability value; the extensions of selected
// rows also become the extension's default and the user's Explorer choice. With
// associateFiles set it ends by hiding the Store apps from Open-with (Windows 8 and
// later) and by telling the shell that icons and associations changed.
// executablePath: the viewer's full path; openCommand: "<path>" "%1".
void RegisterFileAssociations(const wchar_t* executablePath, const wchar_t* openCommand,
                              const AssociationSelection& selection, int associateFiles);

// One extension (lower case, no dot) with its ProgID suffix. The extension's default
// class is written when selected, and always for "jpg", "png" and "tif".
void RegisterExtension(const wchar_t* extension, const wchar_t* progIdSuffix, const wchar_t* openCommand,
                       const wchar_t* iconText, bool selected);

// Lists the extension among the application's capabilities. Only opens the capabilities'
// FileAssociations key: when it is missing nothing is written.
void AddCapabilityAssociation(const wchar_t* extension, const wchar_t* progIdSuffix);

// Marks the file classes of five packaged apps as not offered in the Open-with list.
void HideStoreAppsFromOpenWith();

}  // namespace lumetra
