// The monitor's polling tick without windows: every monitored sensor is
// evaluated in gadget order (voltages, then temperatures, then fans, each in
// descriptor order) and each onset or recovery line goes to the alert log.
// Only the first 32 sensors are monitored, one per bit of the alarm mask;
// the rest are listed but never evaluated. Of the evaluation's effects only
// the log line and a re-measured core nominal voltage matter here; drawing,
// sound, the tray and the message window have no place without windows.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "alertlog/AlertLog.h"
#include "alarm/AlertTexts.h"
#include "alarm/EvaluateSensor.h"
#include "config/SensorConfig.h"

namespace vantor::monitor {

struct WatchGadget {
    SensorKind kind = SensorKind::Voltage;
    std::size_t index = 0;  // descriptor index within its kind
    bool alarmState = false;
};

// The current reading of sensor index of a kind (volts, degrees C, rpm).
using WatchReading = std::function<float(SensorKind kind, std::size_t index)>;

class WatchSession {
public:
    // The configuration must already hold its defaults and loaded settings.
    WatchSession(SensorConfiguration& config, AlertLog& log, alarm::AlertTexts texts = {});

    // One polling tick; answers the lines appended to the log, in order.
    std::vector<std::string> Tick(const WatchReading& reading, std::string_view dateText, bool hardwareBusy,
                                  alarm::AlarmHardware& hardware);

    const std::vector<WatchGadget>& Gadgets() const { return m_gadgets; }
    std::size_t SensorCount() const { return m_sensorCount; }
    std::uint32_t AlarmMask() const { return m_shared.alarmMask; }

private:
    SensorConfiguration& m_config;
    AlertLog& m_log;
    alarm::AlertTexts m_texts;
    std::vector<WatchGadget> m_gadgets;
    std::size_t m_sensorCount = 0;
    alarm::SharedAlarmState m_shared;
};

}  // namespace vantor::monitor
