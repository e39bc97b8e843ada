// DMI_GetAll's order of steps and its failures, on a host that records what
// the Win32 side would do and serves two memory windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "RecordingIni.h"
#include "ShippedNames.h"
#include "SmbiosBytes.h"
#include "core/DmiGetAll.h"
#include "core/DmiTable.h"

namespace vantor::dmi {
namespace {

using test::Bytes;
using test::RecordingIni;
using test::Struct;

constexpr std::uint32_t kTableAddress = 0x000E8000;

// A 0xFFF0-byte anchor window with a "_DMI" entry point at offset 0x40 naming
// a table at kTableAddress.
Bytes AnchorWindow(std::uint16_t tableLength)
{
    Bytes window(kWindowLength, 0);
    const std::size_t at = 0x40;
    window[at] = '_';
    window[at + 1] = 'D';
    window[at + 2] = 'M';
    window[at + 3] = 'I';
    window[at + 6] = static_cast<std::uint8_t>(tableLength);
    window[at + 7] = static_cast<std::uint8_t>(tableLength >> 8);
    for (int i = 0; i < 4; ++i)
        window[at + 8 + i] = static_cast<std::uint8_t>(kTableAddress >> (8 * i));
    return window;
}

class NamesFromShippedFile final : public SmbiosNames {
public:
    std::string Read(std::string_view section, std::string_view key) const override
    {
        return test::ShippedNames().Read(section, key);
    }
};

class FakeHost final : public DmiHost {
public:
    FakeHost()
    {
        const Bytes table =
                test::Table({Struct(0, {1, 2, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {"Vendor", "1.0", "01/02/2020"}),
                             Struct(17, {}), Struct(17, {}), test::EndOfTable()});
        tableWindow = table;
        tableWindow.resize(kWindowLength, 0);
        anchorWindow = AnchorWindow(static_cast<std::uint16_t>(table.size()));
    }

    std::string ProgramFolder() override { return programFolder; }
    bool LoadIo(const std::string& folder) override
    {
        calls.push_back("LoadIo(" + folder + ")");
        return ioPresent;
    }
    const std::uint8_t* MapMem(std::uint32_t physical, std::uint32_t length) override
    {
        calls.push_back("MapMem(" + Hex(physical) + "," + Hex(length) + ")");
        if (physical == kAnchorWindowBase && anchorMaps)
            return anchorWindow.data();
        if (physical == kTableAddress && tableMaps)
            return tableWindow.data();
        return nullptr;
    }
    void UnmapMem(const void* address, std::uint32_t length) override
    {
        const std::string what = address == tableWindow.data()                                    ? "table"
                                 : reinterpret_cast<std::uintptr_t>(address) == kAnchorWindowBase ? "0xf0000"
                                                                                                  : "?";
        calls.push_back("UnmapMem(" + what + "," + Hex(length) + ")");
    }
    void UnloadIo() override { calls.push_back("UnloadIo"); }
    IniWriter* LoadIni() override
    {
        calls.push_back("LoadIni");
        return iniPresent ? &ini : nullptr;
    }
    void UnloadIni() override { calls.push_back("UnloadIni"); }
    void CreateFolder(const std::string& path) override { calls.push_back("CreateFolder(" + path + ")"); }
    std::unique_ptr<SmbiosNames> OpenNames(const std::string& path) override
    {
        calls.push_back("OpenNames(" + path + ")");
        return namesPresent ? std::make_unique<NamesFromShippedFile>() : nullptr;
    }
    bool RunHtmlEngine(const std::string& folder) override
    {
        calls.push_back("RunHtmlEngine(" + folder + ")");
        return htmlPresent;
    }
    void ShowMessage(std::string_view text, std::string_view caption) override
    {
        calls.push_back("ShowMessage(" + std::string(text) + "," + std::string(caption) + ")");
    }

    static std::string Hex(std::uint32_t value)
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%x", value);
        return text;
    }

