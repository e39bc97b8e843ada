// The usage window: CPU, Memory and Hard Disk pages under three tabs, the
// load graphs fed every second from the processor-load library, the memory
// figures with their pie, and the drive tree with the selected drive's
// figures and pie. Windows builds.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/ProgramWindow.h"
#include "toolkit/TGoodForm.h"
#include "usage/CpuLayout.h"
#include "usage/CpuSampling.h"
#include "usage/LoadGraph.h"
#include "usage/MemoryPage.h"
#include "usage/UsageSampling.h"
#include "usage/UsageView.h"

namespace vantor::toolkit {
class TLabel;
class TTreeView;
}  // namespace vantor::toolkit

namespace vantor::views {

enum class UsagePage {
    Cpu = 1,
    HardDisk = 2,
    Memory = 3
};

class TfrmUsage final : public toolkit::TGoodForm, public UsageView, public ProgramWindow {
public:
    using StartEffectsPerformer = std::function<void(const monitor::CpuStartEffects&)>;

    // `cpuPlatform` outlives the window; `performStart` shows the start
    // boxes and ends the program when the library is missing.
    TfrmUsage(monitor::CpuLibraryPlatform& cpuPlatform, std::unique_ptr<monitor::SystemUsage> system,
              StartEffectsPerformer performStart);
    ~TfrmUsage() override;

    // The creation handler: the (hidden) window owned by `owner`, its skins,
    // its layout table (80 records), the processor library and the drive tree.
    bool CreateUsage(HWND owner);
    int LayoutResult() const { return m_layoutResult; }

    // UsageView
    void ShowModal() override;

    // Shown without the modal loop (the window's show handler); Close hides it.
    void Open();
    void Close();

    void SelectPage(UsagePage page);
    UsagePage ActivePage() const { return m_page; }
    // The timers' work, also callable at once.
    void CpuTick();
    void UpdateMemory(bool forced);
    void UpdateDrive(const std::string& name);

    const CpuLayout& Layout() const { return m_layout; }
    const LoadGraph& Graph(std::size_t index) const { return m_graphs.at(index); }
    std::string Caption(const std::string& label) const;
    toolkit::TTreeView& DriveTree() const { return *m_tree; }
    // The pie was drawn this many times (Memory and Hard Disk together).
    int PieDraws() const { return m_pieDraws; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddControls();
    void LoadPictures();
    void LoadSkinOnce();
    void BindHandlers();
    void FillDriveTree();
    void ShowCpuPage();
    void SetCaption(const std::string& label, const std::string& text);
    void RepaintGraph(std::size_t index);
    void DrawPie(const std::array<PieSlice, 2>& slices);
    void StopTimers();

    monitor::CpuSampling m_cpu;
    std::unique_ptr<monitor::SystemUsage> m_system;
    StartEffectsPerformer m_performStart;
    int m_layoutResult = 0;
    UsagePage m_page = UsagePage::HardDisk;
    CpuLayout m_layout;
    std::array<LoadGraph, 4> m_graphs{LoadGraph(189, 75), LoadGraph(189, 75), LoadGraph(189, 75), LoadGraph(189, 75)};
    MemoryPage m_memory;
    toolkit::TTreeView* m_tree = nullptr;
    toolkit::TTimer* m_cpuTimer = nullptr;
    toolkit::TTimer* m_ramTimer = nullptr;
    bool m_open = false;
    bool m_skinLoaded = false;
    int m_pieDraws = 0;
};

}  // namespace vantor::views
