// The information browser on Win32: its skinned frame and region, moving by
// the frame and resizing by the grip (an R2_NOT outline on the screen), the
// page area (the browser control, or the page's file and an open button),
// the modal show, and the worker's messages.
#include "info/TfrmInfoBrowserE.h"

#include <shellapi.h>

#include <algorithm>
#include <array>

#include "app/Views.h"
#include "app/WindowLayout_win.h"
#include "info/InfoPages.h"
#include "info/WebBrowserHost_win.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "report/ReportFiles.h"
#include "report/ReportView.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"
#include "usage/WindowShell_win.h"

namespace vantor::views {
namespace {

using toolkit::TImage;
using toolkit::TLabel;

constexpr const char* kFramePieces[] = {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8"};
constexpr const char* kFallbackControls[] = {"lbNoBrowser", "lbPageFile", "lbOpenPageFace", "lbOpenPage"};
constexpr int kCorners[] = {0, 2, 5, 7};  // Image1, Image3, Image6, Image8
constexpr int kEdges[] = {1, 3, 4, 6};    // Image2, Image4, Image5, Image7, stretched

constexpr toolkit::ColourRef kPageBack = RGB(13, 15, 18);
constexpr toolkit::ColourRef kTitleColour = RGB(255, 255, 255);
constexpr toolkit::ColourRef kNoteColour = RGB(206, 213, 223);
constexpr toolkit::ColourRef kPathColour = RGB(126, 200, 227);
constexpr toolkit::ColourRef kButtonFace = RGB(38, 92, 118);
constexpr toolkit::ColourRef kButtonText = RGB(255, 255, 255);

constexpr std::string_view kNoBrowserText = "This page cannot be shown inside Vantor.";
constexpr std::string_view kGatheringText = "Gathering system information, please wait...";
constexpr std::string_view kAbsentText = "This information is not available.";
constexpr std::string_view kOpenPageText = "Open in web browser";

// How long a navigation may take before a control without a document is
// taken for one that cannot render.
constexpr unsigned kDocumentCheckMs = 1500;

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Translate(std::string_view text) { return monitor::ProgramLanguage().TranslateText(text); }

Box BoxOf(const toolkit::Control& control)
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

BoxPoint CursorPoint()
{
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void OpenWithShell(const std::string& file)
{
    ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

TfrmInfoBrowserE::TfrmInfoBrowserE(InfoBrowserSetup setup) : TGoodForm("frmInfoBrowserE"), m_setup(std::move(setup))
{
    OpenExternally = OpenWithShell;
    AddControls();
}

TfrmInfoBrowserE::~TfrmInfoBrowserE()
{
    if (TheViews().infoBrowser == this)
        TheViews().infoBrowser = nullptr;
    // The worker is let go, not waited for (see InfoWorker).
    m_worker.reset();
    m_browser.reset();
    if (m_screen)
        DeleteDC(m_screen);
}

void TfrmInfoBrowserE::AddControls()
{
    auto holder = [this](const std::string& name) { Add<TImage>(name).SetVisible(false); };
    for (const char* piece : kFramePieces)
        Add<TImage>(piece);
    Add<TImage>("Image9");
    Add<TImage>("imgClose").SetHint("Close");
    for (const char* state : {"Up", "Ov", "Dn"})
        holder(std::string("imgClose") + state);
    m_title = &Add<TLabel>("lbWindowTitle");
    m_title->SetTextColour(kTitleColour);
    m_title->SetTransparent(true);
    m_title->SetFont({.face = "Arial", .height = -12, .bold = true});

    // Shown in the page area when there is no browser control.
    TLabel& note = Add<TLabel>("lbNoBrowser");
    note.SetCaption(std::string(kNoBrowserText));
    note.SetTextColour(kNoteColour);
    note.SetAlignment(toolkit::TextAlign::Centre);
    note.SetFont({"Arial", -13, 1});
    TLabel& path = Add<TLabel>("lbPageFile");
    path.SetTextColour(kPathColour);
    path.SetAlignment(toolkit::TextAlign::Centre);
    path.SetFont({"Arial", -12, 1});
    // The open button: a face with its caption on it, both clickable.
    TLabel& face = Add<TLabel>("lbOpenPageFace");
    face.SetTransparent(false);
    face.SetBackColour(kButtonFace);
    TLabel& open = Add<TLabel>("lbOpenPage");
    open.SetCaption(std::string(kOpenPageText));
    open.SetTextColour(kButtonText);
    open.SetAlignment(toolkit::TextAlign::Centre);
    open.SetFont({"Arial", -12, 1});
    for (TLabel* part : {&face, &open}) {
        part->CursorShape = toolkit::crHandPoint;
        part->SetHint("Open the page in your web browser");
    }
    for (const char* name : kFallbackControls)
        FindControl(name)->SetVisible(false);

    m_page = &Add<toolkit::TPanel>("cwbInfo");
    m_page->Colour = kPageBack;
}

void TfrmInfoBrowserE::LoadPictures()
{
    const std::string frame = m_setup.programFolder + "Res\\window\\";
    const std::string popwin = m_setup.programFolder + "Res\\popwin\\";
    const std::string builtin = m_setup.programFolder + "Res\\builtin\\";
    toolkit::LoadButtonStates(*this, "imgClose", "pop_big_colose", popwin);
    constexpr const char* kFiles[] = {"left_top.bmp",   "top_medium.bmp", "right_top.bmp",   "side_left.bmp",
                                      "side_right.bmp", "left_down.bmp",  "down_medium.bmp", "right_down.bmp"};
    for (std::size_t i = 0; i < std::size(kFiles); ++i) {
        TImage& piece = *FindImage(kFramePieces[i]);
        toolkit::LoadSkinBitmap(&piece, frame + kFiles[i]);
        m_framePictures[i] = piece.GetPicture();
    }
    toolkit::LoadSkinBitmap(FindImage("Image9"), builtin + "grip.bmp");
    if (HBITMAP first = toolkit::BitmapOf(m_framePictures[0])) {
        const COLORREF key = TopLeftPixel(first);
        for (int corner : kCorners)
            toolkit::SetImageTransparent(*FindImage(kFramePieces[corner]), key);
    }
}

void TfrmInfoBrowserE::BindHandlers()
{
    for (const char* piece : kFramePieces) {
        FindControl(piece)->OnMouseDown = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
            if (e.button == toolkit::MouseButton::Left)
                DragWindowFromHere(*this);
        };
    }
    toolkit::Control& grip = *FindControl("Image9");
    grip.OnMouseDown = [this](toolkit::Control& control, const toolkit::MouseEvent& e) {
        if (e.button != toolkit::MouseButton::Left)
            return;
        CaptureMouse(control);
        GripDown();
    };
    grip.OnMouseMove = [this](toolkit::Control&, const toolkit::MouseEvent&) { GripMove(); };
    grip.OnMouseUp = [this](toolkit::Control&, const toolkit::MouseEvent&) { GripUp(); };
    toolkit::AttachButtonHandlers(*this, *FindImage("imgClose"));
    FindControl("imgClose")->OnClick = [this](toolkit::Control&) { Close(); };
    for (const char* part : {"lbOpenPageFace", "lbOpenPage"}) {
        FindControl(part)->OnClick = [this](toolkit::Control&) {
            if (OpenExternally && !m_shownAddress.empty())
                OpenExternally(m_shownAddress);
        };
    }
    m_documentCheck = &AddTimer("tmrDocumentCheck", kDocumentCheckMs, [this](toolkit::TTimer& timer) {
        timer.SetEnabled(false);
        if (m_browser && !m_browser->HasDocument()) {
            m_browser.reset();
            ShowAddress(m_shownAddress);
        }
    });
    m_documentCheck->SetEnabled(false);
}

bool TfrmInfoBrowserE::CreateBrowser(HWND owner)
{
    toolkit::FormOptions options;
    options.width = 678;
    options.height = 476;
    options.caption = "Information";
    options.owner = owner;
    if (!Create(options))
        return false;

    // The worker starts first: the libraries take a while, and the pages
    // wait for them.
    InfoWorkerSetup work;
    work.programFolder = m_setup.programFolder;
    work.reportPath = m_setup.reportPath;
    work.reportTitle = Translate(work.reportTitle);
    work.dateLabel = Translate(work.dateLabel);
    work.timeLabel = Translate(work.timeLabel);
    work.notify = Handle();
    m_worker = std::make_unique<InfoWorker>(std::move(work));
    m_worker->Start();

    LoadPictures();
    BindHandlers();
    m_screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (m_screen)
        SetROP2(m_screen, R2_NOT);

    ApplyWindowLayout(*this, monitor::kInfoBrowserLayout);
    const BoxSize size = InitialBrowserSize(FindControl("Image3")->Left(), FindControl("Image6")->Top());
    // It opens in the middle of the desktop.
    RECT desk{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &desk, 0);
    const int left = std::max<int>(desk.left, desk.left + (desk.right - desk.left - size.width) / 2);
    const int top = std::max<int>(desk.top, desk.top + (desk.bottom - desk.top - size.height) / 2);
    Root().SetBounds(left, top, size.width, size.height);

    // The browser control is made when the first page is shown: a user who
    // never opens a page never loads it.
    m_browserWanted = m_setup.tryBrowserControl;
    Relayout();
    return true;
}

void TfrmInfoBrowserE::StretchEdge(TImage& edge, const toolkit::PicturePtr& source)
{
    if (auto stretched = toolkit::StretchedPicture(source, edge.Width(), edge.Height()))
        edge.SetPicture(std::move(stretched));
}

void TfrmInfoBrowserE::Relayout()
{
    const BoxSize window{Root().Width(), Root().Height()};
    for (const PlacedControl& placed : FrameLayout(window)) {
        if (toolkit::Control* control = FindControl(placed.name)) {
            const Box& b = placed.bounds;
            control->SetBounds(b.left, b.top, b.width, b.height);
        }
    }
    for (int edge : kEdges)
        StretchEdge(*FindImage(kFramePieces[edge]), m_framePictures[static_cast<std::size_t>(edge)]);
    SizeBrowser();
    RebuildRegion();
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void TfrmInfoBrowserE::SizeBrowser()
{
    const BoxSize size = PageSize(BoxOf(*FindControl("Image5")), BoxOf(*FindControl("Image7")), BoxOf(*m_page));
    m_page->SetBounds(m_page->Left(), m_page->Top(), size.width, size.height);
    // The fallback fills the same area: a note, the file and the button.
    const int left = m_page->Left() + 24;
    const int width = std::max(0, size.width - 48);
    const int middle = m_page->Top() + size.height / 2;
    const int buttonLeft = m_page->Left() + (size.width - 180) / 2;
    FindControl("lbNoBrowser")->SetBounds(left, middle - 50, width, 20);
    FindControl("lbPageFile")->SetBounds(left, middle - 20, width, 36);
    FindControl("lbOpenPageFace")->SetBounds(buttonLeft, middle + 26, 180, 26);
    FindControl("lbOpenPage")->SetBounds(buttonLeft, middle + 32, 180, 16);
    if (m_browser)
        m_browser->Fit();
}

void TfrmInfoBrowserE::RebuildRegion()
{
    if (!Handle())
        return;
    const Box image2 = BoxOf(*FindControl("Image2"));
    const Box image4 = BoxOf(*FindControl("Image4"));
    const Box image5 = BoxOf(*FindControl("Image5"));
    const Box image7 = BoxOf(*FindControl("Image7"));
    const Box page = BoxOf(*m_page);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const Box& b : OutlineRectangles(image2, image4, image5, image7, page, {page.width, page.height})) {
        HRGN part = CreateRectRgn(b.left, b.top, b.left + b.width, b.top + b.height);
        CombineRgn(region, region, part, RGN_OR);
        DeleteObject(part);
    }
    if (HBITMAP keyBitmap = toolkit::BitmapOf(m_framePictures[0])) {
        const COLORREF key = TopLeftPixel(keyBitmap);
        for (int corner : kCorners) {
            HBITMAP bitmap = toolkit::BitmapOf(m_framePictures[static_cast<std::size_t>(corner)]);
            if (!bitmap)
                continue;
            if (HRGN shape = toolkit::CreateRegionFromBitmap(bitmap, key, 0)) {
                const Box at = BoxOf(*FindControl(kFramePieces[corner]));
                OffsetRgn(shape, at.left, at.top);
                CombineRgn(region, region, shape, RGN_OR);
                DeleteObject(shape);
            }
        }
    }
    // The window owns the region from here on.
    if (!SetWindowRgn(Handle(), region, TRUE))
        DeleteObject(region);
}

void TfrmInfoBrowserE::ShowAddress(const std::string& address)
{
    m_shownAddress = address;
    if (m_browserWanted && m_page->Handle()) {
        m_browserWanted = false;  // one attempt: a control that cannot be made is not tried again
        m_browser = WebBrowserHost::Create(m_page->Handle());
        SizeBrowser();
    }
    const bool fallback = !m_browser || !m_browser->Navigate(address);
    if (fallback && m_browser)
        m_browser.reset();  // it refused a page: from here on the stand-in
    if (!fallback)
        m_documentCheck->SetEnabled(true);
    m_page->SetVisible(!fallback);

    // The stand-in: what the page is, its file, and the button that opens it
    // outside (not for a page whose library made nothing).
    const bool exists = !address.empty() && FileExists(address);
    const bool waiting = address == WaitPageFile(m_setup.programFolder);
    std::string_view note = kNoBrowserText;
    if (waiting)
        note = kGatheringText;
    else if (!exists)
        note = kAbsentText;
    dynamic_cast<TLabel*>(FindControl("lbNoBrowser"))->SetCaption(Translate(note));
    dynamic_cast<TLabel*>(FindControl("lbPageFile"))->SetCaption(address);
    dynamic_cast<TLabel*>(FindControl("lbOpenPage"))->SetCaption(Translate(kOpenPageText));
    const bool shown = fallback && !address.empty();
    FindControl("lbNoBrowser")->SetVisible(shown);
    FindControl("lbPageFile")->SetVisible(shown);
    FindControl("lbOpenPageFace")->SetVisible(shown && exists);
    FindControl("lbOpenPage")->SetVisible(shown && exists);
}

void TfrmInfoBrowserE::ShowPage(int page)
{
    m_currentPage = page;
    const PageShown shown = ShowPageFor(page, m_worker ? m_worker->Files() : PageFiles(m_setup.programFolder));
    if (shown.title) {
        const std::string title = Translate(*shown.title);
        m_title->SetCaption(title);
        // The window's own text follows, for the task switcher and for tests.
        if (Handle())
            SetWindowTextA(Handle(), title.c_str());
    }
    ShowAddress(shown.address);
}

void TfrmInfoBrowserE::FollowOwnerTopmost()
{
    // Above its owner even when the owner is always on top (the program's
    // "Always on Top"), which Windows does not pass to an owned window that
    // was hidden when its owner changed.
    HWND owner = GetWindow(Handle(), GW_OWNER);
    const bool topmost = owner && (GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TfrmInfoBrowserE::Open()
{
    FollowOwnerTopmost();
    SizeBrowser();
    m_browserShown = true;
    m_open = true;
    Show();
}

void TfrmInfoBrowserE::Close()
{
    m_browserShown = false;
    m_open = false;
    Hide();
}

void TfrmInfoBrowserE::ShowPageModal(int page)
{
    ShowPage(page);
    FollowOwnerTopmost();
    SizeBrowser();
    m_browserShown = true;
    m_open = true;
    RunModal(*this, CoverWindowHandle(), [this] { return !m_open; });
    m_browserShown = false;
}

void TfrmInfoBrowserE::ReportWindowReady()
{
    if (m_worker)
        m_worker->AllowReport();
}

void TfrmInfoBrowserE::GripDown()
{
    m_pressed = CursorPoint();
    m_startSize = {Root().Width(), Root().Height()};
    m_dragging = true;
    m_outlineDrawn = false;
}

void TfrmInfoBrowserE::DrawOutline(BoxSize size)
{
    if (!m_screen)
        return;
    const auto outline = DragOutline({Root().Left(), Root().Top()}, size);
    std::array<POINT, outline.size()> points{};
    for (std::size_t i = 0; i < outline.size(); ++i)
        points[i] = {outline[i].x, outline[i].y};
    Polyline(m_screen, points.data(), static_cast<int>(points.size()));
}

void TfrmInfoBrowserE::GripMove()
{
    if (!m_dragging)
        return;
    // Drawing the same outline again in R2_NOT erases it.
    if (m_outlineDrawn)
        DrawOutline(m_outlineSize);
    m_outlineSize = DraggedSize(m_startSize, m_pressed, CursorPoint());
    DrawOutline(m_outlineSize);
    m_outlineDrawn = true;
}

void TfrmInfoBrowserE::GripUp()
{
    if (!m_dragging)
        return;
    const BoxSize size = DraggedSize(m_startSize, m_pressed, CursorPoint());
    if (m_outlineDrawn)
        DrawOutline(m_outlineSize);
    m_outlineDrawn = false;
    m_dragging = false;
    ReleaseMouse();
    toolkit::Control& root = Root();
    root.SetBounds(root.Left(), root.Top(), size.width, size.height);
    Relayout();
    if (Handle())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT TfrmInfoBrowserE::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kWmInfoPageReady:
        // A library has run: the page shown follows without the user.
        if (m_browserShown)
            ShowPage(m_currentPage);
        return 0;
    case kWmInfoReportWritten:
        if (ReportView* report = TheViews().report; report && report->SystemInfoPageShown())
            report->SystemReportWritten();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return TGoodForm::HandleMessage(message, wParam, lParam);
}

std::unique_ptr<ProgramWindow> CreateInfoBrowser()
{
    InfoBrowserSetup setup;
    setup.programFolder = ProgramFolder();
    setup.reportPath = ReportPathsFor(ProgramPath()).systemReport;
    auto window = std::make_unique<TfrmInfoBrowserE>(std::move(setup));
    window->CreateBrowser(CoverWindowHandle());
    TheViews().infoBrowser = window.get();
    return window;
}

}  // namespace vantor::views
