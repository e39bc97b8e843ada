// VantorHw.dll end to end under Wine: the real library, loaded by path and
// bound by name, talking to zykacpi.sys on each shipped board.
#include <gtest/gtest.h>

#include <cpuid.h>

#include <array>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "DeviceTestSupport.h"

namespace vantor::hw::testing {
namespace {

std::string LibraryPath() { return ProgramFolder() + "VantorHw.dll"; }

std::vector<SensorDescriptor> Enumerate(const LoadedVantorHw& hw, const char* list)
{
    std::int32_t count = -1;
    const SensorDescriptor* sensors = hw.OCAPI_HW_EnumerateOption(list, &count);
    EXPECT_NE(sensors, nullptr);
    EXPECT_GE(count, 0);
    return sensors != nullptr && count > 0 ? std::vector<SensorDescriptor>(sensors, sensors + count)
                                           : std::vector<SensorDescriptor>{};
}

std::vector<std::string> Options(std::int32_t (*list)(std::uint32_t, OptionList*, std::int32_t), std::uint32_t id,
                                 std::int32_t* result = nullptr)
{
    const std::int32_t count = list(id, nullptr, 0);
    std::vector<std::array<char, OC_OPTION_SLOT_SIZE>> slots(count > 0 ? static_cast<std::size_t>(count) : 0);
    std::vector<char*> pointers;
    for (auto& slot : slots) {
        slot.fill('\x7F');
        pointers.push_back(slot.data());
    }
    const std::int32_t answer = list(id, pointers.data(), count * OC_OPTION_SLOT_SIZE);
    if (result != nullptr)
        *result = answer;
    std::vector<std::string> texts;
    for (const auto& slot : slots)
        texts.emplace_back(slot.data(), strnlen(slot.data(), slot.size()));
    return texts;
}

// Serves one shipped board for the length of a test, with a freshly loaded
// and initialised library.
class BoardTest : public ::testing::Test {
protected:
    void Serve(const std::string& board)
    {
        ASSERT_EQ(ServeBoard(board), 0u) << board;
        m_hw = std::make_unique<LoadedVantorHw>(LibraryPath());
        ASSERT_TRUE(m_hw->Loaded());
        ASSERT_EQ(m_hw->OCAPI_Initialization(), 1);
    }
    void TearDown() override
    {
        if (m_hw != nullptr && m_hw->Loaded())
            m_hw->OCAPI_Close();
        m_hw.reset();
        ServeBoard("");
    }
    std::unique_ptr<LoadedVantorHw> m_hw;
};

TEST_F(BoardTest, ClassicSensorsReadingsAndHealth)
{
    Serve("classic");
    const LoadedVantorHw& hw = *m_hw;
    const auto volts = Enumerate(hw, "VSIF");
    ASSERT_GE(volts.size(), 6u);
    EXPECT_EQ(volts[0].Id, OC_ITEM_CORE_VOLTAGE);
    EXPECT_STREQ(volts[0].Name, "Vcore Voltage");
    EXPECT_EQ(Enumerate(hw, "TSIF").size(), 2u);
    EXPECT_EQ(Enumerate(hw, "FSIF").size(), 3u);
    const double vcore = hw.OCAPI_GetHwSensorData(OC_ITEM_CORE_VOLTAGE);
    EXPECT_GE(vcore, volts[0].LowLimit / 1000.0);
    EXPECT_LE(vcore, volts[0].HighLimit / 1000.0);

    // Raw firmware values and what the library makes of them.
    ASSERT_EQ(SetRaw("RTMP", OC_ITEM_CPU_TEMPERATURE, 455), 0u);
    ASSERT_EQ(SetRaw("RTMP", OC_ITEM_BOARD_TEMPERATURE, -15), 0u);
    ASSERT_EQ(SetRaw("RVLT", OC_ITEM_CORE_VOLTAGE, 1504), 0u);
    ASSERT_EQ(SetRaw("RFAN", OC_ITEM_CPU_FAN, 2410), 0u);
    EXPECT_NEAR(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_TEMPERATURE), 45.5, 1e-5);
    EXPECT_NEAR(hw.OCAPI_GetHwSensorData(OC_ITEM_CORE_VOLTAGE), 1.504, 1e-6);
    EXPECT_EQ(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_FAN), 2410.0);
    EXPECT_EQ(hw.OCAPI_GetHwSensorData(0x06050000), 0.0);

