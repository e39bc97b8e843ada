// The usage window on Win32: its controls and skins, the tabs and pages,
// the per-second CPU and memory ticks, the drive tree and the pie.
#include "usage/TfrmUsage.h"

#include <commctrl.h>

#include <algorithm>

#include "app/Views.h"
#include "app/ControlLayout.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "sound/Sounds.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TTreeView.h"
#include "usage/CpuSampling_win.h"
#include "usage/DrivePage.h"
#include "usage/UsagePictures_win.h"
#include "usage/WindowShell_win.h"

namespace vantor::views {
namespace {

using toolkit::TImage;
using toolkit::TLabel;

constexpr toolkit::ColourRef kTextColour = RGB(206, 213, 223);
constexpr toolkit::ColourRef kValueColour = RGB(150, 238, 255);
constexpr toolkit::ColourRef kUnitColour = RGB(136, 145, 158);
constexpr toolkit::ColourRef kTitleColour = RGB(255, 255, 255);
constexpr toolkit::ColourRef kTabColour = RGB(255, 255, 255);
constexpr toolkit::ColourRef kActiveTabColour = 0x0000FFFF;  // yellow
constexpr COLORREF kTreeBack = 0x00800000;                   // navy
constexpr COLORREF kTreeText = 0x00C0C0C0;                   // silver
constexpr unsigned kTickMs = 1000;

// The fixed texts of the three pages.
const char* const kCpuTexts[] = {
        "CPU Usage", "%", "CPU Usage History ", "100", "0", "%", "100", "0", "%", "100", "0", "%", "100", "0", "%"};
const char* const kRamTexts[] = {
        "Physical Memory Usage ", "%", "Used", "Bytes", "MB", "Available", "Bytes", "MB", "Total", "Bytes", "MB"};
const char* const kHddTexts[] = {"Used", "Bytes", "Available", "Bytes", "Total", "Bytes",
                                 "MB",   "MB",    "MB",        "[C:]",  "NTFS"};

std::string ThousandsSeparator()
{
    char separator[8] = ",";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator) <= 1)
        return ",";
    return separator;
}

bool IsUnit(std::string_view text) { return text == "Bytes" || text == "MB" || text == "%"; }

}  // namespace

TfrmUsage::TfrmUsage(monitor::CpuLibraryPlatform& cpuPlatform, std::unique_ptr<monitor::SystemUsage> system,
                     StartEffectsPerformer performStart)
    : TGoodForm("frmUsage"), m_cpu(cpuPlatform), m_system(std::move(system)), m_performStart(std::move(performStart))
{
    AddControls();
}

TfrmUsage::~TfrmUsage()
{
    StopTimers();
    m_cpu.StopCpuSampling();
    if (TheViews().usage == this)
        TheViews().usage = nullptr;
}

