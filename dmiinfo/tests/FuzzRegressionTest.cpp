// Replays every input kept in the fuzzer's regressions folder, and a few
// hand-made malformed windows, through the same checks the fuzzer makes. A
// failure names the input: a broken invariant as a test failure, a sanitizer
// report (which ends the process) by a line printed before it ends.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#include <sanitizer/common_interface_defs.h>
#define VANTOR_HAS_SANITIZER_CALLBACK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#include <sanitizer/common_interface_defs.h>
#define VANTOR_HAS_SANITIZER_CALLBACK 1
#endif
#endif

#include "DecodeInvariants.h"
#include "ShippedNames.h"
#include "SmbiosBytes.h"
#include "SmbiosFile.h"

namespace vantor::dmi {
namespace {

using test::Bytes;

// The input being replayed, named by the sanitizers' last words.
std::string g_replaying;

void NameTheInput() { std::fprintf(stderr, "while replaying %s\n", g_replaying.c_str()); }

class ReplayNamesItsInput {
public:
    explicit ReplayNamesItsInput(std::string name)
    {
        g_replaying = std::move(name);
#ifdef VANTOR_HAS_SANITIZER_CALLBACK
        __sanitizer_set_death_callback(&NameTheInput);
#endif
    }
    ~ReplayNamesItsInput()
    {
#ifdef VANTOR_HAS_SANITIZER_CALLBACK
        __sanitizer_set_death_callback(nullptr);
#endif
        g_replaying.clear();
    }
    ReplayNamesItsInput(const ReplayNamesItsInput&) = delete;
    ReplayNamesItsInput& operator=(const ReplayNamesItsInput&) = delete;
};

TEST(FuzzRegressions, KeptInputsDecodeWithinTheirInvariants)
{
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DMIINFO_FUZZ_REGRESSIONS_DIR)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README.md") {
            continue;
        }
        const auto bytes = test::ReadFileBytes(entry.path().string());
        ASSERT_TRUE(bytes) << entry.path();
        const ReplayNamesItsInput naming(entry.path().string());
        EXPECT_EQ(fuzz::CheckDecode(*bytes, test::ShippedNames()), "") << entry.path().string();
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
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const ReplayNamesItsInput naming("hand-made window " + std::to_string(i));
        EXPECT_EQ(fuzz::CheckDecode(inputs[i], test::ShippedNames()), "") << "hand-made window " << i;
    }
}

// The check itself: an input that breaks an invariant is answered by name.
TEST(FuzzRegressions, ABrokenInvariantIsNamed)
{
    fuzz::CheckingIni ini;
    ini.RootSection(2, "Type0");  // the first Root entry numbered 2
    ini.Count("Root", 1);
    EXPECT_EQ(ini.Finish(1), "Root entries are numbered 1..n without gaps");
}

}  // namespace
}  // namespace vantor::dmi
