#include "AcpiBytes.h"

#include <gtest/gtest.h>

namespace boardsim::test {
namespace {

class SteadyBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        BsLoadError error{};
        ASSERT_EQ(board.Load(ReadFile(BOARDSIM_TEST_BOARDS_DIR "/steady.ini"), &error), BS_OK)
                << error.line << ": " << error.message;
    }

    std::uint32_t Answer(const Bytes& request, std::size_t element = 0)
    {
        auto answer = board.Call(request, 987654321);
        EXPECT_EQ(answer.status, BS_OK);
        EXPECT_EQ(answer.result.fault, "");
        return element < answer.result.elements.size() ? answer.result.elements[element].integer : 0xDEADBEEF;
    }

    std::uint32_t Write(std::uint32_t itemId, std::int32_t value)
    {
        return Answer(IntegersCall(Name("PROC"), {itemId, static_cast<std::uint32_t>(value), 1}));
    }

    LoadedBoard board;
};

TEST_F(SteadyBoard, AnswersExactlyWhatItsFileSays)
{
    EXPECT_EQ(Answer(IntegerCall(Name("RVLT"), 0x06020000)), 1504u);
    EXPECT_EQ(Answer(IntegerCall(Name("RTMP"), 0x06030000)), static_cast<std::uint32_t>(-15));
    EXPECT_EQ(Answer(IntegerCall(Name("RTMP"), 0x06030001)), 455u);
    EXPECT_EQ(Answer(IntegerCall(Name("RFAN"), 0x06040000)), 2410u);
    // Flags pass through untouched, and the firmware lists every sensor:
    // telling listed from present is the reader's business.
    EXPECT_EQ(Answer(NoArgumentCall(Name("TMB_")), 4), 0x00010001u);
    EXPECT_EQ(Answer(NoArgumentCall(Name("FCPU")), 4), 2u);
    auto fans = board.Call(NoArgumentCall(Name("FSIF")));
    ASSERT_EQ(fans.result.elements.size(), 2u);
    EXPECT_EQ(fans.result.elements[1].text, "FCPU");
    // The element layout of a list: count, then 9-byte names.
    auto temperatures = board.Call(NoArgumentCall(Name("TSIF")));
    EXPECT_EQ(temperatures.length, 12u + 8u + 9u + 9u);
    EXPECT_EQ(temperatures.result.count, 3u);
    EXPECT_EQ(temperatures.result.signature, 0x426F6541u);
}

TEST_F(SteadyBoard, WritesOnlyAvailableItemsWithinTheirBounds)
{
    // Locked item: read as not available, and PROC refuses with 1.
    EXPECT_EQ(Answer(IntegerCall(Name("OCOP"), 0x04060006), 3), 0u);
    EXPECT_EQ(Write(0x04060006, 1), 1u);
    EXPECT_EQ(Answer(IntegerCall(Name("OCOP"), 0x04060006), 2), 0u);

    // value1 is reported as given.
    EXPECT_EQ(Answer(IntegerCall(Name("OCOP"), 0x04060003), 1), 1u);

    // Numeric item 25..75: the bounds are inclusive.
    const struct {
        std::int32_t value;
        std::uint32_t status;
    } writes[] = {{25, 3}, {75, 3}, {24, 2}, {76, 2}, {-1, 2}, {50, 3}};
    for (const auto& w : writes) {
        EXPECT_EQ(Write(0x04020001, w.value), w.status) << w.value;
    }
    EXPECT_EQ(Answer(IntegerCall(Name("OCOP"), 0x04020001), 2), 50u);
    auto numeric = board.Call(IntegerCall(Name("OCOP"), 0x04020001));
    EXPECT_EQ(numeric.result.elements.size(), 4u) << "no option names";
}

TEST_F(SteadyBoard, RefusesTestControl)
{
    EXPECT_EQ(BsBoardTestControl(board.get()), 0);
    BsSetRawRequest raw{Name("RVLT"), 0x06020000, 1};
    BsFailMethodRequest fail{Name("RVLT"), 1};
    EXPECT_EQ(BsSetRaw(board.get(), &raw, sizeof raw), BS_DENIED);
    EXPECT_EQ(BsSetRaw(board.get(), &raw, 3), BS_DENIED);
    EXPECT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_DENIED);
    EXPECT_EQ(BsFailMethod(board.get(), nullptr, 0), BS_DENIED);
    EXPECT_EQ(Answer(IntegerCall(Name("RVLT"), 0x06020000)), 1504u);
}

TEST(BoardMethods, ABoardServesOnlyWhatItDescribes)
{
    LoadedBoard board;
    ASSERT_EQ(board.Load("[board]\nname = Voltages only\n"
                         "[sensor VCOR]\nid = 0x06020000\nname = Vcore\nlow = 1\nhigh = 2\nvalue = 1\n"),
              BS_OK);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("VSIF"))).status, BS_OK);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("TSIF"))).status, BS_NO_SUCH_METHOD);
    EXPECT_EQ(board.Call(IntegerCall(Name("RFAN"), 0x06040000)).status, BS_NO_SUCH_METHOD);
    EXPECT_EQ(board.Call(IntegerCall(Name("OCOP"), 0x04060003)).status, BS_NO_SUCH_METHOD);
    EXPECT_EQ(board.Call(IntegersCall(Name("PROC"), {0x04060003, 1, 1})).status, BS_NO_SUCH_METHOD);
}

}  // namespace
}  // namespace boardsim::test
