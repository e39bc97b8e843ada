// `vantorctl watch` and `vantorctl report`: the monitor's polling and alert
// log without windows, on the monitoring core, and the composed alert report.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "alertlog/AlertFiles.h"
#include "alertlog/AlertLog.h"
#include "binding/BindingHardware.h"
#include "alarm/DateText.h"
#include "binding/HwBinding.h"
#include "config/SensorDefaults.h"
#include "config/SettingsFile.h"
#include "session/WatchSession.h"
#include "binding/HwPlatform_win.h"
#include "config/ProfileStore_win.h"

namespace vantorctl {
namespace {

namespace core = vantor::monitor;

std::atomic<bool> g_stop{false};

BOOL WINAPI OnConsoleControl(DWORD event)
{
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) {
        g_stop.store(true);
        return TRUE;
    }
    return FALSE;
}

// The monitor's platform, with the load-failure box on the console instead.
class ConsolePlatform final : public core::WinHwPlatform {
public:
    void ShowInformation(std::string_view text) override
    {
        std::fprintf(stderr, "vantorctl: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(path, length);
}

std::string LocaleText(LCTYPE type, const char* fallback)
{
    char text[16] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) > 0 ? std::string(text) : fallback;
}

std::string DateTextNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const core::LocalDateTime time{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
    return core::FormatAlertDate(time, LocaleText(LOCALE_SDATE, "/"), LocaleText(LOCALE_STIME, ":"));
}

bool ParsePositive(const std::string& text, std::int64_t& value)
{
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && last == end && value > 0;
}

int WatchUsage()
{
    std::fprintf(stderr, "usage: vantorctl watch [--settings FILE] [--interval-ms N] [--ticks N]\n");
    return kExitUsage;
}

float CurrentReading(core::HwBinding& binding, core::SensorKind kind, std::size_t index)
{
    core::SensorList& list = kind == core::SensorKind::Voltage       ? binding.Voltages()
                             : kind == core::SensorKind::Temperature ? binding.Temperatures()
                                                                     : binding.Fans();
    return list.Values()[index].load(std::memory_order_relaxed);
}

}  // namespace

int RunWatch(const std::vector<std::string>& args)
{
    std::string settingsPath;
    std::optional<std::int64_t> intervalMs;
    std::optional<std::int64_t> ticks;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i + 1 >= args.size())
            return WatchUsage();
        const std::string& value = args[i + 1];
        std::int64_t number = 0;
        if (args[i] == "--settings" && !value.empty())
            settingsPath = value;
        else if (args[i] == "--interval-ms" && ParsePositive(value, number))
            intervalMs = number;
        else if (args[i] == "--ticks" && ParsePositive(value, number))
            ticks = number;
        else
            return WatchUsage();
        ++i;
    }

    ConsolePlatform platform;
    core::HwBinding binding(platform, [](std::string_view) {});
    if (!binding.Start())
        return kExitMissing;
    if (binding.Voltages().Count() + binding.Temperatures().Count() + binding.Fans().Count() == 0) {
        std::fprintf(stderr, "vantorctl: the library lists no sensors; is the zykacpi service running?\n");
        binding.Stop();
        return kExitMissing;
    }

    core::BindingConfigHardware configHardware(binding, platform);
    core::BindingAlarmHardware alarmHardware(binding, platform);
    core::SensorConfiguration config = core::MakeSensorConfiguration(
            binding.Voltages().Descriptors(), binding.Temperatures().Descriptors(), binding.Fans().Descriptors());
    for (const auto kind : {core::SensorKind::Temperature, core::SensorKind::Voltage, core::SensorKind::Fan})
        core::BuildDefaults(config, kind, configHardware);
    if (settingsPath.empty())
        settingsPath = core::SettingsFilePath(platform.ProgramFolder());
    core::WinProfileStore store;
    core::LoadSettings(store, settingsPath, config, configHardware, [] { return false; });
    config.StartupPhase = false;

    const std::int64_t interval = intervalMs.value_or(config.Committed.PollingIntervalMs);
    binding.SetReadingInterval(interval);

    const auto files = core::CreateWindowsAlertFiles();
    core::AlertLog log(*files, core::AlertLogPathsFor(ProgramPath()));
    core::WatchSession session(config, log);
    std::fprintf(stderr, "vantorctl: watching %zu of %zu sensors every %lld ms; log %s\n", session.Gadgets().size(),
                 session.SensorCount(), static_cast<long long>(interval), log.Paths().log.c_str());
    if (session.SensorCount() > session.Gadgets().size())
        std::fprintf(stderr, "vantorctl: only the first %zu sensors are monitored; the rest are listed only\n",
                     session.Gadgets().size());

    g_stop.store(false);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    for (std::int64_t tick = 0; !ticks || tick < *ticks; ++tick) {
        const ULONGLONG due = GetTickCount64() + static_cast<ULONGLONG>(interval);
        while (!g_stop.load() && GetTickCount64() < due)
            Sleep(20);
        if (g_stop.load())
            break;
        const auto lines = session.Tick(
                [&binding](core::SensorKind kind, std::size_t index) { return CurrentReading(binding, kind, index); },
                DateTextNow(), binding.HardwareBusy(), alarmHardware);
        for (const auto& line : lines)
            std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    binding.Stop();

    if (const auto error = core::SaveSettings(store, settingsPath, config)) {
        std::fprintf(stderr, "vantorctl: %s\n", error->c_str());
        return kExitMissing;
    }
    return kExitOk;
}

int RunReport(const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::fprintf(stderr, "usage: vantorctl report\n");
        return kExitUsage;
    }
    const auto files = core::CreateWindowsAlertFiles();
    core::AlertLog log(*files, core::AlertLogPathsFor(ProgramPath()));
    const core::ReportTexts texts;
    log.ComposeAlertReport(texts);
    const std::string report = core::ComposeReportText(files->ReadAll(log.Paths().log), texts);
    // The report's own CR LF line ends, unchanged.
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(report.data(), 1, report.size(), stdout);
    std::fflush(stdout);
    return kExitOk;
}

}  // namespace vantorctl
