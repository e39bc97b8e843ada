#include "InfoIniWriter.h"

#include <string>

#include "InfoIniForm.h"

namespace vantor::infoini {

InfoIniWriter::Change InfoIniWriter::WriteRootSection(std::int32_t number, std::string_view section)
{
    // A child entry names the section as the file spells it.
    return m_document.Set(kRootSection, std::to_string(number), ChildEntry(IniDocument::SectionName(section)));
}

InfoIniWriter::Change InfoIniWriter::WriteCount(std::string_view section, std::int32_t count)
{
    return m_document.Set(section, kCountKey, std::to_string(count));
}

InfoIniWriter::Change InfoIniWriter::WriteItem(std::string_view section, std::int32_t number, std::string_view child)
{
    return m_document.Set(section, std::to_string(number), ChildEntry(IniDocument::SectionName(child)));
}

InfoIniWriter::Change InfoIniWriter::WriteValue(std::string_view section, std::int32_t number, std::string_view key,
                                                std::string_view value)
{
    return m_document.Set(section, std::to_string(number), ValueEntry(key, value));
}

InfoIniWriter::Change InfoIniWriter::WriteFilename(std::string_view section, std::string_view fileName)
{
    return m_document.Set(section, kFileNameKey, fileName);
}

InfoIniWriter::Change InfoIniWriter::WriteDisplayname(std::string_view section, std::string_view displayName)
{
    return m_document.Set(section, kDisplayNameKey, displayName);
}

}  // namespace vantor::infoini
