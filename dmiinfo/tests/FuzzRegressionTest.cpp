// Replays every input kept in the fuzzer's regressions folder, and a few
// hand-made malformed windows, through the same checks the fuzzer makes.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "DecodeInvariants.h"
#include "ShippedNames.h"
#include "SmbiosBytes.h"
#include "SmbiosFile.h"

namespace vantor::dmi {
namespace {

using test::Bytes;

TEST(FuzzRegressions, KeptInputsDecodeWithinTheirInvariants)
{
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DMIINFO_FUZZ_REGRESSIONS_DIR)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README.md") {
            continue;
        }
        const auto bytes = test::ReadFileBytes(entry.path().string());
        ASSERT_TRUE(bytes) << entry.path();
        SCOPED_TRACE(entry.path().filename().string());
        fuzz::CheckDecode(*bytes, test::ShippedNames());
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << "nothing found in " DMIINFO_FUZZ_REGRESSIONS_DIR;
}

TEST(FuzzRegressions, HandMadeMalformedWindows)
{
    const auto prefixed = [](std::uint16_t length, Bytes window) {
        window.insert(window.begin(), {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8)});
        return window;
    };
    const std::vector<Bytes> inputs = {
            prefixed(0xFFFF, {17, 0x15, 0, 0}),                                                   // cut formatted area
            prefixed(0xFFFF, {4, 0, 0, 0, 4, 0, 0, 0}),                                           // zero length
            prefixed(0xFFFF, Bytes(64, 0x41)),                                                    // no NUL anywhere
            prefixed(8, test::Table({test::Struct(11, {200}, {"a"}), test::Struct(13, {255})})),  // counts past the set
            prefixed(0xFFFF, test::Struct(13, {255}, {"x|y"})),
            {'_', 'D', 'M', 'I', '_', 0, 0x10},  // anchor cut short
    };
    for (const Bytes& input : inputs) {
        fuzz::CheckDecode(input, test::ShippedNames());
    }
    SUCCEED();  // the checks trap on a broken invariant; ASan on a stray read
}

}  // namespace
}  // namespace vantor::dmi
