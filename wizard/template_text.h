// Texts of dialog templates with "%s" placeholders, filled in at run time.
#pragma once

#include <cstddef>
#include <initializer_list>

namespace lumetra {

// Writes pattern to out (capacity characters) with its first "%s" replaced by the first
// value, the second by the second and so on. Nothing else of the pattern is
// interpreted, so a template text can never act as a printf format. Placeholders
// without a value stay as they are. Returns false when the result was cut.
bool FillTemplateText(const wchar_t* pattern, std::initializer_list<const wchar_t*> values, wchar_t* out,
                      size_t capacity);

}  // namespace lumetra
