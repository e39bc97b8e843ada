// The whole HTML step: which INI file a kind names and the files it makes.
// The DLL reads the INI file and writes what this returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "IniDocument.h"

namespace vantor::zyhtml {

// Kind 0: the WMI file, 1: the DMI file, 2: the PCI file.
struct InfoKind {
    std::string_view iniFile;
    std::string_view heading;
    std::string_view subject;  // what the sections are, for the summary line
};
std::optional<InfoKind> KindOf(std::int32_t kind);

struct HtmlFile {
    std::string name;
    std::string text;
};

// index.htm, the stylesheet and one page per value section. With no INI file
// (null), index.htm and the stylesheet say so.
std::vector<HtmlFile> GenerateSite(const InfoKind& kind, const infoini::IniDocument* ini);

}  // namespace vantor::zyhtml
