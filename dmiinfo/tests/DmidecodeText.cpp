#include "DmidecodeText.h"

#include <cstdio>
#include <string>

namespace vantor::dmi::test {

const std::string* DmidecodeRecord::Find(std::string_view key) const
{
    for (const auto& [k, v] : fields) {
        if (k == key) {
            return &v;
        }
    }
    return nullptr;
}

std::vector<const DmidecodeRecord*> DmidecodeText::OfType(int type) const
{
    std::vector<const DmidecodeRecord*> found;
    for (const DmidecodeRecord& record : records) {
        if (record.type == type) {
            found.push_back(&record);
        }
    }
    return found;
}

DmidecodeText ParseDmidecodeText(std::string_view text)
{
    DmidecodeText parsed;
    DmidecodeRecord* record = nullptr;
    bool expectTitle = false;
    std::string lastKey;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        unsigned handle = 0;
        int type = 0;
        int major = 0;
        int minor = 0;
        if (std::sscanf(line.c_str(), "SMBIOS %d.%d present.", &major, &minor) == 2) {
            parsed.majorVersion = major;
            parsed.minorVersion = minor;
        } else if (std::sscanf(line.c_str(), "Handle 0x%x, DMI type %d,", &handle, &type) == 2) {
            parsed.records.emplace_back();
            record = &parsed.records.back();
            record->type = type;
            expectTitle = true;
        } else if (record != nullptr && expectTitle) {
            record->title = line;
            expectTitle = false;
        } else if (record != nullptr && line.rfind("\t\t", 0) == 0) {
            record->lists[lastKey].push_back(line.substr(2));
        } else if (record != nullptr && line.rfind('\t', 0) == 0) {
            const std::size_t colon = line.find(':');
            if (colon == std::string::npos) {
                continue;
            }
            lastKey = line.substr(1, colon - 1);
            const std::size_t valueStart = line.find_first_not_of(' ', colon + 1);
            record->fields.emplace_back(lastKey,
                                        valueStart == std::string::npos ? std::string() : line.substr(valueStart));
        } else if (line.empty()) {
            record = nullptr;
        }
    }
    return parsed;
}

}  // namespace vantor::dmi::test
