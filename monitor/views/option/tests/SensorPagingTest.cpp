#include "option/SensorPaging.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "option/ThresholdEntry.h"

namespace vantor::views {
namespace {

using monitor::SensorKind;

constexpr std::uint32_t kListed = 0x00010001;

SensorDescriptor Sensor(const char* name, std::uint32_t flags = kListed)
{
    SensorDescriptor descriptor{};
    std::strncpy(descriptor.Name, name, sizeof descriptor.Name - 1);
    descriptor.Flags = flags;
    return descriptor;
}

std::vector<SensorDescriptor> Fans(int count)
{
    std::vector<SensorDescriptor> fans;
    for (int i = 1; i <= count; ++i)
        fans.push_back(Sensor(("FAN" + std::to_string(i) + " FAN Speed").c_str()));
    return fans;
}

TEST(SensorPagingTest, PagesFiveRowsWithPageTextAndButtons)
{
    struct Case {
        int sensors;
        std::size_t page;
        std::size_t rows;
        const char* info;
        bool visible, previous, next;
    };
    const Case cases[] = {
            {0, 0, 0, "1 / 0", false, false, false},
            {3, 0, 3, "1 / 1", false, false, false},
            {5, 0, 5, "1 / 1", false, false, false},
            {7, 0, 5, "1 / 2", true, false, true},
            {7, 1, 2, "2 / 2", true, true, false},
            {11, 1, 5, "2 / 3", true, true, true},
            {40, 7, 5, "8 / 8", true, true, false},
            // A page chosen before the board lost sensors shows the last page.
            {7, 4, 2, "2 / 2", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.sensors) + " sensors, page " + std::to_string(c.page));
        const std::vector<SensorDescriptor> fans = Fans(c.sensors);
        const SensorPageView view = ViewPage(fans, SensorKind::Fan, c.page);
        EXPECT_EQ(view.rowsShown, c.rows);
        EXPECT_EQ(view.pageInfo, c.info);
        EXPECT_EQ(view.pagingVisible, c.visible);
        EXPECT_EQ(view.previousEnabled, c.previous);
        EXPECT_EQ(view.nextEnabled, c.next);
    }
}

TEST(SensorPagingTest, PagingButtonsStopAtTheEnds)
{
    EXPECT_EQ(NextPage(0, 7), 1u);
    EXPECT_EQ(NextPage(1, 7), 1u);
    EXPECT_EQ(NextPage(0, 5), 0u);
    EXPECT_EQ(NextPage(0, 0), 0u);
    EXPECT_EQ(PreviousPage(1), 0u);
    EXPECT_EQ(PreviousPage(0), 0u);
}

TEST(SensorPagingTest, ListingStopsAtBlankNamesAndUnflaggedTemperatures)
{
    const std::vector<SensorDescriptor> temperatures = {Sensor("CPU Temp"), Sensor("SYS Temp"), Sensor("AUX Temp", 1),
                                                        Sensor("PCH Temp")};
    EXPECT_EQ(ViewPage(temperatures, SensorKind::Temperature, 0).rowsShown, 2u);
    // The flags rule is the temperatures' own.
    EXPECT_EQ(ViewPage(temperatures, SensorKind::Voltage, 0).rowsShown, 4u);

    const std::vector<SensorDescriptor> voltages = {Sensor("Vcore Volt"), Sensor("   "), Sensor("+12V Volt")};
    EXPECT_EQ(ViewPage(voltages, SensorKind::Voltage, 0).rowsShown, 1u);
}

TEST(SensorPagingTest, TabsInButtonOrder)
{
    EXPECT_EQ(SensorKindOfTab(1), SensorKind::Temperature);
    EXPECT_EQ(SensorKindOfTab(2), SensorKind::Voltage);
    EXPECT_EQ(SensorKindOfTab(3), SensorKind::Fan);
}

// Seven fans: the second page lists fans 6 and 7, and its first threshold
// edit belongs to the sixth fan.
TEST(SensorPagingTest, SecondPageEditsTheSixthFan)
{
    const std::vector<SensorDescriptor> fans = Fans(7);
    monitor::SensorTable table = monitor::MakeSensorTable(SensorKind::Fan, fans);
    for (std::size_t i = 0; i < table.Count(); ++i) {
        table.Configs[i] = {.MaxThreshold = 20000, .MinThreshold = 800, .Threshold = 800, .Enabled = 1};
        table.EditThreshold[i] = 800;
    }

    const std::size_t page = NextPage(0, table.Count());
    const SensorPageView view = ViewPage(fans, SensorKind::Fan, page);
    ASSERT_EQ(view.rowsShown, 2u);
    EXPECT_STREQ(fans[SensorIndexOfRow(page, 0)].Name, "FAN6 FAN Speed");
    EXPECT_STREQ(fans[SensorIndexOfRow(page, 1)].Name, "FAN7 FAN Speed");

    const int tag = 1;  // Edit7, the first row's threshold edit
    const std::size_t sensor = SensorIndexOfRow(page, tag - 1);
    const ThresholdField field{.kind = SensorKind::Fan, .limits = table.Configs[sensor]};
    ThresholdEdit edit;
    edit.Enter(table.EditThreshold[sensor]);
    for (const char* text : {"1", "15", "150", "1500"}) {
        edit.KeyTyped();
        if (const std::optional<float> value = edit.Changed(text, field))
            table.EditThreshold[sensor] = *value;
    }
    EXPECT_FALSE(edit.Leave("1500", field).has_value());

    EXPECT_EQ(table.EditThreshold[5], 1500.0f);
    for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 6u})
        EXPECT_EQ(table.EditThreshold[i], 800.0f) << "fan " << i + 1;
}

}  // namespace
}  // namespace vantor::views
