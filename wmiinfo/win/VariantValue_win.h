// COM's VARIANT and BSTR as the portable value and ANSI text: needs Windows
// for the automation types and the code page conversion.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstddef>
#include <string>

#include "core/WmiValue.h"

namespace vantor::wmi {

// The value and its type; a string in the ANSI code page, cut to
// kMaxValueChars wide characters first. Types without a payload the export
// shows (arrays, dates, objects) keep their type alone.
WmiValue ToWmiValue(const VARIANT& value);

// At most `limit` wide characters of `text` (never half of a surrogate pair)
// in the ANSI code page; characters it lacks become "?".
std::string AnsiText(const wchar_t* text, std::size_t length, std::size_t limit);

}  // namespace vantor::wmi
