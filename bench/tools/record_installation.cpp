// Does the work of a silent installation with the setup's own code, except unpacking the
// payload, and prints what it did, so that the benchmark's peer installer can be made to
// do the same:
//   record_installation.exe <the setup's silent options>
// The registration's registry writes are recorded instead of made (RegistryRecorder);
// the shortcuts and the viewer's settings files are made for real in the prefix the
// tool runs in. Prints one JSON object in ASCII (other characters as \u escapes):
//   {"target_folder": "...",
//    "registry": [{"root": "HKLM", "key": "...", "name": null or "...",
//                  "type": "sz" | "expand_sz" | "dword" | "key", "data": "..." or n}, ...],
//    "settings_files": ["C:\\...\\lu_main64.ini", ...]}
// Exits with 1 when the registry could not be recorded, or the registration wrote a value
// of another type.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/build_constants.h"
#include "app/command_line.h"
#include "app/install_request.h"
#include "app/path_helpers.h"
#include "app/settings_conversion.h"
#include "app/viewer_settings.h"
#include "bench/tools/registry_recorder.h"
#include "framework/handles.h"
#include "registration/application_registration.h"
#include "registration/shortcuts.h"

namespace {

using lumetra::bench::RecordedEntry;

std::string Json(const std::wstring& text) {
    std::string out = "\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        }
    }
    return out + "\"";
}

std::string EntryJson(const RecordedEntry& entry) {
    std::string out = "{\"root\": " + Json(entry.root) + ", \"key\": " + Json(entry.key) + ", \"name\": " +
                      (entry.isDefault ? std::string("null") : Json(entry.name));
    switch (entry.kind) {
        case RecordedEntry::Kind::Key: return out + ", \"type\": \"key\", \"data\": null}";
        case RecordedEntry::Kind::String: return out + ", \"type\": \"sz\", \"data\": " + Json(entry.text) + "}";
        case RecordedEntry::Kind::ExpandString:
            return out + ", \"type\": \"expand_sz\", \"data\": " + Json(entry.text) + "}";
        case RecordedEntry::Kind::Other: break;
        case RecordedEntry::Kind::Dword:
            return out + ", \"type\": \"dword\", \"data\": " + std::to_string(entry.number) + "}";
    }
    return out + "}";
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The viewer's settings, written and converted as the installation does it. Returns the
// files that exist afterwards: the effective one and the program folder's.
std::vector<std::wstring> WriteSettings(lumetra::InstallRequest& request, const wchar_t* programFolder) {
    wchar_t settingsPath[lumetra::kSettingsPathCapacity];
    lumetra::WriteViewerSettings(request, settingsPath);
    lumetra::UniqueStdioFile settings(_wfopen(settingsPath, L"rb"));
    if (settings) lumetra::ConvertSettingsToUnicode(settingsPath, std::move(settings));

    std::vector<std::wstring> files;
    if (FileExists(settingsPath)) files.push_back(settingsPath);
    const std::wstring programFolderFile = std::wstring(programFolder) + lumetra::kSettingsFileName;
    if (FileExists(programFolderFile) && _wcsicmp(programFolderFile.c_str(), settingsPath) != 0) {
        files.push_back(programFolderFile);
    }
    return files;
}

bool SameEntry(const RecordedEntry& a, const RecordedEntry& b) {
    return a.kind == b.kind && a.root == b.root && _wcsicmp(a.key.c_str(), b.key.c_str()) == 0 &&
           a.isDefault == b.isDefault && _wcsicmp(a.name.c_str(), b.name.c_str()) == 0 && a.text == b.text &&
           a.number == b.number;
}

// The registration's registry writes. The shell records where its folders are the first
// time it is asked, which under the redirection means once more: it is asked before the
// registration runs, and what it wrote is left out.
bool RecordRegistration(const lumetra::InstallRequest& request, std::vector<RecordedEntry>& entries) {
    lumetra::bench::RegistryRecorder recorder;
    for (int folder : {CSIDL_DESKTOP, CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS}) {
        wchar_t path[MAX_PATH];
        SHGetSpecialFolderPathW(nullptr, path, folder, FALSE);
    }
    std::vector<RecordedEntry> shellRecords;
    if (!recorder.Entries(shellRecords)) return false;

    // The links are left out here: they are made below, with the shell's own registry.
    // The thumbnails flag stays, since it also brings the browse verbs; a desktop link
    // it may make here is made again below.
    lumetra::RegisterApplication(request.TargetFolder, request.AssociateFiles, 0, 0, request.ThumbnailsShortcut,
                                 request.AllUsers, request.Selection);
    std::vector<RecordedEntry> all;
    if (!recorder.Entries(all)) return false;
    for (const RecordedEntry& entry : all) {
        const bool byShell = std::any_of(shellRecords.begin(), shellRecords.end(),
                                         [&](const RecordedEntry& shell) { return SameEntry(entry, shell); });
        if (byShell) continue;
        if (entry.kind == RecordedEntry::Kind::Other) return false;  // the peer could not repeat it
        entries.push_back(entry);
    }
    return true;
}

void Print(const std::string& text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int wmain() {
    lumetra::InstallRequest request;
    lumetra::ApplySilentDefaults(request);
    lumetra::ParseSilentOptions(GetCommandLineW(), request);
    lumetra::ApplicationPaths paths;
    if (!lumetra::DeriveApplicationPaths(request.TargetFolder, paths)) return 1;
    wchar_t folder[lumetra::kFolderTextCapacity];
    lumetra::CopyText(folder, paths.folder);
    lumetra::EnsureDirectory(folder);

    std::vector<RecordedEntry> entries;
    if (!RecordRegistration(request, entries)) return 1;
    lumetra::CreateShortcuts(paths.folder, paths.executable, request.StartMenuShortcut, request.DesktopShortcut,
                             request.ThumbnailsShortcut, request.AllUsers);
    const std::vector<std::wstring> settingsFiles = WriteSettings(request, paths.folder);

    std::string out = "{\"target_folder\": " + Json(paths.folder) + ",\n \"registry\": [";
    for (size_t i = 0; i < entries.size(); ++i) out += (i ? ",\n  " : "\n  ") + EntryJson(entries[i]);
    out += "],\n \"settings_files\": [";
    for (size_t i = 0; i < settingsFiles.size(); ++i) out += (i ? ", " : "") + Json(settingsFiles[i]);
    out += "]}\n";
    Print(out);
    return 0;
}
