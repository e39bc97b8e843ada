// The list and message window: Windows is needed for the window, its outline
// region, the stretched frame pictures and the modal loop.
#include "list/ListWindow_win.h"

#include <algorithm>

#include "app/Views.h"
#include "app/WindowLayout_win.h"
#include "gadget/GadgetsView.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "option/OptionsView.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/ControlHelpers.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/SystemHelpers.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"

namespace vantor::views {
namespace {

constexpr std::array<const char*, kFramePieces> kFrameFiles = {
        "around_left_t.bmp",      "around_inside_t.bmp", "around_right_t.bmp",
        "around_inside_left.bmp", "around_inside.bmp",   "around_inside_right.bmp",
        "around_left_d.bmp",      "around_inside_d.bmp", "around_right_d.bmp",
};
// The pieces that stretch with the window; the four corners keep their size.
constexpr std::array<int, 5> kStretchedPieces = {1, 3, 4, 5, 7};
constexpr std::array<int, 4> kCornerPieces = {0, 2, 6, 8};
constexpr std::array<const char*, 4> kArrangementNames = {"Top", "Right", "Bottom", "Left"};

// The frame's inside, under the message and the list.
const toolkit::ColourRef kInside = toolkit::MakeColour(24, 27, 32);
const toolkit::ColourRef kText = toolkit::MakeColour(222, 228, 234);

ListShowMode ShowModeOf(ListMode mode, ListContent content)
{
    switch (mode) {
    case ListMode::List:
        if (content == ListContent::Arrangements)
            return ListShowMode::ListArrangements;
        return content == ListContent::TargetTemperatures ? ListShowMode::ListTargets : ListShowMode::ListPrepared;
    case ListMode::Confirm:
        return ListShowMode::Confirm;
    case ListMode::Message:
        return ListShowMode::Message;
    }
    return ListShowMode::Message;
}

ListRect BoundsOf(const toolkit::Control& control)
{
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

COLORREF TopLeftPixel(HBITMAP bitmap)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

// The windows of this thread that the modal show disables, and enables again.
struct DisabledWindows {
    HWND keep = nullptr;
    std::vector<HWND> windows;

    static BOOL CALLBACK Collect(HWND window, LPARAM self)
    {
        auto* disabled = reinterpret_cast<DisabledWindows*>(self);
        if (window != disabled->keep && IsWindowVisible(window) && IsWindowEnabled(window))
            disabled->windows.push_back(window);
        return TRUE;
    }
    void DisableAll()
    {
        EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Collect, reinterpret_cast<LPARAM>(this));
        for (HWND window : windows)
            EnableWindow(window, FALSE);
    }
    void EnableAll()
    {
        for (HWND window : windows)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        windows.clear();
    }
};

}  // namespace

ListWindow::ListWindow() = default;

ListWindow::~ListWindow()
{
    if (TheViews().list == this)
        TheViews().list = nullptr;
}

void ListWindow::BuildControls()
{
    for (int i = 0; i < kFramePieces; ++i)
        m_frame[i] = &m_form.Add<toolkit::TImage>("Image" + std::to_string(i + 1));
    const auto addButton = [this](const std::string& name) {
        auto& button = m_form.Add<toolkit::TImage>(name);
        button.AutoSize = true;
        for (const char* state : {"Up", "Ov", "Dn"}) {
            auto& holder = m_form.Add<toolkit::TImage>(name + state);
            holder.AutoSize = true;
            holder.SetVisible(false);
        }
        return &button;
    };
    m_close = addButton("imgClose");
    m_ok = addButton("imgOk");
    m_cancel = addButton("imgCancel");
    m_close->SetHint("Close");
    m_message = &m_form.Add<toolkit::TLabel>("lbMessage");
    m_message->SetTextColour(kText);
    m_list = &m_form.Add<toolkit::TListBox>("lstScheme");
    m_list->Colour = kInside;
    m_list->TextColour = kText;
    for (toolkit::Control* control :
         {static_cast<toolkit::Control*>(m_message), static_cast<toolkit::Control*>(m_list)})
        toolkit::SetControlFont(control, "Arial", -11);
}

void ListWindow::LoadSkins(const std::string& resFolder)
{
    const std::string small = resFolder + "small\\";
    for (int i = 0; i < kFramePieces; ++i) {
        if (toolkit::LoadSkinBitmap(m_frame[i], small + kFrameFiles[i]))
            m_framePictures[i] = m_frame[i]->GetPicture();
    }
    toolkit::LoadButtonStates(m_form, "imgOk", "ok", small);
    toolkit::LoadButtonStates(m_form, "imgCancel", "cancel", small);
    // The close box's pictures belong to the window itself.
    const std::string builtin = resFolder + "builtin\\";
    toolkit::LoadSkinBitmap(m_form.FindImage("imgCloseUp"), builtin + "close_up.bmp");
    toolkit::LoadSkinBitmap(m_form.FindImage("imgCloseOv"), builtin + "close_ov.bmp");
    toolkit::LoadSkinBitmap(m_form.FindImage("imgCloseDn"), builtin + "close_dn.bmp");
    if (toolkit::TImage* up = m_form.FindImage("imgCloseUp"))
        m_close->SetPicture(up->GetPicture());
}

void ListWindow::FillArrangements()
{
    m_list->Clear();
    for (const char* name : kArrangementNames)
        m_list->AddItem(monitor::ProgramLanguage().TranslateText(name));
}

int ListWindow::Create(const std::string& resFolder, HWND owner)
{
    BuildControls();
    m_form.SetColour(kInside);
    toolkit::FormOptions options;
    options.caption = kListWindowCaption;
    options.width = kListDesignWidth;
    options.height = kListDesignHeight;
    // Always above the other windows while shown (each show raises it again).
    options.topmost = true;
    // A popup owned by the options window.
    options.owner = owner;
    if (!m_form.Create(options))
        return -1;
    LoadSkins(resFolder);
    for (toolkit::TImage* button : {m_close, m_ok, m_cancel})
        toolkit::AttachButtonHandlers(m_form, *button);
    m_close->OnClick = [this](toolkit::Control&) { Finish(ListResult::Cancel); };
    m_cancel->OnClick = [this](toolkit::Control&) { Finish(ListResult::Cancel); };
    m_ok->OnClick = [this](toolkit::Control&) { OkClicked(); };
    FillArrangements();

    const int applied = ApplyWindowLayout(m_form, monitor::kListLayout);
    // A translated layout may have moved the right and bottom pieces; every
    // mode's size is corrected by as much.
    m_parts.dw = 107 - m_frame[2]->Left();
    m_parts.dh = 185 - m_frame[6]->Top();
    toolkit::Control& window = m_form.Root();
    window.SetBounds(window.Left(), window.Top(), kListDesignWidth, kListDesignHeight);
    for (int i = 0; i < kFramePieces; ++i)
        m_parts.designedFrame[i] = BoundsOf(*m_frame[i]);
    m_parts.designedList = BoundsOf(*m_list);
    m_parts.okWidth = m_ok->Width();
    for (int i : kStretchedPieces)
        StretchPiece(i, m_parts.designedFrame[i]);
    RebuildRegion();
    return applied;
}

void ListWindow::StretchPiece(int index, const ListRect& bounds)
{
    toolkit::TImage& piece = *m_frame[index];
    piece.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    if (auto stretched = toolkit::StretchedPicture(m_framePictures[index], bounds.width, bounds.height))
        piece.SetPicture(std::move(stretched));
}

void ListWindow::RebuildRegion()
{
    if (m_form.Handle() == nullptr)
        return;
    FramePieces frame;
    for (int i = 0; i < kFramePieces; ++i)
        frame[i] = BoundsOf(*m_frame[i]);
    const FrameOutline outline = FrameOutlineOf(frame);
    HRGN region =
            CreateRectRgn(outline.across.left, outline.across.top, outline.across.Right(), outline.across.Bottom());
    HRGN down = CreateRectRgn(outline.down.left, outline.down.top, outline.down.Right(), outline.down.Bottom());
    CombineRgn(region, region, down, RGN_OR);
    DeleteObject(down);
    HBITMAP keyBitmap = toolkit::BitmapOf(m_framePictures[0]);
    if (keyBitmap != nullptr) {
        const COLORREF key = TopLeftPixel(keyBitmap);
        for (int i : kCornerPieces) {
            HBITMAP corner = toolkit::BitmapOf(m_framePictures[i]);
            if (corner == nullptr)
                continue;
            if (HRGN shape = toolkit::CreateRegionFromBitmap(corner, key, 255)) {
                OffsetRgn(shape, frame[i].left, frame[i].top);
                CombineRgn(region, region, shape, RGN_OR);
                DeleteObject(shape);
            }
        }
    }
    // The window owns the region from here on.
    if (!SetWindowRgn(m_form.Handle(), region, TRUE))
        DeleteObject(region);
}

void ListWindow::PlaceAt(int left, int top)
{
    toolkit::Control& window = m_form.Root();
    window.SetBounds(left, top, window.Width(), window.Height());
}

void ListWindow::SetItems(std::vector<std::string> items)
{
    m_list->Clear();
    for (const std::string& item : items)
        m_list->AddItem(item);
}

int ListWindow::SelectedIndex() const { return m_selected; }

void ListWindow::SelectIndex(int index) { m_pendingSelection = index; }

std::string ListWindow::MessageText() const { return m_message->Caption(); }

void ListWindow::SetMessageText(std::string text) { m_message->SetCaption(std::move(text)); }

void ListWindow::ApplyPlan(const ListShowPlan& plan)
{
    toolkit::Control& window = m_form.Root();
    window.SetBounds(window.Left(), window.Top(), plan.width, plan.height);
    for (int i = 0; i < kFramePieces; ++i) {
        if (std::find(kStretchedPieces.begin(), kStretchedPieces.end(), i) != kStretchedPieces.end())
            StretchPiece(i, plan.frame[i]);
        else
            m_frame[i]->SetBounds(plan.frame[i].left, plan.frame[i].top, plan.frame[i].width, plan.frame[i].height);
    }
    toolkit::PlaceControl(m_close, plan.close.x, plan.close.y);
    toolkit::PlaceControl(m_ok, plan.ok.x, plan.ok.y);
    toolkit::PlaceControl(m_cancel, plan.cancel.x, plan.cancel.y);
    m_cancel->SetVisible(plan.cancelShown);
    // The message fills the frame's inside above the buttons.
    toolkit::PlaceControl(m_message, plan.message.x, plan.message.y);
    toolkit::SizeControl(m_message, plan.frame[8].Right() - 2 * plan.message.x,
                         std::max(0, plan.ok.y - 4 - m_message->Top()));
    m_message->SetVisible(plan.messageShown);
    m_list->SetBounds(plan.list.left, plan.list.top, plan.list.width, plan.list.height);
    m_list->SetVisible(plan.listShown);
}

ListResult ListWindow::ShowListWindow(ListMode mode, ListContent content)
{
    if (m_form.Handle() == nullptr || !m_finished)
        return ListResult::Cancel;  // no window, or already shown: nothing to answer
    const ListShowMode showMode = ShowModeOf(mode, content);
    m_arrangementMode = showMode == ListShowMode::ListArrangements;
    m_cancel->SetVisible(false);
    m_list->SetVisible(false);
    m_message->SetVisible(false);
    if (showMode == ListShowMode::ListArrangements) {
        FillArrangements();
    } else if (showMode == ListShowMode::ListTargets) {
        std::vector<std::string> targets;
        if (OptionsView* options = TheViews().options)
            targets = options->TargetTemperatureTexts();
        SetItems(std::move(targets));
    }
    if (mode == ListMode::List)
        m_list->SetItemIndex(m_pendingSelection);
    m_pendingSelection = -1;

    const ListShowPlan plan = PlanListShow(showMode, m_parts);
    ApplyPlan(plan);
    const toolkit::ScreenSize screen = toolkit::GetScreenSize();
    toolkit::Control& window = m_form.Root();
    if (showMode == ListShowMode::Message) {
        const ListPoint centre = MessageWindowOrigin(screen.width, screen.height);
        window.SetBounds(centre.x, centre.y, window.Width(), window.Height());
    }
    RebuildRegion();

    // On show: kept on the screen and above every other window.
    m_shown = true;
    const ListPoint at = KeepListOnScreen(BoundsOf(window), screen.width, screen.height);
    window.SetBounds(at.x, at.y, window.Width(), window.Height());
    return RunModal();
}

ListResult ListWindow::RunModal()
{
    m_finished = false;
    m_result = ListResult::Cancel;
    DisabledWindows disabled;
    disabled.keep = m_form.Handle();
    disabled.DisableAll();
    m_form.Show();
    toolkit::SetTopmost(m_form.Handle(), HWND_TOPMOST);
    SetForegroundWindow(m_form.Handle());

    MSG msg;
    while (!m_finished) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The run is ending: answer Cancel and leave the quit to the loop outside.
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            m_result = ListResult::Cancel;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    disabled.EnableAll();
    m_form.Hide();
    m_finished = true;
    m_shown = false;
    return m_result;
}

void ListWindow::Finish(ListResult result)
{
    m_selected = m_list->ItemIndex();
    m_result = result;
    m_finished = true;
}

void ListWindow::OkClicked()
{
    if (!m_arrangementMode) {
        Finish(ListResult::Ok);
        return;
    }
    const int chosen = m_list->ItemIndex();
    if (chosen < 0) {
        Finish(ListResult::Cancel);  // nothing chosen: as Cancel, nothing arranged
        return;
    }
    if (GadgetsView* gadgets = TheViews().gadgets)
        gadgets->ArrangeGadgets(chosen, GadgetSelection::Shown);
    Finish(ListResult::Ok);
}

std::unique_ptr<ProgramWindow> CreateListWindow()
{
    auto window = std::make_unique<ListWindow>();
    HWND owner = nullptr;
    if (OptionsView* options = TheViews().options)
        owner = static_cast<HWND>(options->WindowHandle());
    window->Create(TheViews().programFolder + "Res\\", owner);
    TheViews().list = window.get();
    return window;
}

}  // namespace vantor::views
