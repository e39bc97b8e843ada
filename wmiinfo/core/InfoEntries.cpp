#include "core/InfoEntries.h"

namespace vantor::wmi {

std::string ChildEntry(std::string_view section)
{
    std::string text = "0|";
    text += section;
    return text;
}

std::string PropertyEntry(std::string_view name, std::string_view value, const LeadByteTest& isLeadByte)
{
    std::string text = "1|";
    text += name;
    text += '|';
    text += value;
    return std::string(CutText(text, kMaxEntryChars, isLeadByte));
}

std::string InstanceSection(std::string_view instanceClass, int number)
{
    return std::string(instanceClass) + std::to_string(number);
}

std::string ProfileText(std::string_view text)
{
    std::string clean(text);
    for (char& c : clean) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = ' ';
    }
    return clean;
}

std::string_view CutText(std::string_view text, std::size_t limit, const LeadByteTest& isLeadByte)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = 0;
    while (end < limit) {
        const bool pair = isLeadByte && isLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size();
        const std::size_t next = end + (pair ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return text.substr(0, end);
}

}  // namespace vantor::wmi