    HealthData health{};
    health.Reserved = 77;
    EXPECT_EQ(hw.OCAPI_GetHealthData(&health), 1);
    EXPECT_EQ(health.CpuTemperature, 45);
    EXPECT_EQ(health.BoardTemperature, -1);
    EXPECT_EQ(health.CoreVoltage, 1504);
    EXPECT_EQ(health.CpuFan, 2410);
    EXPECT_EQ(health.Reserved, 77);
    EXPECT_GT(health.ChassisFan, 0);
    EXPECT_GT(health.PowerFan, 0);
}

TEST_F(BoardTest, ClassicFanControlOldInterface)
{
    Serve("classic");
    const LoadedVantorHw& hw = *m_hw;
    EXPECT_NE(hw.OCAPI_GetKelvaneInfo(OC_ITEM_CPU_KELVANE), 0);
    EXPECT_EQ(hw.OCAPI_EnableKelvane(0, OC_ITEM_CHASSIS_KELVANE), 1);
    EXPECT_EQ(hw.OCAPI_GetKelvaneInfo(OC_ITEM_CHASSIS_KELVANE), 1);
    EXPECT_EQ(hw.OCAPI_EnableKelvane(1, OC_ITEM_CHASSIS_KELVANE), 1);
    EXPECT_EQ(hw.OCAPI_GetKelvaneInfo(OC_ITEM_CHASSIS_KELVANE), 2);

    std::vector<char> presets(128 * OC_OPTION_SLOT_SIZE, 0);
    const std::int32_t presetCount = hw.OCAPI_ACPI_OC_PresetList(presets.data());
    ASSERT_GT(presetCount, 0);
    EXPECT_GT(std::strlen(presets.data()), 0u);

    std::int32_t count = 0;
    EXPECT_EQ(hw.OCAPI_KELVANE_GetData(nullptr, &count), 0);
    ASSERT_GT(count, 0);
    std::vector<SettingItem> items(static_cast<std::size_t>(count));
    EXPECT_EQ(hw.OCAPI_KELVANE_GetData(items.data(), &count), 0);
    for (const auto& item : items) {
        EXPECT_EQ(OC_ITEM_GROUP(item.Id), OC_GROUP_FAN_CONTROL) << item.Name;
        std::int32_t result = -1;
        const auto texts = Options(hw.OCAPI_GENERAL_GetList, item.Id, &result);
        EXPECT_EQ(static_cast<std::int32_t>(texts.size()), item.OptionCount) << item.Name;
        for (const auto& text : texts)
            EXPECT_FALSE(text.empty()) << item.Name;
    }

    // This board has only the older target item available: a profile
    // written for either fan lands there and reads back as the selection.
    EXPECT_EQ(hw.OCAPI_CheckWorkable(ACPI_KVINFO_CPU_KELVANE_PROFILE), 0);
    EXPECT_EQ(hw.OCAPI_SetKelvaneTarget(2, OC_ITEM_CHASSIS_KELVANE_PROFILE), 1);
    EXPECT_EQ(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_FAN_TARGET), 2.0);
    EXPECT_EQ(hw.OCAPI_SetKelvaneTarget(0, ACPI_KVINFO_CPU_KELVANE_PROFILE), 1);
    EXPECT_EQ(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_FAN_TARGET), 0.0);
    EXPECT_STREQ(presets.data() + OC_OPTION_SLOT_SIZE, "Standard");
}

