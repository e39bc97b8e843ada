#include "core/Decoders.h"
#include "core/ValueText.h"

namespace vantor::dmi {
namespace {

constexpr TypeDecoder kDecoders[] = {
        {0, Structures::FirstOnly, TitleRule::Fixed, "BIOS Information (Type0)", "", DecodeBios},
        {1, Structures::FirstOnly, TitleRule::Fixed, "System Information (Type1)", "", DecodeSystem},
        {2, Structures::Every, TitleRule::SameForEvery, "MotherBoard Information (Type2)", "", DecodeBaseBoard},
        {3, Structures::Every, TitleRule::SameForEvery, "Enclosure or Chassis (Type3)", "", DecodeChassis},
        {4, Structures::Every, TitleRule::Fixed, "Processor Information (Type4)", "Processor Information",
         DecodeProcessor},
        {5, Structures::Every, TitleRule::Fixed, "Memory Controller (Type5)", "Memory Controller",
         DecodeMemoryController},
        {6, Structures::Every, TitleRule::DesignationString, "", "", DecodeMemoryModule},
        {7, Structures::Every, TitleRule::DesignationString, "", "", DecodeCache},
        {8, Structures::Every, TitleRule::PortDesignators, "", "", DecodePortConnector},
        {9, Structures::Every, TitleRule::DesignationString, "", "", DecodeSystemSlot},
        {11, Structures::Every, TitleRule::Fixed, "OEM String (Type11)", "OEM String", DecodeDescriptions},
        {12, Structures::Every, TitleRule::Fixed, "System Configuration (Type12)", "System Configuration",
         DecodeDescriptions},
        {13, Structures::Every, TitleRule::Fixed, "BIOS Language (Type13)", "BIOS Language", DecodeBiosLanguage},
        {14, Structures::Every, TitleRule::Fixed, "Group Association (Type14)", "Group Association",
         DecodeGroupAssociation},
        {16, Structures::Every, TitleRule::Fixed, "Physical Memory Array (Type16)", "Physical Memory Array",
         DecodeMemoryArray},
        {17, Structures::Every, TitleRule::Fixed, "Memory Device (Type17)", "Memory Device", DecodeMemoryDevice},
};

}  // namespace

const TypeDecoder* FindDecoder(int type)
{
    for (const TypeDecoder& decoder : kDecoders) {
        if (decoder.type == type) {
            return &decoder;
        }
    }
    return nullptr;
}

std::string SectionTitle(const TypeDecoder& decoder, const Structure& s, int number, int count,
                         std::string_view section)
{
    switch (decoder.titleRule) {
    case TitleRule::Fixed:
        if (count >= 2 && !decoder.numberedBase.empty()) {
            return std::string(decoder.numberedBase) + "-" + Decimal(number);
        }
        return std::string(decoder.title);
    case TitleRule::SameForEvery:
        return std::string(decoder.title);
    case TitleRule::DesignationString:
    case TitleRule::PortDesignators: {
        std::string_view title = s.FindString(0x04);
        if (title.empty() && decoder.titleRule == TitleRule::PortDesignators) {
            title = s.FindString(0x06);
        }
        return std::string(title.empty() ? section : title);
    }
    }
    return std::string(section);
}

}  // namespace vantor::dmi
