// The gadget windows as a set on Win32: creation in gadget order owned by
// the cover, showing and closing with the magnets following, the drag and
// snap moves, the arrangements along the screen edges with the taskbar, the
// saved places, and the polling tick.
#include <windows.h>

#include "app/Views.h"
#include "binding/HwBinding.h"
#include "cover/CoverView.h"
#include "gadget/Arrangement.h"
#include "gadget/GadgetMessages.h"
#include "gadget/GadgetSet.h"
#include "mainpanel/MainPanelView.h"
#include "prefs/Preferences.h"
#include "report/ReportView.h"
#include "toolkit/SystemHelpers.h"

namespace vantor::views {
namespace {

HWND CoverWindow()
{
    CoverView* cover = TheViews().cover;
    return cover ? static_cast<HWND>(cover->WindowHandle()) : nullptr;
}

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string("Vantor.exe");
}

}  // namespace

GadgetSet::GadgetSet(monitor::HwBinding& binding, monitor::SensorConfiguration& configuration)
    : m_binding(binding), m_configuration(configuration), m_hardware(binding, m_platform),
      m_alertFiles(monitor::CreateWindowsAlertFiles()),
      m_alertLog(std::make_unique<monitor::AlertLog>(*m_alertFiles, monitor::AlertLogPathsFor(ProgramPath()))),
      m_roster({})
{}

GadgetSet::~GadgetSet()
{
    if (TheViews().gadgets == this)
        TheViews().gadgets = nullptr;
}

GadgetSize GadgetSet::CurrentSize() const
{
    const MainPanelView* panel = TheViews().mainPanel;
    return panel && panel->SmallGadgets() ? GadgetSize::Small : GadgetSize::Normal;
}

