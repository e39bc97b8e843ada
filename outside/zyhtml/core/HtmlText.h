// Text into HTML: every character that means something to HTML becomes an
// entity, so firmware and WMI text ("<OEM>", "A&B", quotes) shows as written.
#pragma once

#include <string>
#include <string_view>

namespace vantor::zyhtml {

// & < > " ' as entities; control characters (tabs, line breaks, anything
// below 0x20 and 0x7F) as blanks. Bytes 0x80 and above pass unchanged: the
// pages declare the 8-bit ANSI code page.
std::string EscapeHtml(std::string_view text);

}  // namespace vantor::zyhtml
