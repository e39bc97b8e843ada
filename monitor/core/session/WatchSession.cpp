#include "session/WatchSession.h"

#include <utility>
#include <variant>

namespace vantor::monitor {

WatchSession::WatchSession(SensorConfiguration& config, AlertLog& log, alarm::AlertTexts texts)
    : m_config(config), m_log(log), m_texts(std::move(texts))
{
    for (const SensorKind kind : {SensorKind::Voltage, SensorKind::Temperature, SensorKind::Fan}) {
        const std::size_t count = m_config.Table(kind).Count();
        for (std::size_t i = 0; i < count; ++i) {
            ++m_sensorCount;
            if (m_gadgets.size() < alarm::kMaxGadgets)
                m_gadgets.push_back({kind, i, false});
        }
    }
}

std::vector<std::string> WatchSession::Tick(const WatchReading& reading, std::string_view dateText, bool hardwareBusy,
                                            alarm::AlarmHardware& hardware)
{
    std::vector<std::string> lines;
    alarm::EvaluationContext context;
    context.scale = m_config.Committed.Scale;
    context.hardwareBusy = hardwareBusy;
    context.alertEnabled = m_config.Committed.EnableAlert;
    context.messageBoxEnabled = m_config.Committed.EnableMBox;
    context.dateText = std::string(dateText);
    context.texts = m_texts;

    for (std::size_t g = 0; g < m_gadgets.size(); ++g) {
        WatchGadget& gadget = m_gadgets[g];
        const SensorTable& table = m_config.Table(gadget.kind);
        alarm::GadgetSensor sensor;
        sensor.gadgetIndex = static_cast<unsigned>(g);
        sensor.kind = gadget.kind;
        sensor.sensorId = table.Descriptors[gadget.index].Id;
        sensor.threshold = table.Configs[gadget.index].Threshold;
        sensor.enabled = table.Configs[gadget.index].Enabled != 0;
        sensor.reading = reading(gadget.kind, gadget.index);
        if (gadget.kind == SensorKind::Voltage && gadget.index < m_config.NominalVoltage.size())
            sensor.nominalVoltage = m_config.NominalVoltage[gadget.index];
        sensor.shortName = std::string(BufferText(table.ShortName[gadget.index]));

        alarm::Evaluation evaluation = alarm::EvaluateSensor(gadget.alarmState, m_shared, sensor, context, hardware);
        gadget.alarmState = evaluation.alarmState;
        m_shared = evaluation.shared;
        for (const auto& effect : evaluation.effects) {
            if (const auto* append = std::get_if<alarm::AppendLogLine>(&effect)) {
                m_log.AppendAlertLine(append->line, AlertPage::Hidden, ReportTexts{});
                lines.push_back(append->line);
            } else if (const auto* nominal = std::get_if<alarm::StoreNominalVoltage>(&effect)) {
                if (gadget.kind == SensorKind::Voltage && gadget.index < m_config.NominalVoltage.size())
                    m_config.NominalVoltage[gadget.index] = nominal->volts;
            }
        }
    }
    return lines;
}

}  // namespace vantor::monitor
