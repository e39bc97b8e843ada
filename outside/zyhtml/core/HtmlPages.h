// The HTML of the information pages: the index (the section tree), one page
// per value section, and the stylesheet they share. Plain HTML 4.01 and
// CSS 2 (tables, no script), so the pages look the same in the embedded
// browser control of old systems and in a current browser; 8-bit ANSI text
// under the windows-1252 charset.
#pragma once

#include <string>
#include <string_view>

#include "InfoSite.h"

namespace vantor::zyhtml {

inline constexpr std::string_view kIndexFile = "index.htm";
inline constexpr std::string_view kStylesheetFile = "vantor-info.css";

// `heading` names the whole set ("DMI Information"); `summary` is the line
// under it.
std::string RenderIndex(const InfoSite& site, std::string_view heading, std::string_view summary);
std::string RenderSectionPage(const InfoPage& page, std::string_view heading);
// The index shown when there is no INI file to read.
std::string RenderEmptyIndex(std::string_view heading, std::string_view reason);
std::string Stylesheet();

}  // namespace vantor::zyhtml
