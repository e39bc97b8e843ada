// The group interface: GGRP, GITM and SITM with their one buffer argument,
// item objects of kinds 1 to 8, the trial and applying writes of SITM with
// the restart rule, and Extra1 on the group board.
#include "AcpiBytes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace boardsim::test {
namespace {

class GroupBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        BsLoadError error{};
        ASSERT_EQ(board.Load(ReadFile(BOARDSIM_BOARDS_DIR "/group.ini"), &error), BS_OK)
                << error.line << ": " << error.message;
    }

    // GITM: [status, value].
    std::string Set(std::uint32_t itemId, std::uint32_t value, std::uint32_t mode)
    {
        auto answer = board.Call(WordsCall(Name("SITM"), {itemId, value, mode}));
        EXPECT_EQ(answer.status, BS_OK);
        EXPECT_EQ(answer.result.fault, "");
        return Show(answer.result.elements);
    }

    std::uint32_t Value(std::uint32_t itemId)
    {
        auto answer = board.Call(WordsCall(Name("GITM"), {itemId}));
        EXPECT_EQ(answer.result.elements.size(), 1u);
        return answer.result.elements.empty() ? 0xDEAD : answer.result.elements[0].words.at(1);
    }

    LoadedBoard board;
};

// The shape the library sends: form 4, one argument of Type 2 whose
// DataLength is four bytes per word. Everything else is refused.
TEST_F(GroupBoard, TakesExactlyOneBufferOfWords)
{
    auto words = [](std::initializer_list<std::uint32_t> values) {
        Bytes data;
        for (std::uint32_t value : values) {
            PutU32(data, value);
        }
        return data;
    };
    auto block = [](std::initializer_list<Bytes> arguments) {
        Bytes bytes;
        for (const Bytes& argument : arguments) {
            bytes.insert(bytes.end(), argument.begin(), argument.end());
        }
        return bytes;
    };
    const Bytes item = BufferArgument(words({0x04050012}));
    const struct {
        const char* what;
        Bytes request;
        BsStatus status;
    } cases[] = {
            {"GITM, one word", InlineRequest(4, Name("GITM"), 1, 8, item), BS_OK},
            {"SITM, three words", InlineRequest(4, Name("SITM"), 1, 16, BufferArgument(words({0x04050012, 5, 0}))),
             BS_OK},
            {"GGRP, one word", WordsCall(Name("GGRP"), {4}), BS_OK},
            {"GITM, one integer (form 2)", IntegerCall(Name("GITM"), 0x04050012), BS_BAD_REQUEST},
            {"GITM, one integer in a list", IntegersCall(Name("GITM"), {0x04050012}), BS_BAD_REQUEST},
            {"GITM, no argument", NoArgumentCall(Name("GITM")), BS_BAD_REQUEST},
            {"GITM, two words", WordsCall(Name("GITM"), {0x04050012, 0}), BS_BAD_REQUEST},
            {"GITM, empty buffer", InlineRequest(4, Name("GITM"), 1, 8, RawArgument(2, 0, Bytes(4, 0))),
             BS_BAD_REQUEST},
            {"GITM, three bytes", InlineRequest(4, Name("GITM"), 1, 8, RawArgument(2, 3, Bytes{0x12, 0, 5, 0})),
             BS_BAD_REQUEST},
            {"GITM, five bytes", InlineRequest(4, Name("GITM"), 1, 9, RawArgument(2, 5, Bytes{0x12, 0, 5, 4, 0})),
             BS_BAD_REQUEST},
            {"GITM, two buffers", InlineRequest(4, Name("GITM"), 2, 16, block({item, item})), BS_BAD_REQUEST},
            {"GITM, a string", InlineRequest(4, Name("GITM"), 1, 8, StringArgument("GC1")), BS_BAD_REQUEST},
            {"SITM, three integers", IntegersCall(Name("SITM"), {0x04050012, 5, 1}), BS_BAD_REQUEST},
            {"SITM, two words", WordsCall(Name("SITM"), {0x04050012, 5}), BS_BAD_REQUEST},
            {"SITM, four words", WordsCall(Name("SITM"), {0x04050012, 5, 1, 0}), BS_BAD_REQUEST},
            {"GGRP, no argument", NoArgumentCall(Name("GGRP")), BS_BAD_REQUEST},
            {"GGRP, one integer", IntegerCall(Name("GGRP"), 4), BS_BAD_REQUEST},
            {"GITM, pointer layout", PointerRequest(4, Name("GITM"), 1, 8, 0x0012F000), BS_UNSUPPORTED_LAYOUT},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(board.Call(c.request).status, c.status) << c.what;
    }
    // None of the refused writes changed the item.
    EXPECT_EQ(Value(0x04050012), 4u);
}

