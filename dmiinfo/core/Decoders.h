// The structure decoders: one function per SMBIOS structure type turns a
// structure into its values (keys and texts, in writing order), and the
// table of decoded types says how each type's sections are titled.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/SmbiosNames.h"
#include "core/Structure.h"
#include "core/ValueList.h"

namespace vantor::dmi {

DecodedValues DecodeBios(const Structure& s, const SmbiosNames& names);              // type 0
DecodedValues DecodeSystem(const Structure& s, const SmbiosNames& names);            // type 1
DecodedValues DecodeBaseBoard(const Structure& s, const SmbiosNames& names);         // type 2
DecodedValues DecodeChassis(const Structure& s, const SmbiosNames& names);           // type 3
DecodedValues DecodeProcessor(const Structure& s, const SmbiosNames& names);         // type 4
DecodedValues DecodeMemoryController(const Structure& s, const SmbiosNames& names);  // type 5
DecodedValues DecodeMemoryModule(const Structure& s, const SmbiosNames& names);      // type 6
DecodedValues DecodeCache(const Structure& s, const SmbiosNames& names);             // type 7
DecodedValues DecodePortConnector(const Structure& s, const SmbiosNames& names);     // type 8
DecodedValues DecodeSystemSlot(const Structure& s, const SmbiosNames& names);        // type 9
DecodedValues DecodeDescriptions(const Structure& s, const SmbiosNames& names);      // types 11, 12
DecodedValues DecodeBiosLanguage(const Structure& s, const SmbiosNames& names);      // type 13
DecodedValues DecodeGroupAssociation(const Structure& s, const SmbiosNames& names);  // type 14
DecodedValues DecodeMemoryArray(const Structure& s, const SmbiosNames& names);       // type 16
DecodedValues DecodeMemoryDevice(const Structure& s, const SmbiosNames& names);      // type 17

// How a type's value sections are titled.
enum class TitleRule {
    Fixed,              // `title` for a lone structure, "%s-%d" of `numberedBase` when numbered
    SameForEvery,       // `title` for every structure
    DesignationString,  // the string at 0x04
    PortDesignators,    // the string at 0x04, else the string at 0x06
};

enum class Structures {
    FirstOnly,
    Every
};

struct TypeDecoder {
    std::uint8_t type;
    Structures structures;
    TitleRule titleRule;
    std::string_view title;
    std::string_view numberedBase;
    DecodedValues (*decode)(const Structure&, const SmbiosNames&);
};

// nullptr for a type without a decoder (10, 15, 18 and above).
const TypeDecoder* FindDecoder(int type);

// The display name of structure `number` (from 1) of `count` structures of the
// decoder's type, whose section is `section`. A title taken from a string falls
// back to the section's own name when the structure has no such string.
std::string SectionTitle(const TypeDecoder& decoder, const Structure& s, int number, int count,
                         std::string_view section);

}  // namespace vantor::dmi
