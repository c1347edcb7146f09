// Removing the registry entries of an installation: the application registration, the
// viewer's classes for the file-type table, the extension defaults and the user's
// Explorer choices that name those classes, and the Open-with marks. Only the keys and
// values the setup writes are touched; a parent key goes only when it is left empty.
#pragma once

namespace lumetra {

// True when the registration in the registry is the one of this normalised install
// folder: the uninstall entry is missing or has no usable "InstallLocation", or that
// location is this folder. A registration of an installation elsewhere stays.
bool RegistrationBelongsTo(const wchar_t* installFolder);

// True when text names one of the classes of the file-type table ("Lumetra.jpg", ...),
// compared without regard to case.
bool IsViewerProgId(const wchar_t* text);

// Removes everything the registration wrote, whatever folder it names; callers ask
// RegistrationBelongsTo first. Failures are skipped without a report. Ends by telling
// the shell that associations changed.
void RemoveRegistration();

}  // namespace lumetra
