// libFuzzer target: any bytes as a language file, then a lookup and a format
// expansion with the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Dictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vantor::zymultilang::Dictionary dictionary = vantor::zymultilang::Dictionary::Parse(text);
    const std::size_t tab = text.find('\t');
    dictionary.Find(text.substr(0, tab == std::string_view::npos ? text.size() : tab));
    vantor::zymultilang::ExpandFormat(text, text.substr(0, size / 2));
    return 0;
}