TEST_F(BoardTest, ClassicBoardAndProcessorFacts)
{
    Serve("classic");
    const LoadedVantorHw& hw = *m_hw;
    std::uint32_t version = 99;
    std::int32_t count = -1;
    char name[64] = {};
    ASSERT_EQ(hw.OCAPI_GetMBIF(&version, name, nullptr, &count), 0);
    EXPECT_GT(std::strlen(name), 0u);
    char boardName[64] = {};
    EXPECT_EQ(hw.OCAPI_ACPI_OC__MB_GetBoardName(boardName), 1);
    EXPECT_STREQ(boardName, name);
    EXPECT_EQ(hw.OCAPI_ACPI_OC__MB_GetBoardName(nullptr), 0);

    float first = 0, second = 0;
    EXPECT_EQ(hw.OCAPI_GetCpuVoltRange(&first, &second), 1);
    EXPECT_GT(first, 0.5f);
    EXPECT_GT(second, 0.5f);
    EXPECT_EQ(hw.OCAPI_CheckWorkable(ACPI_OCINFO_COOLNQUIET_FLAG), 1);
    EXPECT_EQ(hw.OCAPI_CheckWorkable(0x04069999), 0);
    EXPECT_GT(hw.OCAPI_GetCurrentCpuFrequency(), 0);

    // The classic board's IA32_MISC_ENABLE has power-saving bits set; the
    // answer is yes only when this processor is an Intel one.
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    __get_cpuid(0, &eax, &ebx, &ecx, &edx);
    const bool intel = ebx == 0x756E6547u && edx == 0x49656E69u;
    EXPECT_EQ(hw.OCAPI_CheckIntelPowerSaving(), intel ? 1 : 0);
}

TEST_F(BoardTest, GroupInterface)
{
    Serve("group");
    const LoadedVantorHw& hw = *m_hw;
    std::uint32_t version = 0;
    std::int32_t count = 0;
    ASSERT_EQ(hw.OCAPI_GetMBIF(&version, nullptr, nullptr, &count), 0);
    ASSERT_GE(count, 1);
    std::vector<std::uint32_t> values(static_cast<std::size_t>(count));
    ASSERT_EQ(hw.OCAPI_GetMBIF(&version, nullptr, values.data(), &count), 0);
    EXPECT_GE(version, 3u);
    EXPECT_NE(values[0] & 0xFF00u, 0u);

    std::int32_t itemCount = 0;
    EXPECT_EQ(hw.OCAPI_NKELVANE_GetData(nullptr, &itemCount), 0);
    ASSERT_GT(itemCount, 0);
    std::vector<SettingItem> items(static_cast<std::size_t>(itemCount));
    EXPECT_EQ(hw.OCAPI_NKELVANE_GetData(items.data(), &itemCount), 0);

    bool sawSwitch = false;
    for (const auto& item : items) {
        std::int32_t result = 0;
        const auto texts = Options(hw.OCAPI_NKELVANE_GetList, item.Id, &result);
        EXPECT_EQ(static_cast<std::int32_t>(texts.size()), item.OptionCount) << item.Name;
        if (OC_ITEM_KIND(item.Id) == 7) {
            sawSwitch = true;
            EXPECT_EQ(result, 2);
            EXPECT_EQ(texts, (std::vector<std::string>{"Disable", "Enable"}));
        }
    }
    EXPECT_TRUE(sawSwitch);

    // Apply as the monitor does: ask first (control 0), then write (mode 1).
    std::vector<SettingItem> changed = items;
    for (auto& item : changed)
        item.Value = item.Value == 0 ? 1 : 0;
    hw.OCAPI_NKELVANE_SetData(changed.data(), itemCount, 0);
    std::vector<SettingItem> unchanged(items.size());
    hw.OCAPI_NKELVANE_GetData(unchanged.data(), &itemCount);
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(unchanged[i].Value, items[i].Value) << "control 0 only asks: " << items[i].Name;
    EXPECT_EQ(hw.OCAPI_NKELVANE_SetData(changed.data(), itemCount, 0x1000), 0);
    std::vector<SettingItem> after(items.size());
    hw.OCAPI_NKELVANE_GetData(after.data(), &itemCount);
    for (std::size_t i = 0; i < items.size(); ++i) {
        // Entries of other groups (the list's leading count gives an empty
        // one) are never written.
        const bool written = OC_ITEM_GROUP(items[i].Id) == OC_GROUP_FAN_CONTROL;
        EXPECT_EQ(after[i].Value, written ? changed[i].Value : items[i].Value) << items[i].Name;
    }

    // The old interface is not offered on this board.
    std::int32_t oldCount = -1;
    hw.OCAPI_KELVANE_GetData(nullptr, &oldCount);
    EXPECT_EQ(oldCount, 0);
}