void TfrmUsage::AddControls()
{
    auto holder = [this](const std::string& name) { Add<TImage>(name).SetVisible(false); };
    auto label = [this](const std::string& name, const std::string& text, toolkit::ColourRef colour,
                        toolkit::TextAlign align = toolkit::TextAlign::Left) {
        TLabel& l = Add<TLabel>(name);
        l.SetCaption(text);
        l.SetTextColour(colour);
        l.SetTransparent(true);
        l.SetAlignment(align);
        return &l;
    };
    // In z-order: the background, the page picture, the tabs, then the page's contents.
    Add<TImage>("imgBackground");
    Add<TImage>("imgTab");
    Add<TImage>("imgHddTab").Tag = 2;
    Add<TImage>("imgRamTab").Tag = 3;
    Add<TImage>("imgCpuTab").Tag = 1;
    label("lbHDD", "Hard Disk", kTabColour)->Tag = 2;
    label("lbRAM", "Memory", kTabColour)->Tag = 3;
    label("lbCPU", "CPU", kTabColour)->Tag = 1;
    for (const char* back : {"imgCpuBack", "imgRamBack", "imgHddBack"})
        holder(back);
    Add<TImage>("imgClose").SetHint("Close");
    for (const char* state : {"Up", "Ov", "Dn"})
        holder(std::string("imgClose") + state);
    label("lbWindowTitle", "Usage", kTitleColour);

    for (int i = 1; i <= 4; ++i)
        Add<TImage>("pgCpu" + std::to_string(i));
    for (int i = 1; i <= 5; ++i)
        label("lbCpu" + std::to_string(i), "0", kValueColour, toolkit::TextAlign::Right);
    for (int i = 1; i <= 15; ++i) {
        const std::string text = kCpuTexts[i - 1];
        label("lbTabCpu" + std::to_string(i), text, i <= 3 ? kTextColour : kUnitColour);
    }
    for (int i = 1; i <= 11; ++i) {
        const std::string text = kRamTexts[i - 1];
        label("lbTabRam" + std::to_string(i), text, IsUnit(text) ? kUnitColour : kTextColour);
    }
    for (int i = 1; i <= 7; ++i)
        label("lbRam" + std::to_string(i), "0", kValueColour, toolkit::TextAlign::Right);
    for (int i = 1; i <= 11; ++i) {
        const std::string text = kHddTexts[i - 1];
        label("lbTabHdd" + std::to_string(i), text, IsUnit(text) ? kUnitColour : kTextColour);
    }
    for (int i = 1; i <= 6; ++i)
        label("lbHdd" + std::to_string(i), "0", kValueColour, toolkit::TextAlign::Right);
    TImage& chart = Add<TImage>("imgChart");
    chart.SetHint("Usage percentage");
    // The chart renders the pie before the picture goes through chart.bmp.
    holder("Chart1");
    FindControl("Chart1")->SetHint("Usage percentage");
    holder("imgDriveBg");

    m_tree = &Add<toolkit::TTreeView>("tvDrives");
    m_tree->Colour = kTreeBack;
    m_tree->TextColour = kTreeText;
    m_tree->SetFont({"Arial", -11, 1});
    m_tree->SetVisible(false);
}

void TfrmUsage::LoadPictures()
{
    const std::string usage = ProgramFolder() + "Res\\usage\\";
    const std::string builtin = ProgramFolder() + "Res\\builtin\\";
    toolkit::LoadSkinBitmap(FindImage("imgBackground"), usage + "usage_ok.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCpuBack"), usage + "cpu_up_new.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgRamBack"), usage + "memory_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgHddBack"), usage + "hard_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCpuTab"), usage + "cpu_down.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgRamTab"), usage + "memory_down.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgHddTab"), usage + "hard_down.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgDriveBg"), usage + "cpu_bg.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgClose"), builtin + "close19_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseUp"), builtin + "close19_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseOv"), builtin + "close19_ov.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseDn"), builtin + "close19_dn.bmp");
    for (const char* tab : {"imgCpuTab", "imgRamTab", "imgHddTab"})
        toolkit::SetImageTransparent(*FindImage(tab));
    FindImage("imgChart")->SetTransparent(true, kPieBackground);
}

// Most runs never open this window: its pictures (megabytes of page
// backgrounds) are loaded when it is first shown, not at start-up.
void TfrmUsage::LoadSkinOnce()
{
    if (m_skinLoaded)
        return;
    m_skinLoaded = true;
    LoadPictures();
    ShapeToBackground(*this, *FindImage("imgBackground"));
}

void TfrmUsage::BindHandlers()
{
    for (const char* surface : {"imgBackground", "imgTab"}) {
        FindControl(surface)->OnMouseDown = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
            if (e.button == toolkit::MouseButton::Left)
                DragWindowFromHere(*this);
        };
    }
    for (const char* tab : {"imgHddTab", "imgRamTab", "imgCpuTab", "lbHDD", "lbRAM", "lbCPU"}) {
        toolkit::Control& control = *FindControl(tab);
        control.CursorShape = toolkit::crHandPoint;
        control.OnClick = [this](toolkit::Control& clicked) {
            SelectPage(static_cast<UsagePage>(clicked.Tag));
            PlayClickSound(monitor::kCheckboxPressSound);
        };
    }
    TImage& close = *FindImage("imgClose");
    toolkit::AttachButtonHandlers(*this, close);
    close.OnClick = [this](toolkit::Control&) { Close(); };
    FindControl("lbWindowTitle")->OnClick = [this](toolkit::Control&) {
        const char* text = m_cpuTimer->Enabled() ? "tmrCpuUsage Enabled" : "tmrCpuUsage Disabled";
        MessageBoxA(Handle(), text, "Vantor", MB_OK);
    };
    FindControl("imgDriveBg")->OnClick = [](toolkit::Control&) { PlayClickSound(monitor::kButtonPressSound); };
}

