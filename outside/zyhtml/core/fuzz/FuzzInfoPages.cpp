// Any text as an information INI file, through to the finished pages.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "HtmlEngine.h"
#include "IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto ini = vantor::infoini::IniDocument::Parse(text);
    const auto files = vantor::zyhtml::GenerateSite(*vantor::zyhtml::KindOf(1), &ini);
    (void)files;
    return 0;
}