TEST_F(GroupBoard, GitmAnswersOneEightByteBuffer)
{
    const Bytes request = WordsCall(Name("GITM"), {0x04030013});
    std::uint8_t out[64] = {};
    std::size_t length = 0;
    ASSERT_EQ(BsEvaluate(board.get(), request.data(), request.size(), out, sizeof out, &length, 0), BS_OK);
    const Bytes expected = {
            0x41, 0x65, 0x6F, 0x42,  // signature 'BoeA'
            24,   0,    0,    0,     // length
            1,    0,    0,    0,     // one element
            2,    0,    8,    0,     // Type 2 (buffer), DataLength 8
            3,    0,    0,    0,     // word 0: status, read
            2,    0,    0,    0,     // word 1: current value
    };
    EXPECT_EQ(Bytes(out, out + length), expected);
}

// SITM(ItemId, value, mode). Mode 0 is a trial: nothing is written, and the
// status is 3 only when the value is accepted, differs from the current one
// and the item needs a restart (4 when it is accepted without). Any other
// mode writes and answers 3. Word 1 is the item's value after the call.
TEST_F(GroupBoard, SitmTrialReportsRestartsAndApplyWrites)
{
    const struct {
        const char* what;
        std::uint32_t itemId;
        std::uint32_t value;
        std::uint32_t mode;
        const char* answer;
        std::uint32_t after;
    } steps[] = {
            {"trial, restart item, new value", 0x04080011, 1, 0, "[{3, 0}]", 0},
            {"trial, restart item, same value", 0x04080011, 0, 0, "[{4, 0}]", 0},
            {"trial, plain item, new value", 0x04050012, 6, 0, "[{4, 4}]", 4},
            {"trial, value out of range", 0x04050012, 8, 0, "[{2, 4}]", 4},
            {"trial, unknown item", 0x04050099, 1, 0, "[{0, 0}]", 0},
            {"apply, restart item", 0x04080011, 1, 1, "[{3, 1}]", 1},
            {"trial after the write", 0x04080011, 1, 0, "[{4, 1}]", 1},
            {"trial back", 0x04080011, 0, 0, "[{3, 1}]", 1},
            {"apply, plain item", 0x04050012, 7, 1, "[{3, 7}]", 7},
            {"apply, value out of range", 0x04050012, 0xFFFFFFFF, 1, "[{2, 7}]", 7},
            {"apply, unknown item", 0x04050099, 1, 1, "[{0, 0}]", 0},
            {"any non-zero mode applies", 0x04030013, 5, 2, "[{3, 5}]", 5},
            {"switch: on and off only", 0x04070014, 2, 1, "[{2, 1}]", 1},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(Set(step.itemId, step.value, step.mode), step.answer) << step.what;
        EXPECT_EQ(Value(step.itemId), step.after) << step.what;
    }
    // OCOP and GITM see the one value.
    EXPECT_EQ(board.Call(IntegerCall(Name("OCOP"), 0x04080011)).result.elements.at(2).integer, 1u);
}

// The library's commit: every item written as a trial (control 0), whose
// answers together say whether a restart is needed, then applied (control
// 0x1000, mode 1).
TEST_F(GroupBoard, CommitAsksForARestartOnlyWhenARestartItemChanges)
{
    std::map<std::uint32_t, std::uint32_t> values;
    for (std::uint32_t itemId : {0x04080000u, 0x04080011u, 0x04050012u, 0x04030013u, 0x04070014u, 0x04080021u,
                                 0x04050022u, 0x04030023u, 0x04010024u}) {
        values[itemId] = Value(itemId);
    }
    auto commit = [&](std::uint32_t mode) {
        bool any = false;
        for (const auto& [itemId, value] : values) {
            auto answer = board.Call(WordsCall(Name("SITM"), {itemId, value, mode}));
            any = any || (answer.result.elements.at(0).words.at(0) & 3) == 3;
        }
        return any;
    };
    EXPECT_FALSE(commit(0)) << "nothing changed";
    values[0x04050012] = 6;
    values[0x04010024] = 3;
    EXPECT_FALSE(commit(0)) << "changes that need no restart";
    EXPECT_EQ(Value(0x04050012), 4u) << "a trial writes nothing";
    values[0x04080021] = 0;
    EXPECT_TRUE(commit(0)) << "the system fan's control mode needs a restart";
    EXPECT_TRUE(commit(1));
    EXPECT_EQ(Value(0x04050012), 6u);
    EXPECT_EQ(Value(0x04010024), 3u);
    EXPECT_EQ(Value(0x04080021), 0u);
    EXPECT_FALSE(commit(0)) << "applied: nothing differs any more";
}

