#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "usage/DrivePage.h"
#include "usage/MemoryPage.h"
#include "usage/UsagePie.h"

namespace vantor::views {
namespace {

using monitor::DriveSample;

TEST(MemoryAndDiskTest, GroupsEveryThousandWithTheLocaleSeparator)
{
    const std::tuple<std::uint64_t, const char*, const char*> cases[] = {
            {0, ",", "0"},
            {999, ",", "999"},
            {1000, ",", "1,000"},
            {536281088, ",", "536,281,088"},
            {536281088, ".", "536.281.088"},
            {536281088, "", "536281088"},
            {18446744073709551615u, ",", "18,446,744,073,709,551,615"},
    };
    for (const auto& [value, separator, text] : cases)
        EXPECT_EQ(GroupThousands(value, separator), text);
}

TEST(MemoryAndDiskTest, MemoryPageNumbers)
{
    const MemoryTexts texts = MemoryPageTexts(monitor::MemoryFigures(536281088, 201326592), ",");
    EXPECT_EQ(texts.usedPercent, "62");
    EXPECT_EQ(texts.usedBytes, "334,954,496");
    EXPECT_EQ(texts.usedMB, "319");
    EXPECT_EQ(texts.availableBytes, "201,326,592");
    EXPECT_EQ(texts.availableMB, "192");
    EXPECT_EQ(texts.totalBytes, "536,281,088");
    EXPECT_EQ(texts.totalMB, "511");
}

TEST(MemoryAndDiskTest, PieIsDrawnAgainOnlyWhenThePercentMoves)
{
    const monitor::MemorySample at62 = monitor::MemoryFigures(536281088, 201326592);
    monitor::MemorySample at62LessFree = at62;
    at62LessFree.availableBytes -= 4096;
    at62LessFree.usedBytes += 4096;
    monitor::MemorySample at70 = at62;
    at70.usedPercent = 70;

    MemoryPage page;
    struct Step {
        const monitor::MemorySample* sample;
        bool forced;
        bool redraw;
    };
    const Step steps[] = {
            {&at62, false, true},                                // nothing drawn yet
            {&at62LessFree, false, false}, {&at62, true, true},  // the page was just shown
            {&at70, false, true},          {&at70, false, false},
    };
    for (const Step& step : steps) {
        const MemoryUpdate update = page.Update(*step.sample, step.forced, ",");
        EXPECT_EQ(update.redrawPie, step.redraw);
        EXPECT_EQ(update.texts.usedBytes, GroupThousands(step.sample->usedBytes, ","));
        if (update.redrawPie) {
            EXPECT_EQ(update.pie[0].percent, step.sample->usedPercent);
        }
    }
}

TEST(MemoryAndDiskTest, PieSlicesFromTheUsedPercent)
{
    struct Case {
        unsigned used;
        double usedSweep;
        double unusedStart;
        bool usedPulledOut;
    };
    const Case cases[] = {
            {62, 223.2, 103.2, true}, {50, 180.0, 60.0, true},   {29, 104.4, 344.4, false},
            {0, 0.0, 240.0, false},   {100, 360.0, 240.0, true}, {150, 360.0, 240.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.used);
        const std::array<PieSlice, 2> pie = UsagePie(c.used);
        EXPECT_EQ(pie[0].name, "Used");
        EXPECT_EQ(pie[0].colour, kPieUsedColour);
        EXPECT_EQ(pie[0].startDegrees, kPieRotation);
        EXPECT_NEAR(pie[0].sweepDegrees, c.usedSweep, 1e-9);
        EXPECT_EQ(pie[1].name, "Unused");
        EXPECT_EQ(pie[1].colour, kPieUnusedColour);
        EXPECT_NEAR(pie[1].startDegrees, c.unusedStart, 1e-9);
        EXPECT_NEAR(pie[0].sweepDegrees + pie[1].sweepDegrees, 360.0, 1e-9);
        EXPECT_EQ(pie[0].pulledOut, c.usedPulledOut);
        EXPECT_NE(pie[1].pulledOut, c.usedPulledOut);
    }

    const std::array<PieSlice, 2> pie = UsagePie(62);
    // The middle of "Used" lies at 351.6 degrees: out to the right, a little down.
    EXPECT_EQ(PullOutOffset(pie[0]).dx, 15);
    EXPECT_EQ(PullOutOffset(pie[0]).dy, 2);
    EXPECT_EQ(PullOutOffset(pie[1]).dx, 0);

    DriveSample drive;
    drive.freePercent = 29;
    EXPECT_EQ(DrivePie(drive)[0].percent, 71u);
    EXPECT_EQ(MemoryPie(monitor::MemoryFigures(536281088, 201326592))[0].percent, 62u);
}

class FakeUsage : public monitor::SystemUsage {
public:
    std::map<std::string, std::optional<DriveSample>> drives;

