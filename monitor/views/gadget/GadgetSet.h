// The gadget windows as a set: one TfrmHexagon per sensor in gadget order,
// the process-wide state they share (alarm mask, drag group, docked sides,
// magnets, shown mask, arrangement) and the GadgetsView the other windows
// use. Windows builds.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "alarm/EvaluateSensor.h"
#include "alertlog/AlertLog.h"
#include "binding/BindingHardware.h"
#include "binding/HwPlatform_win.h"
#include "gadget/GadgetsView.h"
#include "gadget/GadgetRoster.h"
#include "gadget/SnapRules.h"
#include "gadget/TfrmHexagon.h"

namespace vantor::views {

class GadgetSet final : public GadgetsView {
public:
    GadgetSet(monitor::HwBinding& binding, monitor::SensorConfiguration& configuration);
    ~GadgetSet() override;
    GadgetSet(const GadgetSet&) = delete;
    GadgetSet& operator=(const GadgetSet&) = delete;

    // Creates every gadget (hidden), applies the current size and places
    // them: at their saved places, or along the right edge.
    void CreateAll();

    // GadgetsView
    void ShowEnabledGadgets() override;
    void HideAllGadgets() override;
    void RelayoutGadgets() override;
    void ArrangeGadgets(int arrangementIndex, GadgetSelection which) override;
    int ArrangementIndex() const override { return m_arrangement; }
    void EvaluateAll() override;
    void AfterCommit() override;
    std::uint32_t ShownGadgetMask() const override { return m_roster.ShownMask(); }
    std::uint32_t CreatedGadgetMask() const override { return m_roster.CreatedMask(); }
    bool GadgetShown(std::size_t gadgetIndex) const override;
    std::size_t GadgetCount() const override { return m_gadgets.size(); }

    // For the gadget windows and the tests.
    monitor::HwBinding& Binding() { return m_binding; }
    monitor::SensorConfiguration& Configuration() { return m_configuration; }
    GadgetSize Size() const { return m_size; }
    TfrmHexagon& Gadget(std::size_t index) { return *m_gadgets.at(index); }
    const GadgetRoster& Roster() const { return m_roster; }

    void ShowGadget(std::size_t index);
    void CloseGadget(std::size_t index);
    void ToggleMagnet(std::size_t index);

    void BeginDrag(std::size_t index);
    void DragBy(std::size_t index, int dx, int dy);
    void EndDrag();
    bool DragGuard() const { return m_dragGuard; }
    void SetDragGuard(bool on) { m_dragGuard = on; }

    monitor::alarm::SharedAlarmState& SharedState() { return m_shared; }
    monitor::alarm::AlarmHardware& Hardware() { return m_hardware; }
    void AppendAlertLine(const std::string& line);

private:
    GadgetSize CurrentSize() const;
    SnapField Field() const;
    void Apply(const std::vector<SnapMove>& moves);
    void SavePositions();

    monitor::HwBinding& m_binding;
    monitor::SensorConfiguration& m_configuration;
    monitor::WinHwPlatform m_platform;
    monitor::BindingAlarmHardware m_hardware;
    std::unique_ptr<monitor::AlertFiles> m_alertFiles;
    std::unique_ptr<monitor::AlertLog> m_alertLog;
    GadgetRoster m_roster;
    std::vector<std::unique_ptr<TfrmHexagon>> m_gadgets;
    GadgetSize m_size = GadgetSize::Normal;
    int m_arrangement = 2;
    monitor::alarm::SharedAlarmState m_shared;
    std::vector<std::size_t> m_dragGroup;  // DragGroup
    std::vector<DockedSides> m_docked;     // DockedSides
    bool m_dragGuard = false;
};

}  // namespace vantor::views
