#include "AcpiBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace boardsim::test {
namespace {

const std::string kSensor =
        "[sensor VCOR]\nid = 0x06020000\nname = Vcore Voltage\nlow = 800\nhigh = 1550\nvalue = 1350\n";

TEST(BoardFile, ToleratesCrlfBlanksCommentsAndNumberForms)
{
    const std::string text = "\xEF\xBB\xBF; a comment line\r\n"
                             "\r\n"
                             "  [board]   ; trailing comment\r\n"
                             "name=Tolerant Board\r\n"
                             "\ttest_control = YES\r\n"
                             "[ sensor   TCPU ]\r\n"
                             "id = 0X06030000\r\n"
                             "name =   CPU Temperature   \r\n"
                             "low = +600\r\n"
                             "high = 0x3B6\r\n"
                             "value = -15\r\n"
                             "flags = 0x00010001\r\n"
                             "[item 67502083]\r\n"  // 0x04060003 in decimal
                             "value = -1\r\n"
                             "options = Disabled ,Enabled,  Auto  \r\n"
                             "[item 0x04060006]\n"
                             "value = 1\n"
                             "available = off";  // no final line end
    LoadedBoard board;
    BsLoadError error{};
    ASSERT_EQ(board.Load(text, &error), BS_OK) << error.line << ": " << error.message;
    EXPECT_STREQ(BsBoardName(board.get()), "Tolerant Board");
    EXPECT_EQ(BsBoardTestControl(board.get()), 1);

    auto descriptor = board.Call(NoArgumentCall(Name("TCPU")));
    ASSERT_EQ(descriptor.status, BS_OK);
    ASSERT_EQ(descriptor.result.elements.size(), 5u);
    EXPECT_EQ(descriptor.result.elements[0].integer, 0x06030000u);
    EXPECT_EQ(descriptor.result.elements[1].text, "CPU Temperature");
    EXPECT_EQ(descriptor.result.elements[2].integer, 600u);
    EXPECT_EQ(descriptor.result.elements[3].integer, 950u);
    EXPECT_EQ(descriptor.result.elements[4].integer, 0x00010001u);
    EXPECT_EQ(board.Call(IntegerCall(Name("RTMP"), 0x06030000)).result.elements.at(0).integer, 0xFFFFFFF1u);

    auto item = board.Call(IntegerCall(Name("OCOP"), 0x04060003));
    ASSERT_EQ(item.result.elements.size(), 7u);
    EXPECT_EQ(item.result.elements[2].integer, 0xFFFFFFFFu);
    EXPECT_EQ(item.result.elements[4].text, "Disabled");
    EXPECT_EQ(item.result.elements[6].text, "Auto");
    EXPECT_EQ(board.Call(IntegerCall(Name("OCOP"), 0x04060006)).result.elements.at(3).integer, 0u);
}

struct ErrorCase {
    const char* what;
    std::string text;
    unsigned line;
    const char* message;  // a fragment of the message
};

TEST(BoardFile, ReportsEachFaultWithItsLine)
{
    const std::string head = "[board]\nname = B\n";  // lines 1-2
    const std::string name63(63, 'N');
    const ErrorCase cases[] = {
            {"key before any section", "name = B\n[board]\n", 1, "before the first section"},
            {"no [board] at all", kSensor, 0, "no [board] section"},
            {"empty text", "", 0, "no [board] section"},
            {"[board] without name", "[board]\ntest_control = no\n", 1, "lacks the key 'name'"},
            {"second [board]", head + "[board]\n", 3, "first is on line 1"},
            {"[board] with a name", "[board main]\n", 1, "takes no name"},
            {"unknown section", head + "[fan FCPU]\n", 3, "unknown section [fan]"},
            {"unclosed section head", head + "[sensor VCOR\n", 3, "closing ']'"},
            {"empty section head", head + "[ ]\n", 3, "empty section head"},
            {"line without '='", head + "[sensor VCOR]\nid 0x06020000\n", 4, "expected 'key = value'"},
            {"missing key", head + "[sensor VCOR]\n = 5\n", 4, "missing key"},
            {"NUL byte in a line", head + std::string("name2 = a\0b\n", 12), 3, "control character"},
            {"unknown key", head + kSensor + "vaule = 3\n", 9, "unknown key 'vaule'"},
            {"same key twice", head + kSensor + "low = 700\n", 9, "second 'low'"},
            {"sensor lacking a key", head + "[sensor VCOR]\nid = 0x06020000\nname = V\nlow = 1\nhigh = 2\n", 3,
             "lacks the key 'value'"},
            {"not a number", head + "[sensor VCOR]\nid = 6020000h\n", 4, "is not a number"},
            {"ItemId past 32 bits", head + "[sensor VCOR]\nid = 0x106020000\n", 4, "outside 0..4294967295"},
            {"limit past 31 bits", head + "[sensor VCOR]\nid = 0x06020000\nlow = 2147483648\n", 5, "outside"},
            {"number of many digits", head + "[sensor VCOR]\nid = 99999999999999999999999999\n", 4, "outside"},
            {"sensor of kind 5", head + "[sensor VXXX]\nid = 0x06050000\n", 4, "kind 5"},
            {"two sensors, one ItemId", head + kSensor + "[sensor V001]\nid = 0x06020000\n", 10,
             "already the sensor on line 3"},
            {"two sensors, one object", head + kSensor + "[sensor VCOR]\n", 9, "first is on line 3"},
            {"lower-case object name", head + "[sensor vcor]\n", 3, "four-character ACPI name"},
            {"object name of three", head + "[sensor VCO]\n", 3, "four-character ACPI name"},
            {"object name with a digit first", head + "[sensor 1VCR]\n", 3, "four-character ACPI name"},
            {"object named like a method", head + "[sensor RVLT]\n", 3, "would hide the firmware method"},
            {"name of 64 characters", head + "[sensor VCOR]\nname = " + name63 + "X\n", 4, "longer than 63"},
            {"sine without period", head + "[sensor VCOR]\nsine = 12\n", 4, "expected 'amplitude, period"},
            {"sine with period 0", head + "[sensor VCOR]\nsine = 12, 0\n", 4, "seconds in 1.."},
            {"drift of negative amplitude", head + "[sensor VCOR]\ndrift = -3, 5\n", 4, "amplitude '-3'"},
            {"drift with a third part", head + "[sensor VCOR]\ndrift = 3, 5, 7\n", 4, "expected 'amplitude, interval"},
            {"reading leaving 32 bits",
             head + "[sensor VCOR]\nid = 0x06020000\nname = V\nlow = 1\nhigh = 2\n"
                    "value = 2147483000\nsine = 1000, 5\n",
             3, "leaves the 32-bit range"},
            {"bad switch", "[board]\nname = B\ntest_control = maybe\n", 3, "expected yes or no"},
            {"item without ItemId", head + "[item]\n", 3, "needs a 32-bit ItemId"},
            {"same item twice", head + "[item 0x04060003]\nvalue = 0\n[item 0x4060003]\n", 5, "first is on line 3"},
            {"item lacking its value", head + "[item 0x04060003]\nvalue1 = 2\n", 3, "lacks the key 'value'"},
            {"empty option name", head + "[item 0x04060003]\noptions = A,,B\n", 4, "empty text"},
            {"empty option list", head + "[item 0x04060003]\noptions =\n", 4, "empty list"},
            {"min above max", head + "[item 0x04060003]\nvalue = 0\nmin = 5\nmax = 4\n", 3, "accepts no value"},
            {"min above the options' indexes", head + "[item 0x04060003]\nvalue = 0\noptions = A, B\nmin = 2\n", 3,
             "min 2 > max 1"},
            {"MBIF values without a version", "[board]\nname = B\nmbif_values = 1\n", 1,
             "has 'mbif_values' without 'mbif_version'"},
            {"MBIF value past 32 bits", "[board]\nname = B\nmbif_version = 3\nmbif_values = 1, 0x100000000\n", 4,
             "outside"},
            {"65 MBIF values", "[board]\nname = B\nmbif_version = 3\nmbif_values = 0" + std::string(64 * 3, ',') + "\n",
             4, "expected 1 to 64 numbers"},
            {"bad power_profile", "[board]\nname = B\npower_profile = half\n", 3, "expected yes or no"},
            {"second [cpu]", head + "[cpu]\n[cpu]\n", 4, "first is on line 3"},
            {"[cpu] with a name", head + "[cpu 0]\n", 3, "takes no name"},
            {"misc_enable past 40 bits", head + "[cpu]\nmisc_enable = 0x10000000000\n", 4, "outside 0..1099511627775"},
            {"one Cool'n'Quiet voltage", head + "[cpu]\ncool_n_quiet = 1400\n", 4, "expected 'first mV, second mV'"},
            {"Cool'n'Quiet support without its range", head + "[cpu]\ncool_n_quiet_supported = yes\n", 3,
             "without 'cool_n_quiet'"},
            {"object without a name", head + "[item 0x04030005]\nvalue = 0\nocif_object = OC05\n", 3,
             "lacks the key 'name'"},
            {"range without an OCIF object", head + "[item 0x04030005]\nvalue = 0\nrange = 1, 2, 3\n", 3,
             "has 'range' without 'ocif_object'"},
            {"words without a KVIF object", head + "[item 0x04060003]\nvalue = 0\nwords = 1, 2, 3, 4\n", 3,
             "has 'words' without 'kvif_object'"},
            {"extra1 without a group object", head + "[item 0x04050012]\nvalue = 0\nextra1 = 1\n", 3,
             "has 'extra1' without 'group_object'"},
            {"three feature words", head + "[item 0x04060003]\nwords = 1, 2, 3\n", 4,
             "expected 'word1, word2, word3, word4'"},
            {"range of four", head + "[item 0x04030005]\nrange = 1, 2, 3, 4\n", 4, "expected 'low, high, steps'"},
            {"no steps", head + "[item 0x04050012]\nsteps = 30, 10, 0\n", 4, "'0' is not a number in 1..255"},
            {"lower-case object", head + "[item 0x04050012]\ngroup_object = gc12\n", 4, "four-character ACPI name"},
            {"object named like a method", head + "[item 0x04050012]\ngroup_object = GITM\n", 4,
             "would hide the firmware method"},
            {"object named like a sensor", head + kSensor + "[item 0x04060003]\nkvif_object = VCOR\n", 10,
             "second object 'VCOR' (the first is on line 3)"},
            {"sensor named like an object",
             head + "[item 0x04060003]\nvalue = 0\nname = N\nkvif_object = VCOR\n" + kSensor, 7,
             "second object 'VCOR' (the first is on line 6)"},
            {"one item, two objects of one name", head + "[item 0x04060003]\nkvif_object = KV03\nocif_object = KV03\n",
             5, "first is on line 4"},
            {"group object of kind 9", head + "[item 0x04090001]\nvalue = 0\nname = N\ngroup_object = G901\n", 3,
             "kind 9"},
            {"group object of kind 0", head + "[item 0x04000001]\nvalue = 0\nname = N\ngroup_object = G001\n", 3,
             "kind 0"},
            {"stepped object without steps", head + "[item 0x04050012]\nvalue = 0\nname = N\ngroup_object = GC12\n", 3,
             "lacks the key 'steps'"},
            {"steps on a switch",
             head + "[item 0x04070012]\nvalue = 0\nname = N\ngroup_object = GC12\nsteps = 1, 1, 2\n", 3,
             "'steps' belongs to item objects of kind 1 to 6"},
            {"named object without options", head + "[item 0x04080011]\nvalue = 0\nname = N\ngroup_object = GC11\n", 3,
             "lacks the key 'options'"},
            {"value outside the steps",
             head + "[item 0x04050012]\nvalue = 0\nname = N\ngroup_object = GC12\nsteps = 1, 1, 2\nmin = 2\n", 3,
             "min 2 > max 1"},
    };
    for (const ErrorCase& c : cases) {
        LoadedBoard board;
        BsLoadError error{};
        error.line = 999;
        EXPECT_EQ(board.Load(c.text, &error), BS_BAD_BOARD) << c.what;
        EXPECT_EQ(error.line, c.line) << c.what << ": " << error.message;
        EXPECT_NE(std::string(error.message).find(c.message), std::string::npos)
                << c.what << ": got '" << error.message << "'";
        EXPECT_EQ(board.allocator.live, 0u) << c.what;
    }
}

TEST(BoardFile, AcceptsTheLongestName)
{
    LoadedBoard board;
    BsLoadError error{};
    ASSERT_EQ(board.Load("[board]\nname = " + std::string(63, 'N') + "\n", &error), BS_OK) << error.message;
    EXPECT_EQ(std::string(BsBoardName(board.get())), std::string(63, 'N'));
}

// Loads `text` once to count its blocks, then fails each allocation in
// turn: every load reports no memory and leaves nothing behind.
void ExpectEveryBlockReleased(const std::string& text)
{
    ASSERT_FALSE(text.empty());

    // The shipped boards' snapshots are read too, so their blocks count.
    BesideFiles files;
    const BsFileReader reader = files.Get();
    CountingAllocator counting;
    BsAllocator allocator = counting.Get();
    BsBoard* board = nullptr;
    ASSERT_EQ(BsBoardLoadWithFiles(&allocator, &reader, text.data(), text.size(), &board, nullptr), BS_OK);
    EXPECT_GT(counting.live, 0u);
    BsBoardFree(board);
    EXPECT_EQ(counting.live, 0u);

    // Fail the first, second, ... allocation: each load reports no memory
    // and leaves nothing behind, until one has enough.
    std::size_t needed = counting.total;
    for (long failAfter = 0; failAfter < static_cast<long>(needed); ++failAfter) {
        CountingAllocator failing;
        failing.failAfter = failAfter;
        BsAllocator limited = failing.Get();
        BsLoadError error{};
        board = reinterpret_cast<BsBoard*>(&failing);  // must be overwritten with null
        EXPECT_EQ(BsBoardLoadWithFiles(&limited, &reader, text.data(), text.size(), &board, &error), BS_NO_MEMORY)
                << failAfter;
        EXPECT_EQ(board, nullptr);
        EXPECT_STREQ(error.message, "out of memory");
        EXPECT_EQ(failing.live, 0u) << failAfter;
        EXPECT_EQ(files.outstanding, 0) << failAfter;
    }
}

TEST(BoardFile, ReleasesEveryBlockItTakes)
{
    for (const char* name : {"classic", "group"}) {
        SCOPED_TRACE(name);
        ExpectEveryBlockReleased(ReadFile(BOARDSIM_BOARDS_DIR "/" + std::string(name) + ".ini"));
    }
}

TEST(BoardFile, RejectsUnusableArguments)
{
    CountingAllocator counting;
    BsAllocator allocator = counting.Get();
    BsAllocator broken = allocator;
    broken.Release = nullptr;
    BsBoard* board = nullptr;
    const char text[] = "[board]\nname = B\n";
    EXPECT_EQ(BsBoardLoad(nullptr, text, sizeof text - 1, &board, nullptr), BS_BAD_REQUEST);
    EXPECT_EQ(BsBoardLoad(&broken, text, sizeof text - 1, &board, nullptr), BS_BAD_REQUEST);
    EXPECT_EQ(BsBoardLoad(&allocator, nullptr, 5, &board, nullptr), BS_BAD_REQUEST);
    EXPECT_EQ(BsBoardLoad(&allocator, text, sizeof text - 1, nullptr, nullptr), BS_BAD_REQUEST);
    // The length bounds the text: cut before the name, the board lacks it.
    BsLoadError error{};
    EXPECT_EQ(BsBoardLoad(&allocator, text, 8, &board, &error), BS_BAD_BOARD);
    EXPECT_EQ(error.line, 1u);
    EXPECT_EQ(counting.live, 0u);
}

}  // namespace
}  // namespace boardsim::test