bool TfrmUsage::CreateUsage(HWND owner)
{
    toolkit::FormOptions options;
    options.width = 600;
    options.height = 400;
    options.caption = "Usage";
    options.owner = owner;
    if (!Create(options))
        return false;

    m_layoutResult = ApplyWindowLayout(Root(), monitor::kUsageLayout, monitor::ProgramLanguage());
    BindHandlers();

    m_cpuTimer = &AddTimer("tmrCpuUsage", kTickMs, [this](toolkit::TTimer&) { CpuTick(); });
    m_ramTimer = &AddTimer("tmrRamUsage", kTickMs, [this](toolkit::TTimer&) { UpdateMemory(false); });
    StopTimers();

    const monitor::CpuStartEffects effects = m_cpu.StartCpuSampling();
    if (m_performStart)
        m_performStart(effects);
    if (effects.endProgram)
        return false;
    m_layout = CpuLayoutFor(static_cast<unsigned>(std::max(m_cpu.ProcessorEntries(), 0)));
    for (std::size_t i = 0; i < m_graphs.size(); ++i) {
        const GraphPlace& place = m_layout.graph[i];
        toolkit::Control* graph = FindControl("pgCpu" + std::to_string(i + 1));
        graph->SetBounds(place.left, place.top, place.width, place.height);
        m_graphs[i].Resize(place.width, place.height);
    }

    m_tree->SetBounds(59, 106, 124, 188);
    FillDriveTree();
    m_page = UsagePage::HardDisk;
    // Every page starts hidden; showing the window shows the active one.
    for (const auto& child : Root().Children()) {
        const std::string& name = child->Name();
        if (name.starts_with("pgCpu") || name.starts_with("lbCpu") || name.starts_with("lbTab") ||
            name.starts_with("lbRam") || name.starts_with("lbHdd") || name == "imgChart" || name == "tvDrives")
            child->SetVisible(false);
    }
    return true;
}

