#include "core/ResultList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "ResultBuilder.h"

namespace vantor::hw {
namespace {

using test::ResultBuilder;

// The 12 bytes before the elements: signature "BoAA", a length the reader
// ignores, and Count.
std::vector<std::uint8_t> Result(std::uint8_t count, std::initializer_list<std::uint8_t> elements)
{
    std::vector<std::uint8_t> bytes = {'A', 'A', 'o', 'B', 0x40, 0, 0, 0, count, 0, 0, 0};
    bytes.insert(bytes.end(), elements);
    bytes.resize(kResultSize, 0);
    return bytes;
}

struct SteppingCase {
    const char* label;
    std::vector<std::uint8_t> bytes;
    std::size_t dataLength;
    std::string_view text;
};

// Element 0 takes 4 + max(4, DataLength) bytes; element 1, the integer
// 0x11223344, only reads right when the step was right.
TEST(ResultList, StepsOverEachElementByItsDataLength)
{
    const SteppingCase cases[] = {
            {"DataLength 2: padded to 4, next 8 bytes on",
             Result(2, {1, 0, 2, 0, 'A', 0, 0xEE, 0xEE,  // string "A", two padding bytes
                        0, 0, 4, 0, 0x44, 0x33, 0x22, 0x11}),
             2, "A"},
            {"DataLength 4: next 8 bytes on",
             Result(2, {1, 0, 4, 0, 'A', 'B', 'C', 0,  // string "ABC"
                        0, 0, 4, 0, 0x44, 0x33, 0x22, 0x11}),
             4, "ABC"},
            {"DataLength 5: next 9 bytes on",
             Result(2, {1, 0, 5, 0, 'A', 'B', 'C', 'D', 0,  // string "ABCD"
                        0, 0, 4, 0, 0x44, 0x33, 0x22, 0x11}),
             5, "ABCD"},
            {"DataLength 12: next 16 bytes on",
             Result(2, {2, 0, 12, 0, 1,    2,    3,    4,   5, 6, 7, 8, 9, 10, 11, 12,  // 12-byte buffer
                        0, 0, 4,  0, 0x44, 0x33, 0x22, 0x11}),
             12, ""},
            {"a 64-bit integer: next 12 bytes on",
             Result(2, {0, 0, 8, 0, 0x78, 0x56, 0x34, 0x12, 0x01, 0, 0, 0,  // 0x112345678
                        0, 0, 4, 0, 0x44, 0x33, 0x22, 0x11}),
             8, ""},
    };
    for (const SteppingCase& c : cases) {
        SCOPED_TRACE(c.label);
        const ResultList list(c.bytes);
        ASSERT_EQ(list.Size(), 2u);
        EXPECT_EQ(list.DataAt(0).size(), c.dataLength);
        EXPECT_EQ(list.StringAt(0), c.text);
        EXPECT_EQ(list.IntegerAt(1), 0x11223344u);
    }
}

TEST(ResultList, AnIntegerReadsItsLow32BitsWhateverItsWidth)
{
    const auto bytes = Result(1, {0, 0, 8, 0, 0x78, 0x56, 0x34, 0x12, 0x01, 0, 0, 0});
    const ResultList list(bytes);
    EXPECT_EQ(list.IntegerAt(0), 0x12345678u);
}

TEST(ResultList, AccessorsAnswerOnlyForTheirOwnType)
{
    const ResultBuffer bytes = ResultBuilder()
                                       .Integer(5)
                                       .String("Vcore")
                                       .Header(ArgumentType::Buffer, 3)
                                       .Word(0x00434241)
                                       .Header(static_cast<ArgumentType>(7), 4)
                                       .Word(9)
                                       .Build();
    const ResultList list(bytes);
    ASSERT_EQ(list.Size(), 4u);

    EXPECT_EQ(list.TypeAt(0), ArgumentType::Integer);
    EXPECT_EQ(list.StringAt(0), "");

    EXPECT_EQ(list.TypeAt(1), ArgumentType::String);
    EXPECT_EQ(list.StringAt(1), "Vcore");
    EXPECT_EQ(list.IntegerAt(1), 0u) << "a string's characters are not its value";

    EXPECT_EQ(list.TypeAt(2), ArgumentType::Buffer);
    EXPECT_EQ(list.StringAt(2), "");
    EXPECT_EQ(list.IntegerAt(2), 0u);
    EXPECT_EQ(list.DataAt(2).size(), 3u);

    EXPECT_EQ(list.TypeAt(3), static_cast<ArgumentType>(7));
    EXPECT_EQ(list.IntegerAt(3), 0u);

    EXPECT_EQ(list.TypeAt(4), std::nullopt);
    EXPECT_EQ(list.IntegerAt(4), 0u);
    EXPECT_EQ(list.StringAt(4), "");
    EXPECT_TRUE(list.DataAt(4).empty());
}

TEST(ResultList, StringEndsAtItsFirstNulOrAtDataLength)
{
    const auto bytes = Result(2, {
                                         1, 0, 6, 0, 'A', 'B', 0, 'C', 'D', 0,  // "AB", then bytes after the NUL
                                         1, 0, 3, 0, 'X', 'Y', 'Z', 'W',        // "XYZ" without a NUL; 'W' is padding
                                 });
    const ResultList list(bytes);
    ASSERT_EQ(list.Size(), 2u);
    EXPECT_EQ(list.StringAt(0), "AB");
    EXPECT_EQ(list.StringAt(1), "XYZ");
}

TEST(ResultList, SplitsCountIntoItsTwoLowBytes)
{
    const ResultBuffer bytes = ResultBuilder().Count(0x00000305).Build();
    const ResultList list(bytes);
    EXPECT_EQ(list.Count(), 0x305u);
    EXPECT_EQ(list.CountLowByte(), 5);
    EXPECT_EQ(list.CountSecondByte(), 3);
}

std::vector<std::uint8_t> Cut(const ResultBuffer& bytes, std::size_t size)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

std::vector<std::uint8_t> Grown(const ResultBuffer& bytes, std::size_t size)
{
    std::vector<std::uint8_t> grown(bytes.begin(), bytes.end());
    grown.resize(size, 0);
    return grown;
}

struct MalformedCase {
    const char* label;
    std::vector<std::uint8_t> bytes;
    std::size_t expectedSize;
};

// A result that claims more than its bytes hold ends at the last whole
// element; nothing past the end is read (the sanitizers watch the cut copies).
TEST(ResultList, EndsTheListWhereTheBufferEnds)
{
    const ResultBuffer twoOfFive = ResultBuilder().Integer(1).Integer(2).Count(5).Build();
    const ResultBuffer longString =
            ResultBuilder().Integer(7).Header(ArgumentType::String, 0xFFFF).Word(0x41414141).Integer(9).Build();
    const ResultBuffer fillsBuffer = ResultBuilder().Header(ArgumentType::Buffer, kResultSize - 16).Build();
    const ResultBuffer oneBytePast = ResultBuilder().Header(ArgumentType::Buffer, kResultSize - 15).Build();
    const ResultBuffer hugeCount = ResultBuilder().Count(0xFFFFFFFF).Build();

    const MalformedCase cases[] = {
            {"Count past the end of a short result", Cut(twoOfFive, 12 + 8 + 8), 2},
            {"an element header cut by the end", Cut(twoOfFive, 12 + 8 + 2), 1},
            {"an element's data cut by the end", Cut(twoOfFive, 12 + 8 + 4 + 2), 1},
            {"fewer bytes than the Count word", Cut(twoOfFive, 10), 0},
            {"DataLength past the end of the buffer", {longString.begin(), longString.end()}, 1},
            {"an element ending exactly at the end is whole", {fillsBuffer.begin(), fillsBuffer.end()}, 1},
            {"an element one byte longer than the buffer", {oneBytePast.begin(), oneBytePast.end()}, 0},
            {"bytes past the result size are not part of the result", Grown(oneBytePast, 2048), 0},
            {"huge Count over a zeroed buffer: as many 8-byte elements as fit",
             {hugeCount.begin(), hugeCount.end()},
             kMaxResultElements},
            {"huge Count over a longer input still stops at the result size", Grown(hugeCount, 4096),
             kMaxResultElements},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.label);
        const ResultList list(c.bytes);
        EXPECT_EQ(list.Size(), c.expectedSize);
        EXPECT_EQ(list.TypeAt(c.expectedSize), std::nullopt);
        EXPECT_EQ(list.IntegerAt(c.expectedSize), 0u);
        EXPECT_EQ(list.StringAt(c.expectedSize), "");
    }
}

TEST(ResultList, KeepsTheElementsBeforeAnOverlongOne)
{
    const ResultBuffer bytes =
            ResultBuilder().Integer(7).Header(ArgumentType::String, 0xFFFF).Word(0x41414141).Integer(9).Build();
    const ResultList list(bytes);
    EXPECT_EQ(list.IntegerAt(0), 7u);
    EXPECT_EQ(list.IntegerAt(2), 0u) << "no element is read after the one that ran off";
}

TEST(ResultList, AWholeBufferElementSpansToTheLastByte)
{
    ResultBuffer bytes = ResultBuilder().Header(ArgumentType::Buffer, kResultSize - 16).Build();
    bytes.back() = 0xAB;
    const ResultList list(bytes);
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.DataAt(0).size(), kResultSize - 16);
    EXPECT_EQ(list.DataAt(0).back(), 0xAB);
}

}  // namespace
}  // namespace vantor::hw
