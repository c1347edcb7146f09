#include "wizard/template_text.h"

#include "app/text_buffer.h"

namespace lumetra {

bool FillTemplateText(const wchar_t* pattern, std::initializer_list<const wchar_t*> values, wchar_t* out,
                      size_t capacity) {
    if (capacity == 0) return false;
    out[0] = L'\0';
    const wchar_t* const* nextValue = values.begin();
    bool complete = true;
    for (const wchar_t* p = pattern; *p != L'\0';) {
        if (p[0] == L'%' && p[1] == L's' && nextValue != values.end()) {
            complete = AppendText(out, capacity, *nextValue++) && complete;
            p += 2;
        } else {
            const wchar_t single[2] = {*p, L'\0'};
            complete = AppendText(out, capacity, single) && complete;
            ++p;
        }
    }
    return complete;
}

}  // namespace lumetra