void TfrmUsage::FillDriveTree()
{
    SendMessageA(m_tree->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    const std::vector<std::string> texts = DriveTreeTexts(*m_system);
    HTREEITEM top = m_tree->AddNode(nullptr, monitor::ProgramLanguage().TranslateText(texts.front()));
    for (std::size_t i = 1; i < texts.size(); ++i)
        m_tree->AddNode(top, texts[i]);
    m_tree->Expand(top);
}

void TfrmUsage::StopTimers()
{
    if (m_cpuTimer)
        m_cpuTimer->SetEnabled(false);
    if (m_ramTimer)
        m_ramTimer->SetEnabled(false);
}

std::string TfrmUsage::Caption(const std::string& label) const
{
    const auto* l = dynamic_cast<const TLabel*>(FindControl(label));
    return l ? l->Caption() : std::string();
}

void TfrmUsage::SetCaption(const std::string& label, const std::string& text)
{
    if (auto* l = dynamic_cast<TLabel*>(FindControl(label)))
        l->SetCaption(text);
}

void TfrmUsage::SelectPage(UsagePage page)
{
    m_page = page;
    StopTimers();
    for (const char* tab : {"imgHddTab", "imgRamTab", "imgCpuTab"})
        FindControl(tab)->SetVisible(true);
    for (const char* caption : {"lbHDD", "lbRAM", "lbCPU"}) {
        auto* l = dynamic_cast<TLabel*>(FindControl(caption));
        l->CursorShape = toolkit::crHandPoint;
        l->SetTextColour(kTabColour);
        l->OnClick = [this](toolkit::Control& clicked) {
            SelectPage(static_cast<UsagePage>(clicked.Tag));
            PlayClickSound(monitor::kCheckboxPressSound);
        };
    }
    SetControlsVisible(*this, "lbCpu", 5, 1, false);
    SetControlsVisible(*this, "pgCpu", 4, 1, false);
    SetControlsVisible(*this, "lbTabCpu", 15, 1, false);
    SetControlsVisible(*this, "lbTabRam", 11, 1, false);
    SetControlsVisible(*this, "lbRam", 7, 1, false);
    SetControlsVisible(*this, "lbTabHdd", 11, 1, false);
    SetControlsVisible(*this, "lbHdd", 6, 1, false);
    FindControl("imgChart")->SetVisible(false);
    m_tree->SetVisible(false);

    const char* back = page == UsagePage::Cpu ? "imgCpuBack" : page == UsagePage::Memory ? "imgRamBack" : "imgHddBack";
    const char* tab = page == UsagePage::Cpu ? "imgCpuTab" : page == UsagePage::Memory ? "imgRamTab" : "imgHddTab";
    const char* caption = page == UsagePage::Cpu ? "lbCPU" : page == UsagePage::Memory ? "lbRAM" : "lbHDD";
    FindImage("imgTab")->SetPicture(FindImage(back)->GetPicture());
    FindControl(tab)->SetVisible(false);
    auto* chosen = dynamic_cast<TLabel*>(FindControl(caption));
    chosen->CursorShape = toolkit::crDefault;
    chosen->OnClick = nullptr;
    chosen->SetTextColour(kActiveTabColour);

    switch (page) {
    case UsagePage::Cpu:
        ShowCpuPage();
        break;
    case UsagePage::HardDisk: {
        m_tree->SetVisible(true);
        SetControlsVisible(*this, "lbHdd", 6, 1, true);
        SetControlsVisible(*this, "lbTabHdd", 11, 1, true);
        FindControl("imgChart")->SetVisible(true);
        HTREEITEM top = TreeView_GetRoot(m_tree->Handle());
        HTREEITEM first = top ? TreeView_GetChild(m_tree->Handle(), top) : nullptr;
        if (first) {
            if (const auto drive = DriveOfNode(m_tree->NodeText(first)))
                UpdateDrive(*drive);
        }
        break;
    }
    case UsagePage::Memory:
        SetControlsVisible(*this, "lbTabRam", 11, 1, true);
        SetControlsVisible(*this, "lbRam", 7, 1, true);
        FindControl("imgChart")->SetVisible(true);
        UpdateMemory(true);
        m_ramTimer->SetEnabled(true);
        break;
    }
}

void TfrmUsage::ShowCpuPage()
{
    SetControlsVisible(*this, "lbCpu", 5, 1, true);
    SetControlsVisible(*this, "lbTabCpu", 15, 1, true);
    for (std::size_t i = 0; i < m_graphs.size(); ++i)
        FindControl("pgCpu" + std::to_string(i + 1))->SetVisible(m_layout.graph[i].visible);
    for (const std::string& hidden : m_layout.hiddenLabels)
        FindControl(hidden)->SetVisible(false);
    for (int i = 1; i <= 5; ++i)
        SetCaption("lbCpu" + std::to_string(i), "0");
    for (std::size_t i = 0; i < m_layout.processors; ++i) {
        m_graphs[i].Clear();
        RepaintGraph(i);
    }
    m_cpuTimer->SetEnabled(true);
}

void TfrmUsage::RepaintGraph(std::size_t index)
{
    if (TImage* graph = FindImage("pgCpu" + std::to_string(index + 1)))
        graph->SetPicture(DrawLoadGraph(m_graphs[index]));
}

void TfrmUsage::CpuTick()
{
    const std::optional<monitor::CpuSample> sample = m_cpu.SampleCpu();
    if (!sample)
        return;
    for (const LabelText& text : CpuSampleTexts(m_layout, *sample))
        SetCaption(text.label, text.text);
    const unsigned fed = std::min(sample->count, m_layout.processors);
    for (unsigned i = 0; i < fed; ++i) {
        m_graphs[i].Add(GraphPointFor(sample->load[i]));
        RepaintGraph(i);
    }
}

void TfrmUsage::UpdateMemory(bool forced)
{
    const MemoryUpdate update = m_memory.Update(m_system->SampleMemory(), forced, ThousandsSeparator());
    const MemoryTexts& t = update.texts;
    SetCaption("lbRam1", t.usedPercent);
    SetCaption("lbRam2", t.usedBytes);
    SetCaption("lbRam3", t.usedMB);
    SetCaption("lbRam4", t.availableBytes);
    SetCaption("lbRam5", t.availableMB);
    SetCaption("lbRam6", t.totalBytes);
    SetCaption("lbRam7", t.totalMB);
    if (update.redrawPie)
        DrawPie(update.pie);
}

void TfrmUsage::UpdateDrive(const std::string& name)
{
    const std::optional<monitor::DriveSample> sample = m_system->SampleDrive(name);
    if (!sample)
        return;
    const DriveTexts t = DrivePageTexts(name, *sample);
    SetCaption("lbHdd1", t.usedBytes);
    SetCaption("lbHdd2", t.usedMB);
    SetCaption("lbHdd3", t.freeBytes);
    SetCaption("lbHdd4", t.freeMB);
    SetCaption("lbHdd5", t.totalBytes);
    SetCaption("lbHdd6", t.totalMB);
    SetCaption("lbTabHdd10", t.name);
    SetCaption("lbTabHdd11", t.fileSystem);
    DrawPie(DrivePie(*sample));
}

void TfrmUsage::DrawPie(const std::array<PieSlice, 2>& slices)
{
    std::shared_ptr<toolkit::BitmapPicture> rendered = DrawUsagePie(slices);
    if (!rendered)
        return;
    FindImage("Chart1")->SetPicture(rendered);
    // The picture goes through chart.bmp in the program folder; when that
    // cannot be written the pie keeps its previous picture.
    const std::string chart = ProgramFolder() + "chart.bmp";
    if (!SaveBitmapFile(*rendered, chart))
        return;
    if (auto loaded = toolkit::LoadBitmapPicture(chart)) {
        FindImage("imgChart")->SetPicture(loaded);
        ++m_pieDraws;
    }
    DeleteFileA(chart.c_str());
}

void TfrmUsage::Open()
{
    m_open = true;
    LoadSkinOnce();
    Show();
    SelectPage(m_page);
}

void TfrmUsage::Close()
{
    StopTimers();
    Hide();
    m_open = false;
}

void TfrmUsage::ShowModal()
{
    m_open = true;
    LoadSkinOnce();
    SelectPage(m_page);
    RunModal(*this, CoverWindowHandle(), [this] { return !m_open; });
}

LRESULT TfrmUsage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (m_tree && header->hwndFrom == m_tree->Handle() &&
            (header->code == TVN_SELCHANGEDA || header->code == TVN_SELCHANGEDW)) {
            // Both forms carry the new item's handle at the same place.
            const auto* change = reinterpret_cast<const NMTREEVIEWA*>(lParam);
            if (const auto drive = DriveOfNode(m_tree->NodeText(change->itemNew.hItem)))
                UpdateDrive(*drive);
            return 0;
        }
    }
    if (message == WM_CLOSE) {
        Close();
        return 0;
    }
    return TGoodForm::HandleMessage(message, wParam, lParam);
}

std::unique_ptr<ProgramWindow> CreateUsageWindow()
{
    static monitor::WinCpuLibraryPlatform platform;
    auto window =
            std::make_unique<TfrmUsage>(platform, monitor::MakeWindowsSystemUsage(), &monitor::PerformCpuStartEffects);
    if (!window->CreateUsage(CoverWindowHandle()))
        return window;  // the program is ending; the window is not offered
    TheViews().usage = window.get();
    return window;
}

}  // namespace vantor::views
