// The seven INI writes of the DMI library's INI writer, applied to an
// in-memory document. Each write says how the file text changed, so the DLL
// keeps the file on disk whole after every call by appending the new tail or
// rewriting it, and skips writes that change nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "IniDocument.h"

namespace vantor::infoini {

class InfoIniWriter {
public:
    using Change = IniDocument::Change;

    // A new, empty file (an existing one is replaced).
    void Start() { m_document.Clear(); }

    Change WriteRootSection(std::int32_t number, std::string_view section);
    Change WriteCount(std::string_view section, std::int32_t count);
    Change WriteItem(std::string_view section, std::int32_t number, std::string_view child);
    Change WriteValue(std::string_view section, std::int32_t number, std::string_view key, std::string_view value);
    Change WriteFilename(std::string_view section, std::string_view fileName);
    Change WriteDisplayname(std::string_view section, std::string_view displayName);

    const IniDocument& Document() const { return m_document; }

private:
    IniDocument m_document;
};

}  // namespace vantor::infoini
