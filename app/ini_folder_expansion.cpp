#include "app/ini_folder_expansion.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <new>

namespace lumetra {
namespace {

// The value of an environment variable, whatever its length, and its length in
// characters; none when it is not set or empty, since then there is nothing to append
// either way.
struct EnvironmentValue {
    std::unique_ptr<wchar_t[]> text;
    size_t length = 0;
};

EnvironmentValue ReadEnvironmentValue(const wchar_t* name) {
    EnvironmentValue value;
    DWORD size = static_cast<DWORD>(kEnvironmentValueLimit + 1);
    for (;;) {
        value.text.reset(new (std::nothrow) wchar_t[size]);
        if (!value.text) return {};
        const DWORD result = GetEnvironmentVariableW(name, value.text.get(), size);
        if (result == 0) return {};
        if (result < size) {  // fitted: result is the length without terminator
            value.length = result;
            return value;
        }
        size = result;  // too small: result is the size needed
    }
}

// Appends characters to a result that may hold at most limit characters.
class BoundedText {
public:
    BoundedText(wchar_t* buffer, size_t limit) : buffer_(buffer), limit_(limit) { buffer_[0] = L'\0'; }

    void Append(const wchar_t* text, size_t count) {
        const size_t room = limit_ - length_;
        if (count > room) {
            count = room;
            complete_ = false;
        }
        std::copy(text, text + count, buffer_ + length_);
        length_ += count;
        buffer_[length_] = L'\0';
    }
    bool full() const { return length_ == limit_; }
    bool complete() const { return complete_; }
    void MarkCut() { complete_ = false; }

private:
    wchar_t* buffer_;
    size_t limit_;
    size_t length_ = 0;
    bool complete_ = true;
};

}  // namespace

bool ExpandIniFolder(const wchar_t* text, wchar_t* result, size_t capacity) {
    if (capacity == 0) return false;
    BoundedText expanded(result, std::min(capacity - 1, kExpandedFolderLimit));
    const wchar_t* position = text ? text : L"";
    while (*position != L'\0') {
        if (expanded.full()) {
            expanded.MarkCut();
            break;
        }
        if (*position != L'%') {
            expanded.Append(position++, 1);
            continue;
        }
        const wchar_t* nameStart = ++position;
        while (*position != L'\0' && *position != L'%') ++position;
        const size_t nameLength = static_cast<size_t>(position - nameStart);
        if (*position == L'%') ++position;  // the closing percent sign
        if (nameLength == 0) continue;

        wchar_t name[kEnvironmentNameLimit + 1];
        if (!CopyTextPrefix(name, kEnvironmentNameLimit + 1, nameStart, nameLength)) expanded.MarkCut();
        EnvironmentValue value = ReadEnvironmentValue(name);
        if (!value.text) continue;
        if (value.length > kEnvironmentValueLimit) {
            value.length = kEnvironmentValueLimit;
            expanded.MarkCut();
        }
        expanded.Append(value.text.get(), value.length);
    }
    return expanded.complete();
}

}  // namespace lumetra