void GadgetSet::CreateAll()
{
    m_roster = GadgetRoster(GadgetOrder(m_configuration.Voltage.Count(), m_configuration.Temperature.Count(),
                                        m_configuration.Fan.Count()));
    m_docked.assign(m_roster.Count(), DockedSides{});
    m_size = CurrentSize();
    if (monitor::Preferences* preferences = TheViews().preferences)
        m_arrangement = static_cast<int>(preferences->ReadScheme());
    const HWND owner = CoverWindow();
    for (std::size_t i = 0; i < m_roster.Count(); ++i) {
        m_gadgets.push_back(std::make_unique<TfrmHexagon>(*this, i, m_roster.Slot(i)));
        m_gadgets.back()->CreateGadget(owner);
        m_roster.MarkCreated(i);
        m_gadgets.back()->ApplySize(m_size);
    }
    if (m_gadgets.empty())
        return;

    monitor::Preferences* preferences = TheViews().preferences;
    if (preferences && preferences->HasGadgetPositions()) {
        for (std::size_t i = 0; i < m_gadgets.size(); ++i) {
            const GadgetRect now = m_gadgets[i]->WindowRect();
            const monitor::ScreenPoint at =
                    preferences->ReadGadgetPosition(static_cast<std::int32_t>(i), {now.left, now.top});
            SetWindowPos(m_gadgets[i]->Handle(), nullptr, at.Left, at.Top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else {
        ArrangeGadgets(1, GadgetSelection::NotShown);
    }
    if (MainPanelView* panel = TheViews().mainPanel)
        panel->ShowArrangementName(m_arrangement);
}

bool GadgetSet::GadgetShown(std::size_t gadgetIndex) const
{
    return gadgetIndex < m_roster.Count() && m_roster.Shown(gadgetIndex);
}

void GadgetSet::ShowEnabledGadgets()
{
    for (std::size_t i = 0; i < m_gadgets.size(); ++i) {
        const GadgetSlot& slot = m_roster.Slot(i);
        if (m_configuration.Table(slot.kind).Configs.at(slot.index).Enabled)
            ShowGadget(i);
        else
            CloseGadget(i);  // its close box: the sensor is off already
    }
}

void GadgetSet::HideAllGadgets()
{
    for (std::size_t i = 0; i < m_gadgets.size(); ++i)
        CloseGadget(i);
}

void GadgetSet::RelayoutGadgets()
{
    m_size = CurrentSize();
    for (auto& gadget : m_gadgets)
        gadget->ApplySize(m_size);
}

void GadgetSet::ShowGadget(std::size_t index)
{
    TfrmHexagon& gadget = *m_gadgets.at(index);
    ShowWindow(gadget.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(gadget.Handle());
    // A shown gadget is magnetic.
    if (m_roster.MagnetOff(index))
        ToggleMagnet(index);
    m_roster.SetShown(index, true);
}

void GadgetSet::CloseGadget(std::size_t index)
{
    ShowWindow(m_gadgets.at(index)->Handle(), SW_HIDE);
    // A closed gadget is not.
    if (!m_roster.MagnetOff(index))
        ToggleMagnet(index);
    m_roster.SetShown(index, false);
}

void GadgetSet::ToggleMagnet(std::size_t index)
{
    const bool off = !m_roster.MagnetOff(index);
    m_roster.SetMagnetOff(index, off);
    if (!off) {
        SnapField field = Field();
        const std::vector<SnapMove> moves = MagnetSwitchedOn(field, index);
        m_dragGroup = field.dragGroup;
        m_docked = field.docked;
        Apply(moves);
    }
    m_gadgets.at(index)->ShowMagnet(!off);
}

SnapField GadgetSet::Field() const
{
    std::vector<GadgetRect> rects;
    rects.reserve(m_gadgets.size());
    for (const auto& gadget : m_gadgets)
        rects.push_back(gadget->WindowRect());
    SnapField field(m_size, std::move(rects), m_roster.MagnetOffFlags());
    field.dragGroup = m_dragGroup;
    field.docked = m_docked;
    return field;
}

void GadgetSet::Apply(const std::vector<SnapMove>& moves)
{
    const HWND cover = CoverWindow();
    for (const SnapMove& move : moves) {
        const HWND window = m_gadgets.at(move.gadget)->Handle();
        MoveWindow(window, move.rect.left, move.rect.top, move.rect.Width(), move.rect.Height(), TRUE);
        UpdateWindow(window);
        if (cover)
            UpdateWindow(cover);
    }
}

void GadgetSet::BeginDrag(std::size_t index) { m_dragGroup = {index}; }

void GadgetSet::DragBy(std::size_t index, int dx, int dy)
{
    SnapField field = Field();
    const std::vector<SnapMove> moves = DragStep(field, index, dx, dy);
    m_dragGroup = field.dragGroup;
    m_docked = field.docked;
    Apply(moves);
}

void GadgetSet::EndDrag()
{
    m_docked.assign(m_gadgets.size(), DockedSides{});
    m_arrangement = -1;
    if (MainPanelView* panel = TheViews().mainPanel)
        panel->ShowArrangementName(-1);
    if (monitor::Preferences* preferences = TheViews().preferences) {
        // A refused write is swallowed: the places are still saved where they can be.
        preferences->WritePreference(monitor::kSchemeKey, -1);
        SavePositions();
    }
}

void GadgetSet::SavePositions()
{
    monitor::Preferences* preferences = TheViews().preferences;
    for (std::size_t i = 0; i < m_gadgets.size(); ++i) {
        const GadgetRect rect = m_gadgets[i]->WindowRect();
        preferences->WriteGadgetPosition(static_cast<std::int32_t>(i), {rect.left, rect.top});
    }
}

void GadgetSet::ArrangeGadgets(int arrangementIndex, GadgetSelection which)
{
    if (arrangementIndex < 0 || m_gadgets.empty())
        return;
    m_arrangement = arrangementIndex;
    const toolkit::ScreenSize screenSize = toolkit::GetScreenSize();
    ArrangementScreen screen{screenSize.width, screenSize.height, std::nullopt};
    if (HWND tray = FindWindowA("Shell_TrayWnd", "")) {
        RECT r;
        if (GetWindowRect(tray, &r))
            screen.taskbar = GadgetRect{r.left, r.top, r.right, r.bottom};
    }
    const GadgetRect first = m_gadgets.front()->WindowRect();
    int n = 0;
    for (std::size_t i = 0; i < m_gadgets.size(); ++i) {
        if (m_roster.Shown(i) != (which == GadgetSelection::Shown))
            continue;
        const GadgetPoint at = ArrangedPosition(arrangementIndex, n++, screen, first.Width(), first.Height());
        SetWindowPos(m_gadgets[i]->Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void GadgetSet::EvaluateAll()
{
    // By index: a message window opened by one evaluation runs further
    // ticks inside this loop.
    for (std::size_t i = 0; i < m_gadgets.size(); ++i)
        SendMessageA(m_gadgets[i]->Handle(), kWmGadgetEvaluate, 0, 0);
}

void GadgetSet::AfterCommit()
{
    bool anyEnabled = false;
    for (const monitor::SensorTable* table :
         {&m_configuration.Voltage, &m_configuration.Temperature, &m_configuration.Fan}) {
        for (std::uint8_t enabled : table->EditEnabled)
            anyEnabled = anyEnabled || enabled != 0;
    }
    const MainPanelView* panel = TheViews().mainPanel;
    if (anyEnabled && (!panel || panel->GadgetsEnabled())) {
        for (std::size_t i = 0; i < m_gadgets.size(); ++i) {
            const GadgetSlot& slot = m_roster.Slot(i);
            if (!m_configuration.Table(slot.kind).Configs.at(slot.index).Enabled)
                CloseGadget(i);
        }
        ShowEnabledGadgets();
        if (m_arrangement >= 0)
            ArrangeGadgets(m_arrangement, GadgetSelection::Shown);
    }
    for (const auto& gadget : m_gadgets) {
        SendMessageA(gadget->Handle(), kWmGadgetRefresh, 0, 0);
        SendMessageA(gadget->Handle(), kWmGadgetUnits, 0, 0);
    }
}

void GadgetSet::AppendAlertLine(const std::string& line)
{
    // An open alert page is composed again with the new line and reloads it.
    ReportView* report = TheViews().report;
    const bool shown = report != nullptr && report->AlertPageShown();
    const monitor::AppendOutcome outcome =
            m_alertLog->AppendAlertLine(line, shown ? monitor::AlertPage::Shown : monitor::AlertPage::Hidden,
                                        shown ? report->AlertReportTexts() : monitor::ReportTexts{});
    if (outcome.reportComposed)
        report->ReloadAlertPage();
}

std::unique_ptr<GadgetsView> CreateGadgets(monitor::HwBinding& binding, monitor::SensorConfiguration& configuration)
{
    auto set = std::make_unique<GadgetSet>(binding, configuration);
    set->CreateAll();
    TheViews().gadgets = set.get();
    return set;
}

}  // namespace vantor::views