    std::string programFolder = "C:\\Vantor";
    bool ioPresent = true, iniPresent = true, namesPresent = true, htmlPresent = true;
    bool anchorMaps = true, tableMaps = true;
    Bytes anchorWindow, tableWindow;
    RecordingIni ini;
    std::vector<std::string> calls;
};

TEST(DmiGetAll, RunsItsStepsInOrder)
{
    FakeHost host;
    EXPECT_TRUE(DmiGetAll(host, "C:\\Vantor\\DMIInfo"));
    const std::vector<std::string> expected = {
            "LoadIo(C:\\Vantor)",
            "LoadIni",
            "CreateFolder(C:)",
            "CreateFolder(C:\\Vantor)",
            "CreateFolder(C:\\Vantor\\DMIInfo)",
            "OpenNames(C:\\Vantor\\SmBIOS.ini)",
            "MapMem(0xf0000,0xfff0)",
            "UnmapMem(0xf0000,0xfff0)",
            "MapMem(0xe8000,0xfff0)",
            "UnloadIni",
            "RunHtmlEngine(C:\\Vantor\\DMIInfo)",
            "UnmapMem(table,0xfff0)",
            "UnloadIo",
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.ini.calls.front(), "FileInitial(C:\\Vantor\\DMIInfo\\ZyDMI.ini)");
    // Type 0 and the two type 17 structures.
    EXPECT_EQ(host.ini.At("Root").count, 2);
    EXPECT_EQ(host.ini.At("Root").entries.at(1), "0|Type0");
    EXPECT_EQ(host.ini.At("Root").entries.at(2), "0|Type17");
    EXPECT_EQ(host.ini.At("Type17").count, 2);
    EXPECT_TRUE(host.ini.Has("Type17-2"));
}

TEST(DmiGetAll, FailuresEndTheCallAsTheirStepSays)
{
    struct Case {
        const char* what;
        void (*arrange)(FakeHost&);
        bool result;
        std::vector<std::string> messages;
        bool iniStarted;
        bool htmlRun;
        int rootCount;  // -1: no Root written
    };
    const Case cases[] = {
            {"ZyIO.dll missing: nothing written", [](FakeHost& h) { h.ioPresent = false; }, true, {}, false, false, -1},
            {"ZyIni.dll missing: nothing written",
             [](FakeHost& h) { h.iniPresent = false; },
             true,
             {},
             false,
             false,
             -1},
            {"SmBIOS.ini missing: the INI file started, no pages",
             [](FakeHost& h) { h.namesPresent = false; },
             false,
             {"Can't Open SmBIOS.ini file !!,Message"},
             true,
             false,
             -1},
            {"anchor window not mapped: Root 0 and the pages",
             [](FakeHost& h) { h.anchorMaps = false; },
             true,
             {"Memory Mapping Error !!,Error"},
             true,
             true,
             0},
            {"no anchor in the window: Root 0 and the pages, without a message",
             [](FakeHost& h) { h.anchorWindow.assign(kWindowLength, 0); },
             true,
             {},
             true,
             true,
             0},
            {"table window not mapped: Root 0 and the pages",
             [](FakeHost& h) { h.tableMaps = false; },
             true,
             {"Memory Mapping Error !!,Error"},
             true,
             true,
             0},
            {"ZyHtmlEngine.dll missing: the INI file complete",
             [](FakeHost& h) { h.htmlPresent = false; },
             false,
             {"Open ZyHtmlEngine.dll error !!,Message"},
             true,
             true,
             2},
    };
    for (const Case& c : cases) {
        FakeHost host;
        c.arrange(host);
        EXPECT_EQ(DmiGetAll(host, "C:\\Out"), c.result) << c.what;
        std::vector<std::string> messages;
        int loads = 0, unloads = 0;
        bool htmlRun = false;
        for (const std::string& call : host.calls) {
            if (call.rfind("ShowMessage(", 0) == 0)
                messages.push_back(call.substr(12, call.size() - 13));
            if (call == "LoadIni" && host.iniPresent)
                ++loads;
            if (call == "UnloadIni")
                ++unloads;
            if (call.rfind("RunHtmlEngine", 0) == 0)
                htmlRun = true;
        }
        EXPECT_EQ(messages, c.messages) << c.what;
        EXPECT_EQ(!host.ini.calls.empty(), c.iniStarted) << c.what;
        EXPECT_EQ(htmlRun, c.htmlRun) << c.what;
        EXPECT_EQ(host.ini.Has("Root") ? host.ini.At("Root").count : -1, c.rootCount) << c.what;
        // Whatever was loaded is released again, the ZyIO.dll windows too.
        EXPECT_EQ(loads, unloads) << c.what;
        if (host.ioPresent) {
            EXPECT_EQ(host.calls.back(), "UnloadIo") << c.what;
        }
        const auto mapped = std::count_if(host.calls.begin(), host.calls.end(),
                                          [](const std::string& call) { return call == "UnmapMem(table,0xfff0)"; });
        EXPECT_EQ(mapped, c.rootCount > 0 ? 1 : 0) << c.what;
    }
}

TEST(DmiGetAll, RefusesPathsThatDoNotFitWithoutWritingAnything)
{
    // 256-character buffers: the output folder, a backslash and "ZyDMI.ini"
    // must leave room for the terminator.
    const std::string fits = "C:\\" + std::string(255 - 3 - 10, 'a');
    const std::string tooLong = fits + "a";
    FakeHost host;
    EXPECT_TRUE(DmiGetAll(host, fits));
    EXPECT_EQ(host.ini.calls.front(), "FileInitial(" + fits + "\\ZyDMI.ini)");

    FakeHost refused;
    EXPECT_FALSE(DmiGetAll(refused, tooLong));
    EXPECT_TRUE(refused.calls.empty());

    FakeHost longProgram;
    longProgram.programFolder = "C:\\" + std::string(250, 'p');
    EXPECT_FALSE(DmiGetAll(longProgram, "C:\\Out"));
    EXPECT_TRUE(longProgram.calls.empty());
}

TEST(DmiGetAll, CallingTwiceStartsTheFileAndTheNumbersOver)
{
    FakeHost host;
    EXPECT_TRUE(DmiGetAll(host, "C:\\Out"));
    const auto first = host.ini.calls;
    host.ini = RecordingIni();
    EXPECT_TRUE(DmiGetAll(host, "C:\\Out"));
    EXPECT_EQ(host.ini.calls, first);
}

TEST(FolderPrefixes, SplitAtEveryBackslash)
{
    EXPECT_EQ(FolderPrefixes("C:\\a\\b"), (std::vector<std::string>{"C:", "C:\\a", "C:\\a\\b"}));
    EXPECT_EQ(FolderPrefixes("C:\\a\\"), (std::vector<std::string>{"C:", "C:\\a"}));
    EXPECT_EQ(FolderPrefixes("out"), (std::vector<std::string>{"out"}));
    EXPECT_TRUE(FolderPrefixes("").empty());
}

}  // namespace
}  // namespace vantor::dmi
