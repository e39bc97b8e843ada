#include "core/MethodCallRequest.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantor::hw {
namespace {

static_assert(MethodName("RTMP").Word() == 0x504D5452, "first character in the lowest byte");
static_assert(MethodName::FromChars("TSI0XYZ") == MethodName("TSI0"));
static_assert(MethodName::FromChars("AB").Word() == 0x4241);

TEST(MethodName, CharsComeBackInStringOrder)
{
    const auto chars = MethodName("OCOP").Chars();
    EXPECT_EQ(std::string(chars.begin(), chars.end()), "OCOP");
}

// Every case is named "TEST", which a request carries as its four bytes in
// string order, and passes this block address.
constexpr std::uint32_t kAddress = 0x12345678;

struct RequestCase {
    const char* label;
    ArgumentBlock block;
    RequestLayout layout;
    std::vector<std::uint8_t> expected;
};

const std::array<std::uint32_t, 1> kOneWord = {0xA1B2C3D4};
const std::array<std::uint32_t, 3> kThreeWords = {1, 0x200, 0x30000};

std::vector<RequestCase> RequestCases()
{
    return {
            {"no argument, pointer layout",
             ArgumentBlock::None(),
             RequestLayout::Pointer,
             {1,   0,   0,   0,                // ArgumentForm: no arguments
              'T', 'E', 'S', 'T', 0, 0, 0, 0,  // count
              0,   0,   0,   0,                // block size
              0,   0,   0,   0}},              // address 0: there is no block
            {"no argument, inline layout keeps the 20-byte pointer form",
             ArgumentBlock::None(),
             RequestLayout::Inline,
             {1, 0, 0, 0, 'T', 'E', 'S', 'T', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
            {"one integer, pointer layout",
             ArgumentBlock::Integer(0x06030001),
             RequestLayout::Pointer,
             {2,    0,    0,    0,                // ArgumentForm: one integer
              'T',  'E',  'S',  'T', 1, 0, 0, 0,  // count
              8,    0,    0,    0,                // block size
              0x78, 0x56, 0x34, 0x12}},           // block address
            {"one integer, inline layout",
             ArgumentBlock::Integer(0x06030001),
             RequestLayout::Inline,
             {2,    0,    0,    0,   'T', 'E', 'S', 'T', 1, 0,
              0,    0,    8,    0,   0,   0,   0,   0,   4, 0,  // Type integer, DataLength 4
              0x01, 0x00, 0x03, 0x06}},                         // value
            {"three integers, pointer layout",
             ArgumentBlock::Integers(0x04060003, 1, 1),
             RequestLayout::Pointer,
             {4,    0,    0,    0,                // ArgumentForm: argument list
              'T',  'E',  'S',  'T', 3, 0, 0, 0,  // count
              24,   0,    0,    0,                // block size
              0x78, 0x56, 0x34, 0x12}},           // block address
            {"three integers, inline layout, in argument order",
             ArgumentBlock::Integers(0x04060003, 0x11, 0x22),
             RequestLayout::Inline,
             {4, 0, 0, 0, 'T',  'E', 'S', 'T', 3, 0, 0, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0x03, 0x00, 0x06, 0x04,  // a
              0, 0, 4, 0, 0x11, 0,   0,   0,                                                                 // b
              0, 0, 4, 0, 0x22, 0,   0,   0}},                                                               // c
            {"buffer of one word, inline layout",
             *ArgumentBlock::Buffer(kOneWord),
             RequestLayout::Inline,
             {4,    0,    0,    0,   'T', 'E', 'S', 'T', 1, 0,
              0,    0,    8,    0,   0,   0,   2,   0,   4, 0,  // Type buffer, DataLength 4
              0xD4, 0xC3, 0xB2, 0xA1}},                         // the word
            {"buffer of three words, inline layout",
             *ArgumentBlock::Buffer(kThreeWords),
             RequestLayout::Inline,
             {4, 0, 0, 0, 'T', 'E', 'S', 'T', 1, 0, 0, 0, 16, 0, 0, 0, 2, 0, 12, 0,  // Type buffer, DataLength 12
              1, 0, 0, 0, 0,   2,   0,   0,   0, 0, 3, 0}},
            {"buffer of three words, pointer layout",
             *ArgumentBlock::Buffer(kThreeWords),
             RequestLayout::Pointer,
             {4, 0, 0, 0, 'T', 'E', 'S', 'T', 1, 0, 0, 0, 16, 0, 0, 0, 0x78, 0x56, 0x34, 0x12}},
            {"empty buffer still takes the 4-byte minimum",
             *ArgumentBlock::Buffer(std::span<const std::uint32_t>()),
             RequestLayout::Inline,
             {4, 0, 0, 0, 'T', 'E', 'S', 'T', 1, 0, 0, 0, 8, 0, 0, 0, 2, 0, 0, 0,  // Type buffer, DataLength 0
              0, 0, 0, 0}},                                                        // padding
    };
}

TEST(MethodCallRequest, EncodesEveryShapeInBothLayouts)
{
    for (const RequestCase& c : RequestCases()) {
        SCOPED_TRACE(c.label);
        const MethodCallRequest request("TEST", c.block, c.layout, kAddress);
        const std::vector<std::uint8_t> actual(request.Bytes().begin(), request.Bytes().end());
        EXPECT_EQ(actual, c.expected);
    }
}

TEST(MethodCallRequest, BufferIsCappedAtItsFixedStorage)
{
    const std::vector<std::uint32_t> largest(kMaxBufferWords, 0xFFFFFFFF);
    const auto block = ArgumentBlock::Buffer(largest);
    ASSERT_TRUE(block.has_value());
    const MethodCallRequest request("TEST", *block, RequestLayout::Inline, 0);
    EXPECT_EQ(request.Bytes().size(), kRequestHeaderSize + 4 + 4 * kMaxBufferWords);
    EXPECT_EQ(request.Bytes().back(), 0xFF);

    const std::vector<std::uint32_t> tooMany(kMaxBufferWords + 1, 0);
    EXPECT_FALSE(ArgumentBlock::Buffer(tooMany).has_value());
}

}  // namespace
}  // namespace vantor::hw