TEST_F(GroupBoard, AWriteWhoseAnswerDoesNotFitIsNotMade)
{
    const Bytes write = WordsCall(Name("SITM"), {0x04050012, 6, 1});
    std::uint8_t small[23];
    std::size_t length = 0;
    EXPECT_EQ(BsEvaluate(board.get(), write.data(), write.size(), small, sizeof small, &length, 0),
              BS_RESULT_TOO_LARGE);
    EXPECT_EQ(length, 24u);
    EXPECT_EQ(Value(0x04050012), 4u);
}

// The rule by which the program disables a row: Extra1 non-negative, its
// bits 16-23 the low byte of a controlling item of the same fan (bits 4-7),
// and bit (controller's value) of its low byte set.
TEST_F(GroupBoard, ModeItemsSwitchOtherSettingsOffThroughExtraOne)
{
    auto list = board.Call(WordsCall(Name("GGRP"), {4}));
    ASSERT_EQ(list.status, BS_OK);
    std::map<std::uint32_t, std::uint32_t> extra1;  // ItemId -> Extra1
    for (const Element& object : list.result.elements) {
        if (object.type == 1) {
            auto answer = board.Call(
                    NoArgumentCall(BS_METHOD_NAME(object.text[0], object.text[1], object.text[2], object.text[3])));
            extra1[answer.result.elements.at(0).integer] = answer.result.elements.at(2).integer;
        }
    }
    auto disabled = [&](std::uint32_t itemId) {
        std::uint32_t word = extra1.at(itemId);
        if (static_cast<std::int32_t>(word) < 0) {
            return false;
        }
        for (const auto& [controller, unused] : extra1) {
            if ((controller & 0xFF) == ((word >> 16) & 0xFF) && ((controller >> 4) & 0xF) == ((itemId >> 4) & 0xF)) {
                std::uint32_t value = Value(controller);
                return value < 8 && ((word >> value) & 1) != 0;
            }
        }
        return false;
    };
    // Smart (0): the duty cycle is the firmware's; Manual (1): the target is unused.
    EXPECT_TRUE(disabled(0x04050012));
    EXPECT_FALSE(disabled(0x04030013));
    EXPECT_FALSE(disabled(0x04050022));
    EXPECT_TRUE(disabled(0x04030023));
    EXPECT_FALSE(disabled(0x04010024)) << "negative Extra1: no controller";
    EXPECT_FALSE(disabled(0x04070014));

    EXPECT_EQ(Set(0x04080011, 1, 1), "[{3, 1}]");
    EXPECT_FALSE(disabled(0x04050012));
    EXPECT_TRUE(disabled(0x04030013));
    EXPECT_FALSE(disabled(0x04050022)) << "the other fan is not affected";
}

