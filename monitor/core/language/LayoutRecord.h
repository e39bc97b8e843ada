// One row of a window's compiled-in layout table: where a control sits, how
// big it is and its font height. The first row of a table describes the
// window itself (left and top on the screen); the others are relative to the
// control's parent. The 56-byte layout is fixed: a 36-byte zero-padded ANSI
// name and five signed 32-bit figures.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace vantor::monitor {

struct LayoutRecord {
    char Name[36];
    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Width;
    std::int32_t Height;
    // Toolkit convention: negative = character height in pixels. Only the
    // control types that carry a font use it.
    std::int32_t FontHeight;

    std::string_view NameView() const { return {Name, strnlen(Name, sizeof Name)}; }
};

static_assert(sizeof(LayoutRecord) == 56, "layout rows are 56 bytes");

using LayoutTable = std::span<const LayoutRecord>;

}  // namespace vantor::monitor
