// Registry names shared by the application registration and the file associations.
#pragma once

namespace lumetra {

// Prefix of every class the viewer registers: the viewer's own class "Lumetra" and the
// file classes "Lumetra.<suffix>".
inline constexpr wchar_t kClassPrefix[] = L"Lumetra";

// The viewer's own class and its open command, which also tells a later setup where the
// viewer was installed.
inline constexpr wchar_t kViewerClassKey[] = L"SOFTWARE\\Classes\\Lumetra";
inline constexpr wchar_t kViewerOpenCommandKey[] = L"SOFTWARE\\Classes\\Lumetra\\shell\\open\\command";

// The application key under HKEY_LOCAL_MACHINE, its capabilities and the capabilities'
// file associations, which the association writer fills but never creates.
inline constexpr wchar_t kApplicationKey[] = L"SOFTWARE\\Lumetra";
inline constexpr wchar_t kCapabilitiesKey[] = L"SOFTWARE\\Lumetra\\Capabilities";
inline constexpr wchar_t kCapabilityAssociationsKey[] = L"SOFTWARE\\Lumetra\\Capabilities\\FileAssociations";

}  // namespace lumetra
