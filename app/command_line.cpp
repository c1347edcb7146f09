#include "app/command_line.h"

#include <climits>
#include <cwchar>
#include <cwctype>
#include <iterator>

#include "app/build_constants.h"
#include "app/path_helpers.h"
#include "app/system_queries.h"
#include "app/text_buffer.h"

namespace lumetra {
namespace {

using OptionValue = wchar_t[kOptionTextLimit + 1];

// Reads a numeric option; an absent one leaves the field as it is.
void ReadNumberOption(const wchar_t* lineCopy, const wchar_t* option, int& field) {
    OptionValue value;
    if (ReadOptionValue(lineCopy, option, value, std::size(value))) field = ParseDecimal(value);
}

// Reads a folder option: present, it replaces the default even when empty.
void ReadFolderOption(const wchar_t* lineCopy, const wchar_t* option,
                      wchar_t (&field)[kFolderTextCapacity]) {
    OptionValue value;
    if (!ReadOptionValue(lineCopy, option, value, std::size(value))) return;
    CopyText(field, value);
    if (field[0] != L'\0') TrimAndUnquote(field);
}

void ReadAssociationOption(const wchar_t* lineCopy, InstallRequest& request) {
    OptionValue value;
    if (!ReadOptionValue(lineCopy, L"/assoc=", value, std::size(value))) return;
    switch (ParseDecimal(value)) {
        case 1:
            request.Selection.SelectImagesOnly();
            request.AssociateFiles = 1;
            break;
        case 2:
            request.Selection.SelectAll();
            request.AssociateFiles = 1;
            break;
        default:
            request.Selection.SelectNone();
            request.AssociateFiles = 0;
            break;
    }
}

}  // namespace

bool HasSilentSwitch(const wchar_t* commandLine) {
    return commandLine && std::wcsstr(commandLine, L"/silent") != nullptr;
}

bool ReadOptionValue(const wchar_t* lineCopy, const wchar_t* optionText, wchar_t* value,
                     size_t capacity) {
    if (capacity > 0) value[0] = L'\0';
    const wchar_t* found = std::wcsstr(lineCopy, optionText);
    if (found == nullptr) return false;

    const size_t optionLength = TextLength(optionText);
    const wchar_t* start = found + optionLength;
    size_t length = 0;
    while (start[length] != L'\0' && start[length] != L'/') ++length;
    const size_t room = optionLength < kOptionTextLimit ? kOptionTextLimit - optionLength : 0;
    if (length > room) length = room;
    CopyTextPrefix(value, capacity, start, length);
    return true;
}

int ParseDecimal(const wchar_t* text) {
    while (*text != L'\0' && std::iswspace(*text)) ++text;
    bool negative = false;
    if (*text == L'+' || *text == L'-') negative = *text++ == L'-';
    long long magnitude = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) magnitude = magnitude * 10 + (*text - L'0');
    }
    if (negative) return magnitude > static_cast<long long>(INT_MAX) ? INT_MIN : static_cast<int>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

void ApplySilentDefaults(InstallRequest& request) {
    request = InstallRequest{};
    request.Caption = kSetupCaption;
    request.Silent = 1;
    if (FindPreviousInstallFolder(request.TargetFolder) == 0) {
        DefaultInstallFolder(request.TargetFolder);
        CopyText(request.IniFolder, kAppDataSettingsFolder);
    }
}

void ParseSilentOptions(const wchar_t* commandLine, InstallRequest& request) {
    // Options are searched in a copy of at most 519 characters; text beyond it is not seen.
    wchar_t lineCopy[kFolderTextCapacity];
    CopyText(lineCopy, commandLine);

    ReadFolderOption(lineCopy, L"/folder=", request.TargetFolder);
    ReadNumberOption(lineCopy, L"/desktop=", request.DesktopShortcut);
    ReadNumberOption(lineCopy, L"/thumbs=", request.ThumbnailsShortcut);
    ReadNumberOption(lineCopy, L"/group=", request.StartMenuShortcut);
    ReadNumberOption(lineCopy, L"/allusers=", request.AllUsers);
    ReadAssociationOption(lineCopy, request);
    // "/assocallusers" is accepted for compatibility with older deployments and has no
    // effect: associations are always written for the machine and the current user.
    ReadFolderOption(lineCopy, L"/ini=", request.IniFolder);
}

}  // namespace lumetra
