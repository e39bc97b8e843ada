#include "ResultWriter.h"

#include "AcpiBytes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace boardsim::test {
namespace {

TEST(ResultWriter, LaysOutHeaderIntegersAndPaddedStrings)
{
    std::uint8_t out[64];
    std::memset(out, 0xCC, sizeof out);
    ResultWriter writer(out);
    writer.Integer(0x06020000);
    writer.String("VCOR");  // DataLength 5, next element 9 bytes on
    writer.String("AB");    // DataLength 3, padded to 4
    writer.Integer(0xFFFFFFF1);
    std::size_t length = 0;
    ASSERT_EQ(writer.Finish(&length), BS_OK);

    const std::uint8_t expected[] = {
            0x41, 0x65, 0x6F, 0x42,                             // signature 'BoeA'
            45,   0,    0,    0,                                // Length: everything written
            4,    0,    0,    0,                                // Count
            0,    0,    4,    0,    0x00, 0x00, 0x02, 0x06,     // integer 0x06020000 (value at 16)
            1,    0,    5,    0,    'V',  'C',  'O',  'R',  0,  // string "VCOR"
            1,    0,    3,    0,    'A',  'B',  0,    0,        // string "AB", one pad byte
            0,    0,    4,    0,    0xF1, 0xFF, 0xFF, 0xFF,     // integer -15
    };
    ASSERT_EQ(length, sizeof expected);
    EXPECT_EQ(0, std::memcmp(out, expected, sizeof expected));
    EXPECT_EQ(out[sizeof expected], 0xCC) << "wrote past its result";
}

TEST(ResultWriter, TooSmallBufferIsNeverOverrun)
{
    // A result of 12 + 8 + 13 bytes into every smaller capacity, with a
    // canary behind it.
    constexpr std::size_t kNeeded = 33;
    for (std::size_t capacity = 0; capacity <= kNeeded; ++capacity) {
        std::uint8_t out[kNeeded + 8];
        std::memset(out, 0xCC, sizeof out);
        ResultWriter writer(std::span<std::uint8_t>(out, capacity));
        writer.Integer(1);
        writer.String("ABCDEFGH");
        std::size_t length = 0;
        BsStatus status = writer.Finish(&length);
        EXPECT_EQ(length, kNeeded) << "capacity " << capacity;
        EXPECT_EQ(status, capacity == kNeeded ? BS_OK : BS_RESULT_TOO_LARGE) << "capacity " << capacity;
        for (std::size_t i = capacity; i < sizeof out; ++i) {
            ASSERT_EQ(out[i], 0xCC) << "capacity " << capacity << " byte " << i;
        }
    }
}

}  // namespace
}  // namespace boardsim::test
