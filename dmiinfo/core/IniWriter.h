// The information INI file as the decoders see it: the seven writes of the
// outside INI writer. The shell forwards them to ZyIni.dll; tests record them.
#pragma once

#include <string_view>

namespace vantor::dmi {

class IniWriter {
public:
    virtual ~IniWriter() = default;

    // Starts a new file at the path (an existing file is replaced).
    virtual void FileInitial(std::string_view path) = 0;
    // Root entry `number` names the top-level section.
    virtual void RootSection(int number, std::string_view section) = 0;
    // Sets the section's Count; a later call replaces it.
    virtual void Count(std::string_view section, int count) = 0;
    // Entry `number` of the section names a child section.
    virtual void Item(std::string_view section, int number, std::string_view child) = 0;
    // Entry `number` of the section is a key and its value.
    virtual void Value(std::string_view section, int number, std::string_view key, std::string_view value) = 0;
    // Name of the HTML page made for the section.
    virtual void Filename(std::string_view section, std::string_view name) = 0;
    // Title shown for the section.
    virtual void Displayname(std::string_view section, std::string_view name) = 0;
};

}  // namespace vantor::dmi
