// The payload: the viewer's files, carried as a ZIP archive in resource "ZIP" 1974 of the
// program and unpacked below the target folder.
#pragma once

namespace lumetra {

// Copies the payload resource to "lumeng_x64.zip" in the temporary folder, unpacks it
// below targetFolder (an existing folder, with or without a trailing backslash) and
// deletes the temporary file again, whatever happened. keepIconsLibrary 1 leaves out the
// icon library. Returns 0 when the archive was opened and walked (single entries may
// still have failed) and -1 when nothing could be extracted. Leaves the process's
// current directory at targetFolder once that folder could be entered.
int ExtractPayload(const wchar_t* targetFolder, int keepIconsLibrary);

// Opens the archive file, makes targetFolder the current directory and runs
// ExtractAllEntries. Returns -1 for a null path, an archive that cannot be opened or a
// folder that cannot be entered; the archive is closed again on every path.
int UnpackArchive(const wchar_t* archivePath, const wchar_t* targetFolder, int keepIconsLibrary);

}  // namespace lumetra
