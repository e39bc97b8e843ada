// The pages an information INI file makes: a tree of sections from Root
// (child entries "0|section") and one page per section that holds values
// ("1|key|value"). Every numbered entry counts, in number order, whatever the
// section's Count says: writers leave gaps (a failed WMI class keeps its
// number) and the Count may be missing. The walk is bounded: a section is
// expanded once (a second reference, including a cycle, is shown but not
// followed), the tree is at most kMaxDepth deep, and entries, nodes and pages
// are capped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "IniDocument.h"

namespace vantor::zyhtml {

inline constexpr std::size_t kMaxDepth = 8;
inline constexpr std::size_t kMaxEntriesPerSection = 4096;
inline constexpr std::size_t kMaxNodes = 20000;
inline constexpr std::size_t kMaxPages = 5000;

struct InfoPage {
    std::string section;
    std::string title;  // the DisplayName, else the section name
    std::string file;   // unique, safe file name ending in ".htm"
    std::vector<std::pair<std::string, std::string>> rows;
};

struct InfoNode {
    enum class State {
        Shown,
        Missing,
        Repeated
    };
    State state = State::Shown;
    std::string section;
    std::string label;
    int page = -1;  // into InfoSite::pages, or -1 for a section without values
    std::vector<InfoNode> children;
};

struct InfoSite {
    std::vector<InfoNode> top;
    std::vector<InfoPage> pages;
    std::size_t brokenEntries = 0;  // numbered entries in neither form
};

// Without a Root section, every section with values is a top node, in file
// order.
InfoSite BuildInfoSite(const infoini::IniDocument& ini);

// A file name that is safe in any folder: letters, digits, "-", "_" and "."
// kept, anything else "_", no leading dot, at most 64 characters, never
// empty, never a Windows device name.
std::string SafeFileStem(std::string_view name);

}  // namespace vantor::zyhtml
