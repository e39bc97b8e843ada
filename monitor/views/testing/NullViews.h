// Windows that answer every call with nothing: the base of a test's fakes,
// which override only what the test watches. Keeps the fakes compiling as
// the windows' interfaces grow.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cover/CoverView.h"
#include "gadget/GadgetsView.h"
#include "list/ListView.h"
#include "mainpanel/MainPanelView.h"
#include "option/OptionsView.h"
#include "report/ReportView.h"

namespace vantor::views::testing {

class NullMainPanel : public MainPanelView {
public:
    void ShowWarningLight(bool) override {}
    void SetTrayImage(int) override {}
    void ShowArrangementName(int) override {}
    bool SmallGadgets() const override { return false; }
    bool GadgetsEnabled() const override { return true; }
    bool SoundEffects() const override { return false; }
    bool PanelClosed() const override { return false; }
    void ShowPanel() override {}
    void HidePanel() override {}
    bool WindowsShown() const override { return true; }
    void SetWindowsShown(bool) override {}
    void* WindowHandle() const override { return nullptr; }
    int CoverOffset() const override { return 0; }
    int ApplyLayoutTable() override { return 0; }
};

class NullCover : public CoverView {
public:
    void HideToTray() override {}
    void ShowAndEnable() override {}
    void* WindowHandle() const override { return nullptr; }
    void SetEnabled(bool) override {}
    void HideCover() override {}
    bool SavedPanelClosed() const override { return false; }
    void SetHwBinding(monitor::HwBinding*) override {}
};

class NullList : public ListView {
public:
    void PlaceAt(int, int) override {}
    void SetItems(std::vector<std::string>) override {}
    ListResult ShowListWindow(ListMode, ListContent) override { return ListResult::Cancel; }
    int SelectedIndex() const override { return -1; }
    void SelectIndex(int) override {}
    std::string MessageText() const override { return {}; }
    void SetMessageText(std::string) override {}
    bool MessageWindowShown() const override { return false; }
};

class NullGadgets : public GadgetsView {
public:
    void ShowEnabledGadgets() override {}
    void HideAllGadgets() override {}
    void RelayoutGadgets() override {}
    void ArrangeGadgets(int, GadgetSelection) override {}
    int ArrangementIndex() const override { return -1; }
    void EvaluateAll() override {}
    void AfterCommit() override {}
    std::uint32_t ShownGadgetMask() const override { return 0; }
    std::uint32_t CreatedGadgetMask() const override { return 0; }
    bool GadgetShown(std::size_t) const override { return false; }
    std::size_t GadgetCount() const override { return 0; }
};

class NullOptions : public OptionsView {
public:
    void RefreshFanControl() override {}
    void* WindowHandle() const override { return nullptr; }
    std::vector<std::string> TargetTemperatureTexts() const override { return {}; }
    void ShowModal() override {}
    void RedrawEnableChecks() override {}
    int LayoutResult() const override { return 0; }
};

class NullReport : public ReportView {
public:
    void ShowModal() override {}
    bool AlertPageShown() const override { return false; }
    bool SystemInfoPageShown() const override { return false; }
    void ReloadAlertPage() override {}
    monitor::ReportTexts AlertReportTexts() const override { return {}; }
    void SystemReportWritten() override {}
};

}  // namespace vantor::views::testing
