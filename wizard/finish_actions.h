// What the wizard does when the user leaves its last page: open the FAQ web page and
// start the freshly installed viewer.
#pragma once

namespace lumetra {

// Opens the FAQ web page in the user's browser; the outcome is not looked at.
void OpenFaqPage();

// Builds "<folder>\lu_main64.exe" (one backslash between them) into path, which holds
// kPathCapacity (260) characters. False when it does not fit.
bool BuildViewerPath(const wchar_t* folder, wchar_t* path);

// Starts the viewer from the installation folder and brings its window to the
// foreground, waiting for it 50 ms and then up to five times 500 ms. A folder whose
// viewer path would not fit 260 characters starts nothing.
void StartViewer(const wchar_t* folder);

}  // namespace lumetra