TEST_F(BoardTest, BareBoardHasSensorsOnly)
{
    Serve("bare");
    const LoadedVantorHw& hw = *m_hw;
    EXPECT_FALSE(Enumerate(hw, "VSIF").empty());
    std::uint32_t version = 5;
    std::int32_t count = 5;
    EXPECT_EQ(hw.OCAPI_GetMBIF(&version, nullptr, nullptr, &count), 1);
    EXPECT_EQ(version, 5u);
    EXPECT_EQ(hw.OCAPI_GetKelvaneInfo(OC_ITEM_CPU_KELVANE), 0);
    EXPECT_EQ(hw.OCAPI_HideKelvane(), 0);
    std::vector<char> presets(128 * OC_OPTION_SLOT_SIZE, 0);
    EXPECT_EQ(hw.OCAPI_ACPI_OC_PresetList(presets.data()), 0);
    EXPECT_EQ(hw.OCAPI_GENERAL_GetList(OC_ITEM_CPU_FAN_TARGET, nullptr, 0), 1);
    EXPECT_EQ(hw.OCAPI_KELVANE_GetData(nullptr, &count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(hw.OCAPI_NKELVANE_GetData(nullptr, &count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(hw.OCAPI_CheckRuvel(), 0);
    float first = 1, second = 1;
    EXPECT_EQ(hw.OCAPI_GetCpuVoltRange(&first, &second), 0);
    EXPECT_EQ(first, 0.0f);
    EXPECT_EQ(second, 0.0f);
}

TEST_F(BoardTest, ManySensorsFlagsAndLongNames)
{
    Serve("many");
    const LoadedVantorHw& hw = *m_hw;
    std::size_t total = 0;
    bool sawCutName = false;
    for (const char* list : {"VSIF", "TSIF", "FSIF"}) {
        for (const auto& sensor : Enumerate(hw, list)) {
            ++total;
            EXPECT_EQ(sensor.Flags & 3u, 1u) << sensor.Name;
            const std::size_t length = strnlen(sensor.Name, sizeof sensor.Name);
            ASSERT_LT(length, sizeof sensor.Name) << "names are terminated";
            sawCutName = sawCutName || length == 31;
        }
    }
    EXPECT_GT(total, 32u);
    EXPECT_TRUE(sawCutName);
}

TEST_F(BoardTest, ReadersAndFanControlRunTogether)
{
    Serve("classic");
    const LoadedVantorHw& hw = *m_hw;
    const auto fans = Enumerate(hw, "FSIF");
    ASSERT_FALSE(fans.empty());
    std::atomic<bool> stop{false};
    std::atomic<int> badReadings{0};
    std::atomic<int> passes{0};
    auto reader = [&] {
        while (!stop) {
            for (const auto& fan : fans) {
                const double rpm = hw.OCAPI_GetHwSensorData(fan.Id);
                if (rpm < fan.LowLimit || rpm > fan.HighLimit)
                    ++badReadings;
            }
            HealthData health{};
            hw.OCAPI_GetHealthData(&health);
            if (health.CpuFan <= 0)
                ++badReadings;
            ++passes;
        }
    };
    std::thread first(reader), second(reader);
    for (int i = 0; i < 40; ++i) {
        hw.OCAPI_EnableKelvane(static_cast<OcBool>(i % 2), OC_ITEM_CHASSIS_KELVANE);
        EXPECT_EQ(hw.OCAPI_GetKelvaneInfo(OC_ITEM_CHASSIS_KELVANE), 1 + i % 2);
        std::int32_t count = 0;
        hw.OCAPI_KELVANE_GetData(nullptr, &count);
        std::vector<SettingItem> items(static_cast<std::size_t>(count));
        hw.OCAPI_KELVANE_GetData(items.data(), &count);
    }
    stop = true;
    first.join();
    second.join();
    EXPECT_GT(passes.load(), 0);
    EXPECT_EQ(badReadings.load(), 0);
}

TEST(MissingDevice, EveryExportGivesItsFallbackAnswer)
{
    ASSERT_TRUE(SetServiceRunning(false));
    {
        LoadedVantorHw hw(LibraryPath());
        ASSERT_TRUE(hw.Loaded());
        // Before initialisation the device is as good as missing.
        EXPECT_EQ(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_TEMPERATURE), 0.0);
        EXPECT_EQ(hw.OCAPI_Initialization(), 0);
        EXPECT_EQ(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_TEMPERATURE), 0.0);
        EXPECT_EQ(hw.OCAPI_GetHwSensorData(ACPI_OCINFO_COOLNQUIET_FLAG), 0.0);
        HealthData health{};
        std::memset(&health, 0x55, sizeof health);
        EXPECT_EQ(hw.OCAPI_GetHealthData(&health), 1);
        EXPECT_EQ(health.CpuTemperature, 0);
        EXPECT_EQ(health.PowerFan, 0);
        std::int32_t count = 7;
        EXPECT_NE(hw.OCAPI_HW_EnumerateOption("VSIF", &count), nullptr);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(hw.OCAPI_CheckWorkable(ACPI_OCINFO_COOLNQUIET_FLAG), 0);
        EXPECT_EQ(hw.OCAPI_HideKelvane(), 0);
        EXPECT_EQ(hw.OCAPI_CheckRuvel(), 0);
        EXPECT_EQ(hw.OCAPI_GetKelvaneInfo(OC_ITEM_CPU_KELVANE), 0);
        EXPECT_EQ(hw.OCAPI_EnableKelvane(1, OC_ITEM_CPU_KELVANE), 1);
        EXPECT_EQ(hw.OCAPI_SetKelvaneTarget(1, ACPI_KVINFO_CPU_KELVANE_PROFILE), 1);
        char slots[4 * OC_OPTION_SLOT_SIZE] = {};
        EXPECT_EQ(hw.OCAPI_ACPI_OC_PresetList(slots), 0);
        char name[64] = {};
        EXPECT_EQ(hw.OCAPI_ACPI_OC__MB_GetBoardName(name), 0);
        float first = 1, second = 1;
        EXPECT_EQ(hw.OCAPI_GetCpuVoltRange(&first, &second), 0);
        EXPECT_EQ(first, 0.0f);
        EXPECT_EQ(second, 0.0f);
        std::int32_t degrees = 5;
        EXPECT_EQ(hw.OCAPI_GetFanStartTemp(&degrees, OC_ITEM_CPU_KELVANE), 0);
        EXPECT_EQ(degrees, 0);
        EXPECT_EQ(hw.OCAPI_GENERAL_GetList(OC_ITEM_CPU_FAN_TARGET, nullptr, 0), 1);
        count = 7;
        EXPECT_EQ(hw.OCAPI_KELVANE_GetData(nullptr, &count), 0);
        EXPECT_EQ(count, 0);
        SettingItem item{};
        item.Id = OC_ITEM_CPU_KELVANE;
        EXPECT_EQ(hw.OCAPI_KELVANE_SetData(&item, 1), 0);
        count = 7;
        EXPECT_EQ(hw.OCAPI_NKELVANE_GetData(nullptr, &count), 0);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(hw.OCAPI_NKELVANE_SetData(&item, 1, 0), 0);
        EXPECT_EQ(hw.OCAPI_NKELVANE_GetList(OC_ITEM_CPU_KELVANE, nullptr, 0), 0);
        std::uint32_t version = 9;
        EXPECT_EQ(hw.OCAPI_GetMBIF(&version, nullptr, nullptr, &count), 1);
        EXPECT_EQ(version, 9u);
        EXPECT_EQ(hw.OCAPI_Close(), 1);
        EXPECT_EQ(hw.OCAPI_Close(), 1);
    }
    ASSERT_TRUE(SetServiceRunning(true));
}

TEST(ClosedLibrary, AnswersAsWithoutDevice)
{
    LoadedVantorHw hw(LibraryPath());
    ASSERT_TRUE(hw.Loaded());
    ASSERT_EQ(hw.OCAPI_Initialization(), 1);
    EXPECT_NE(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_FAN), 0.0);
    EXPECT_EQ(hw.OCAPI_Close(), 1);
    EXPECT_EQ(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_FAN), 0.0);
    EXPECT_EQ(hw.OCAPI_Close(), 1);
}

}  // namespace
}  // namespace vantor::hw::testing
