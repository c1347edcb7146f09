// Whether an icon library already in the plug-in folder stays in place when the payload
// is unpacked: a newer one, or one from another maker, is never overwritten.
#pragma once

#include <cstddef>

namespace lumetra {

// Reads a file's version resource through version.dll, loaded from the system folder.
// version receives "%d.%d%d" of the product version's major and minor part and the file
// version's third part ("4.30" for product 4.3 and file 4.3.0.0). When company is given
// it receives the CompanyName of the US-English, code page 1252 block (at most 259
// characters), or an empty text when there is none. Returns 1 when the version could be
// read, else 0. Capacities are in wchar_t units, terminator included.
int ReadFileVersion(const wchar_t* path, wchar_t* version, size_t versionCapacity, wchar_t* company,
                    size_t companyCapacity);

// A version text as a whole number of thousandths: read as a decimal number, then
// converted, scaled and truncated in single precision ("4.30" gives 4300, "4.35" 4350).
int VersionThousandths(const wchar_t* versionText);

// Decides KeepIconsLibrary for the library at path: 1 leaves it in place, 0 lets the
// payload replace it. Replaced are a missing library or one without version resource,
// an older one by our company, and one of the same version by our company with exactly
// the size of the library we shipped. Everything else stays.
int DecideKeepIconsLibrary(const wchar_t* path);

}  // namespace lumetra