// One item object of each kind: 1 to 6 step through values, 7 is a switch,
// 8 names its options. Extra2 and negative steps pass through as given.
TEST(ItemObjects, AnswerByKind)
{
    const std::string text = "[board]\nname = Kinds\n"
                             "[item 0x04010001]\nname = Hundredths\ngroup_object = K1__\nsteps = 100, 25, 5\n"
                             "extra2 = 0x80000001\nvalue = 0\n"
                             "[item 0x04020002]\nname = Millivolts\ngroup_object = K2__\nsteps = 1375, -25, 4\n"
                             "value = 3\n"
                             "[item 0x04030003]\nname = Tenths\ngroup_object = K3__\nsteps = 400, 50, 4\nvalue = 1\n"
                             "[item 0x04040004]\nname = Whole\ngroup_object = K4__\nsteps = 0, 1, 3\nvalue = 2\n"
                             "[item 0x04050005]\nname = Percent\ngroup_object = K5__\nsteps = 30, 10, 8\nvalue = 7\n"
                             "[item 0x04060006]\nname = Plain\ngroup_object = K6__\nsteps = 1, 1, 1\nvalue = 0\n"
                             "[item 0x04070007]\nname = Switch\ngroup_object = K7__\nextra1 = 0x00010002\nvalue = 1\n"
                             "[item 0x04080008]\nname = Named\ngroup_object = K8__\noptions = Low, Mid, High\n"
                             "value = 2\nrestart = yes\n"
                             "[item 0x01080001]\nname = Other Group\ngroup_object = X8__\noptions = A\nvalue = 0\n"
                             "[item 0x04080009]\nvalue = 0\noptions = Unlisted, Item\n"
                             "[item 0x04070010]\nname = Locked\ngroup_object = K7L_\nvalue = 0\navailable = no\n";
    LoadedBoard board;
    BsLoadError error{};
    ASSERT_EQ(board.Load(text, &error), BS_OK) << error.line << ": " << error.message;

    const struct {
        const char* object;
        const char* answer;
        std::uint32_t highestAccepted;  // without min/max: the last option's index
    } kinds[] = {
            {"K1__", R"([0x4010001, "Hundredths", 0, 0x80000001, 100, 25, 5])", 4},
            {"K2__", R"([0x4020002, "Millivolts", 0, 0, 1375, 0xFFFFFFE7, 4])", 3},
            {"K3__", R"([0x4030003, "Tenths", 0, 0, 400, 50, 4])", 3},
            {"K4__", R"([0x4040004, "Whole", 0, 0, 0, 1, 3])", 2},
            {"K5__", R"([0x4050005, "Percent", 0, 0, 30, 10, 8])", 7},
            {"K6__", R"([0x4060006, "Plain", 0, 0, 1, 1, 1])", 0},
            {"K7__", R"([0x4070007, "Switch", 0x10002, 0])", 1},
            {"K8__", R"([0x4080008, "Named", 0, 0, 3, "Low", "Mid", "High"])", 2},
    };
    for (const auto& kind : kinds) {
        auto answer = board.Call(
                NoArgumentCall(BS_METHOD_NAME(kind.object[0], kind.object[1], kind.object[2], kind.object[3])));
        ASSERT_EQ(answer.status, BS_OK) << kind.object;
        EXPECT_EQ(Show(answer.result.elements), kind.answer);

        const std::uint32_t itemId = answer.result.elements.at(0).integer;
        EXPECT_EQ(Show(board.Call(WordsCall(Name("SITM"), {itemId, kind.highestAccepted + 1, 1})).result.elements)
                          .substr(0, 4),
                  "[{2,")
                << kind.object << " refuses the index past its options";
        EXPECT_EQ(Show(board.Call(WordsCall(Name("SITM"), {itemId, kind.highestAccepted, 1})).result.elements),
                  "[{3, " + std::to_string(kind.highestAccepted) + "}]")
                << kind.object;
    }

    // GGRP lists the objects of one group in file order: items without an
    // object and objects of other groups stay out, and no count leads the list.
    EXPECT_EQ(Show(board.Call(WordsCall(Name("GGRP"), {4})).result.elements),
              R"(["K1__", "K2__", "K3__", "K4__", "K5__", "K6__", "K7__", "K8__", "K7L_"])");
    EXPECT_EQ(Show(board.Call(WordsCall(Name("GGRP"), {1})).result.elements), R"(["X8__"])");
    // GITM reads items without objects too; an unavailable one says so and
    // refuses writes, trials included.
    EXPECT_EQ(Show(board.Call(WordsCall(Name("GITM"), {0x04080009})).result.elements), "[{3, 0}]");
    EXPECT_EQ(Show(board.Call(WordsCall(Name("GITM"), {0x04070010})).result.elements), "[{1, 0}]");
    EXPECT_EQ(Show(board.Call(WordsCall(Name("SITM"), {0x04070010, 1, 0})).result.elements), "[{1, 0}]");
    EXPECT_EQ(Show(board.Call(WordsCall(Name("SITM"), {0x04070010, 1, 1})).result.elements), "[{1, 0}]");
    // No OCIF, KVIF or MBIF on a board that describes none.
    EXPECT_EQ(board.Call(NoArgumentCall(Name("OCIF"))).status, BS_NO_SUCH_METHOD);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("KVIF"))).status, BS_NO_SUCH_METHOD);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("MBIF"))).status, BS_NO_SUCH_METHOD);
}

}  // namespace
}  // namespace boardsim::test