    monitor::MemorySample SampleMemory() override { return {}; }
    std::vector<std::string> ListFixedDrives() override
    {
        std::vector<std::string> names;
        for (const auto& [name, sample] : drives)
            names.push_back(name);
        return names;
    }
    std::optional<DriveSample> SampleDrive(const std::string& name) override { return drives.at(name); }
};

TEST(MemoryAndDiskTest, DriveTreeTexts)
{
    FakeUsage usage;
    EXPECT_EQ(DriveTreeTexts(usage), (std::vector<std::string>{"Local Drive(s)"}));
    EXPECT_EQ(FirstDriveToShow(DriveTreeTexts(usage)), std::nullopt);

    usage.drives["C:"] = monitor::DriveFigures(40016019456u, 12000000000u);
    const std::vector<std::string> onlyC = DriveTreeTexts(usage);
    EXPECT_EQ(onlyC, (std::vector<std::string>{"Local Drive(s)", "C:  29 %"}));
    EXPECT_EQ(FirstDriveToShow(onlyC), "C:");

    DriveSample full;
    full.freePercent = 0;
    DriveSample empty;
    empty.freePercent = 100;
    usage.drives["D:"] = full;
    usage.drives["E:"] = empty;
    usage.drives["F:"] = std::nullopt;  // cannot be queried
    EXPECT_EQ(DriveTreeTexts(usage),
              (std::vector<std::string>{"Local Drive(s)", "C:  29 %", "D:   0 %", "E: 100 %", "F:"}));
}

TEST(MemoryAndDiskTest, NodesNameTheirDriveAndTheRootNone)
{
    const std::pair<const char*, std::optional<std::string>> cases[] = {
            {"Local Drive(s)", std::nullopt},
            {"C:  29 %", "C:"},
            {"Z:", "Z:"},
            {"F:", "F:"},
            {"", std::nullopt},
            {"C", std::nullopt},
    };
    for (const auto& [text, drive] : cases)
        EXPECT_EQ(DriveOfNode(text), drive) << text;
}

TEST(MemoryAndDiskTest, DrivePageNumbers)
{
    const std::optional<DriveSample> sample = monitor::DriveFigures(40016019456u, 12000000000u);
    ASSERT_TRUE(sample.has_value());
    DriveSample withName = *sample;
    withName.fileSystem = "NTFS";
    const DriveTexts texts = DrivePageTexts("C:", withName);
    EXPECT_EQ(texts.usedBytes, "28,016,019,456");
    EXPECT_EQ(texts.usedMB, "26,718");
    EXPECT_EQ(texts.freeBytes, "12,000,000,000");
    EXPECT_EQ(texts.freeMB, "11,444");
    EXPECT_EQ(texts.totalBytes, "40,016,019,456");
    EXPECT_EQ(texts.totalMB, "38,162");
    EXPECT_EQ(texts.name, "[C:]");
    EXPECT_EQ(texts.fileSystem, "NTFS");
}

}  // namespace
}  // namespace vantor::views
