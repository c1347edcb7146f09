#pragma once

namespace lumetra {

// Restricts the DLL search of the process to the system folder where Windows allows it,
// so that a DLL planted next to the downloaded setup is never loaded.
void HardenDllSearch();

}  // namespace lumetra
