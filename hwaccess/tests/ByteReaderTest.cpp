#include "core/ByteReader.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstddef>
#include <limits>

namespace vantor::hw {
namespace {

const std::array<std::uint8_t, 6> kBytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06};

TEST(ByteReader, ReadsLittleEndianWordsInOrder)
{
    ByteReader reader(kBytes);
    EXPECT_EQ(reader.ReadU16(), 0x0201);
    EXPECT_EQ(reader.ReadU32(), 0x06050403u);
    EXPECT_TRUE(reader.Ok());
    EXPECT_EQ(reader.Offset(), 6u);
}

// One failed read spoils the rest, so a decoder checks once at the end.
TEST(ByteReader, AReadPastTheEndYieldsZeroAndStaysFailed)
{
    ByteReader reader(kBytes);
    reader.Seek(4);
    EXPECT_EQ(reader.ReadU32(), 0u) << "only two bytes remain";
    EXPECT_FALSE(reader.Ok());

    reader.Seek(0);
    EXPECT_EQ(reader.ReadU16(), 0) << "a failed reader reads nothing, even in bounds";
    EXPECT_TRUE(reader.ReadBytes(1).empty());
    EXPECT_FALSE(reader.Ok());
}

TEST(ByteReader, SkipAndSeekAreBoundedToo)
{
    ByteReader skipper(kBytes);
    skipper.Skip(6);
    EXPECT_TRUE(skipper.Ok()) << "skipping to the very end is fine";
    skipper.Skip(1);
    EXPECT_FALSE(skipper.Ok());

    ByteReader seeker(kBytes);
    seeker.Seek(7);
    EXPECT_FALSE(seeker.Ok());

    // A huge count must not wrap the bounds check around.
    ByteReader huge(kBytes);
    huge.Skip(2);
    huge.Skip(std::numeric_limits<std::size_t>::max());
    EXPECT_FALSE(huge.Ok());
}

}  // namespace
}  // namespace vantor::hw
