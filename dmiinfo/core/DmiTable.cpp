#include "core/DmiTable.h"

#include <algorithm>
#include <string>

#include "core/Decoders.h"
#include "core/StructureIndex.h"
#include "core/ValueText.h"

namespace vantor::dmi {
namespace {

constexpr std::uint8_t kAnchor[] = {'_', 'D', 'M', 'I'};
constexpr std::size_t kEntryPointLength = 12;  // through the table address at 8

// Writes one type's sections: the Root entry, and either the lone structure's
// values in the type section or a numbered child section per structure.
class TypeWriter {
public:
    TypeWriter(IniWriter& ini, const SmbiosNames& names) : m_ini(ini), m_names(names) {}

    int SectionCounter() const { return m_sectionCounter; }

    void Write(const TypeDecoder& decoder, std::span<const std::uint8_t> table, const StructureIndex& index)
    {
        const std::string typeSection = "Type" + Decimal(decoder.type);
        m_ini.RootSection(m_sectionCounter++, typeSection);

        // A first-only type writes its first structure as the type's only one,
        // so no Count promises sections that are never written.
        const int count = decoder.structures == Structures::FirstOnly ? 1 : index.Count(decoder.type);
        for (int i = 1; i <= count; ++i) {
            const auto structure = Structure::At(table, index.Position(decoder.type, i));
            std::string section = typeSection;
            if (count >= 2) {
                m_ini.Count(typeSection, count);
                section = typeSection + "-" + Decimal(i);
                m_ini.Item(typeSection, i, section);
            }
            // The walk indexed only structures that lie inside the table.
            WriteValues(section, SectionTitle(decoder, *structure, i, count, section),
                        decoder.decode(*structure, m_names));
        }
    }

private:
    void WriteValues(const std::string& section, const std::string& title, const DecodedValues& values)
    {
        m_ini.Count(section, 1);
        m_ini.Filename(section, section);
        m_ini.Displayname(section, title);
        int number = 0;
        for (const DecodedValue& value : values) {
            m_ini.Value(section, ++number, value.key, value.text);
        }
        m_ini.Count(section, number);
    }

    IniWriter& m_ini;
    const SmbiosNames& m_names;
    int m_sectionCounter = 1;
};

}  // namespace

std::optional<DmiEntryPoint> FindDmiEntryPoint(std::span<const std::uint8_t> anchorWindow)
{
    for (std::size_t offset = 0; offset < anchorWindow.size() && anchorWindow.size() - offset >= kEntryPointLength;
         offset += 16) {
        const auto entry = anchorWindow.subspan(offset, kEntryPointLength);
        if (!std::equal(std::begin(kAnchor), std::end(kAnchor), entry.begin())) {
            continue;
        }
        return DmiEntryPoint{static_cast<std::uint16_t>(entry[6] | entry[7] << 8),
                             static_cast<std::uint32_t>(entry[8] | entry[9] << 8 | entry[10] << 16 |
                                                        static_cast<std::uint32_t>(entry[11]) << 24)};
    }
    return std::nullopt;
}

int DecodeSmbiosTable(std::span<const std::uint8_t> window, std::size_t tableLength, IniWriter& ini,
                      const SmbiosNames& names)
{
    ini.Count("Root", 0);
    const auto table = window.first(std::min(tableLength, window.size()));
    const StructureIndex index = StructureIndex::Walk(table);

    TypeWriter writer(ini, names);
    for (int type = 0; type < StructureIndex::kTypes; ++type) {
        if (index.Count(type) == 0) {
            continue;
        }
        if (const TypeDecoder* decoder = FindDecoder(type)) {
            writer.Write(*decoder, table, index);
        }
        ini.Count("Root", writer.SectionCounter() - 1);
    }
    return writer.SectionCounter() - 1;
}

}  // namespace vantor::dmi
