// The gallery's window: its controls, their pictures and handlers.
#include "GalleryForm.h"

#include <cstdio>
#include <memory>

#include "DemoSkin.h"
#include "ProductSkin.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/ControlHelpers.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/KnobLogic.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/TEdit.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMemo.h"
#include "toolkit/TPanel.h"
#include "toolkit/TTreeView.h"

namespace vantor::gallery {
namespace {

using toolkit::Control;
using toolkit::MakeColour;
using toolkit::TImage;
using toolkit::TLabel;

constexpr toolkit::ColourRef kText = MakeColour(200, 208, 216);
constexpr toolkit::ColourRef kDim = MakeColour(130, 140, 152);
constexpr toolkit::ColourRef kFieldColour = MakeColour(14, 16, 20);
constexpr toolkit::ColourRef kFieldText = MakeColour(220, 228, 236);

const RECT kButtonsArea{16, 50, 326, 222};
const RECT kSliderArea{340, 50, 644, 222};
const RECT kTextArea{16, 234, 326, 456};
const RECT kTreeArea{340, 234, 644, 456};
const RECT kProductArea{16, 468, 644, 656};

std::shared_ptr<toolkit::BitmapPicture> Picture(HBITMAP bitmap)
{
    return bitmap ? std::make_shared<toolkit::BitmapPicture>(bitmap) : nullptr;
}

TImage& AddImage(toolkit::TGoodForm& form, const std::string& name, int left, int top, HBITMAP bitmap,
                 bool visible = true)
{
    auto& image = form.Add<TImage>(name);
    image.AutoSize = true;
    image.SetLeft(left);
    image.SetTop(top);
    image.SetPicture(Picture(bitmap));
    image.SetVisible(visible);
    return image;
}

TLabel& AddLabel(toolkit::TGoodForm& form, const std::string& name, const std::string& caption, int left, int top,
                 int width, int height = 16, toolkit::ColourRef colour = kText)
{
    auto& label = form.Add<TLabel>(name);
    toolkit::PlaceAndSize(&label, left, top, width, height);
    label.SetCaption(caption);
    label.SetTextColour(colour);
    return label;
}

template <class T>
T& AddField(toolkit::TGoodForm& form, const std::string& name, int left, int top, int width, int height,
            Control* parent = nullptr)
{
    auto& field = form.Add<T>(name, parent);
    field.Colour = kFieldColour;
    field.TextColour = kFieldText;
    toolkit::PlaceAndSize(&field, left, top, width, height);
    return field;
}

}  // namespace

GalleryForm::GalleryForm() : TGoodForm("frmGallery"), m_shaped("frmShaped") {}

GalleryForm::~GalleryForm()
{
    m_tray.Hide();
    if (m_trayIcon)
        DestroyIcon(m_trayIcon);
}

bool GalleryForm::Build(int left, int top, const std::string& resFolder)
{
    toolkit::FormOptions options;
    options.left = left;
    options.top = top;
    options.width = kGalleryWidth;
    options.height = kGalleryHeight;
    options.caption = "Vantor toolkit gallery";
    options.taskbarButton = true;
    if (!Create(options))
        return false;
    SetColour(kWindowColour);
    m_productSkin = HasProductSkin(resFolder);

    AddImage(*this, "imgBackground", 0, 0,
             Background(kGalleryWidth, kGalleryHeight, "Vantor  toolkit gallery",
                        {{kButtonsArea, "SKINNED BUTTONS"},
                         {kSliderArea, "SLIDER KNOB AND BITMAP BUTTON"},
                         {kTextArea, "TEXT CONTROLS"},
                         {kTreeArea, "TREE AND BROWSER PLACEHOLDER"},
                         {kProductArea, "PRODUCT SKIN"}}));
    m_clock = &AddLabel(*this, "lbClock", "", kGalleryWidth - 150, 11, 136, 16, kDim);
    m_clock->SetAlignment(toolkit::TextAlign::Right);

    AddButtonRow();
    AddSkinnedButton("imgGo", kGoButton.left, kGoButton.top, kGoButton.right - kGoButton.left,
                     kGoButton.bottom - kGoButton.top, "APPLY");
    AddSkinnedButton("imgReset", kGoButton.right + 12, kGoButton.top, kGoButton.right - kGoButton.left,
                     kGoButton.bottom - kGoButton.top, "RESET");
    toolkit::SetButtonEnabled(*this, "imgReset", false);
    FindControl("imgGo")->OnClick = [this](Control&) {
        ++m_clicks;
        UpdateStatus();
    };
    FindControl("imgGo")->SetHint("Applies the settings");
    m_status = &AddLabel(*this, "lbStatus", "", 36, 194, 276, 16, kDim);
    UpdateStatus();

    AddKnob(resFolder);
    AddEditors();
    AddProductButtons(resFolder);
    AddStateStrip(resFolder);

    AddTimer("tmrClock", 250, [this](toolkit::TTimer&) {
        ++m_ticks;
        char text[48];
        const int seconds = m_ticks / 4;
        std::snprintf(text, sizeof text, "running %02d:%02d", seconds / 60, seconds % 60);
        m_clock->SetCaption(text);
    });

    if (!m_productSkin || !AddCover(left + kGalleryWidth + 16, top, resFolder + "main\\panel_01_c.bmp"))
        AddBadge(left + kGalleryWidth + 16, top);

    m_trayIcon = TrayIconImage();
    m_tray.Menu = {{"Show gallery", [this] { Show(); }, true},
                   {"", nullptr, true},
                   {"Exit", [this] { DestroyWindow(Handle()); }, true}};
    m_tray.OnDoubleClick = [this] { Show(); };
    m_tray.Show(m_trayIcon, "Vantor toolkit gallery");
    return true;
}

void GalleryForm::AddButtonRow()
{
    const struct {
        const char* name;
        FaceState state;
        const char* caption;
    } row[] = {{"imgStateUp", FaceState::Up, "Normal"},
               {"imgStateOv", FaceState::Over, "Over"},
               {"imgStateDn", FaceState::Down, "Down"},
               {"imgStateDs", FaceState::Disabled, "Disabled"}};
    int left = 36;
    for (const auto& state : row) {
        AddImage(*this, state.name, left, 80, ButtonFace(64, 26, state.state, "OK"));
        TLabel& caption = AddLabel(*this, std::string(state.name) + "Caption", state.caption, left, 110, 64, 16, kDim);
        caption.SetAlignment(toolkit::TextAlign::Centre);
        left += 70;
    }
}

void GalleryForm::AddSkinnedButton(const std::string& name, int left, int top, int width, int height,
                                   const std::string& caption)
{
    TImage& button = AddImage(*this, name, left, top, ButtonFace(width, height, FaceState::Up, caption));
    AddImage(*this, name + "Up", left, top, ButtonFace(width, height, FaceState::Up, caption), false);
    AddImage(*this, name + "Ov", left, top, ButtonFace(width, height, FaceState::Over, caption), false);
    AddImage(*this, name + "Dn", left, top, ButtonFace(width, height, FaceState::Down, caption), false);
    AddImage(*this, name + "Ds", left, top, ButtonFace(width, height, FaceState::Disabled, caption), false);
    toolkit::AttachButtonHandlers(*this, button);
}

void GalleryForm::AddKnob(const std::string& resFolder)
{
    AddLabel(*this, "lbLow", "Low", toolkit::kKnobMinLeft - 40, kKnobTop + 4, 34, 16, kDim)
            .SetAlignment(toolkit::TextAlign::Right);
    TImage& track = AddImage(*this, "imgTrack", toolkit::kKnobMinLeft, kKnobTop, nullptr);
    TImage& knob = AddImage(*this, "imgKnob", toolkit::kKnobMinLeft, kKnobTop, KnobFace(kKnobWidth, kKnobHeight));
    knob.SetHint("Drag the knob along its track");
    // The options window's own knob, centred on the track, when the skins are there.
    if (m_productSkin && toolkit::LoadSkinBitmap(&knob, resFolder + "options\\point.bmp"))
        knob.SetTop(kKnobTop + (kKnobHeight - knob.Height()) / 2);
    // The track is as long as the knob's travel plus the knob.
    const int trackWidth = toolkit::kKnobMaxLeft - toolkit::kKnobMinLeft + knob.Width();
    track.SetPicture(Picture(TrackFace(trackWidth, kKnobHeight)));
    toolkit::AttachKnobHandlers(*this, knob);
    AddLabel(*this, "lbHigh", "High", toolkit::kKnobMinLeft + trackWidth + 6, kKnobTop + 4, 34, 16, kDim);
    m_knobValue = &AddLabel(*this, "lbKnobValue", "Threshold 0 %", 520, kKnobTop + 4, 110, 16);
    AddLabel(*this, "lbKnobNote", "Alarm threshold, 0 to 100 %", 355, 80, 270, 16, kDim);

    toolkit::ZyFourStateAppearance look{
            ButtonFace(150, 30, FaceState::Up, ""), ButtonFace(150, 30, FaceState::Down, ""),
            ButtonFace(150, 30, FaceState::Over, ""), ButtonFace(150, 30, FaceState::Disabled, "")};
    if (m_zyButton.Create(Handle(), 1, 355, 164, look)) {
        m_zyButton.SetText("Bitmap button");
        m_zyButton.SetFontColour(RGB(230, 236, 242));
        m_zyButton.OnClick = [this] {
            ++m_clicks;
            UpdateStatus();
        };
    }
    AddLabel(*this, "lbZyNote", "a real child window", 515, 171, 120, 16, kDim);
}

void GalleryForm::AddEditors()
{
    AddLabel(*this, "Label1", "Edit box", 30, 258, 140);
    auto& edit = AddField<toolkit::TEdit>(*this, "Edit1", 30, 276, 140, 22);
    edit.SetText("CPU Temperature");
    edit.SetHint("An edit box");
    AddLabel(*this, "Label2", "List box", 184, 258, 128);
    auto& list = AddField<toolkit::TListBox>(*this, "lbxSensors", 184, 276, 128, 84);
    for (const char* item : {"Vcore  1.34 V", "+3.3 V  3.31 V", "+5 V  5.02 V", "+12 V  12.10 V", "CPU fan  2410 rpm"})
        list.AddItem(item);
    list.SetItemIndex(1);
    auto& disabled = AddLabel(*this, "Label4", "A disabled label", 30, 310, 140);
    AddLabel(*this, "Label3", "Memo", 30, 350, 140);
    disabled.SetEnabled(false);
    auto& memo = AddField<toolkit::TMemo>(*this, "Memo1", 30, 368, 282, 76);
    memo.SetLines({"02:41:07  CPU Temperature  71 C  high", "02:41:12  CPU Temperature  normal",
                   "02:43:55  Vcore  1.52 V  high", "02:44:10  Vcore  normal"});

    auto& tree = AddField<toolkit::TTreeView>(*this, "tvInfo", 354, 258, 136, 186);
    HTREEITEM dmi = tree.AddNode(nullptr, "DMI");
    tree.AddNode(dmi, "BIOS");
    tree.AddNode(dmi, "System");
    HTREEITEM board = tree.AddNode(dmi, "Base Board");
    tree.AddNode(board, "Product");
    tree.AddNode(dmi, "Processor");
    HTREEITEM pci = tree.AddNode(nullptr, "PCI");
    tree.AddNode(pci, "Host bridge");
    tree.AddNode(nullptr, "WMI");
    tree.Expand(dmi);
    tree.Expand(board);

    auto& browser = AddField<toolkit::TPanel>(*this, "pnlBrowser", 500, 258, 130, 186);
    browser.Colour = MakeColour(242, 244, 247);
    browser.TextColour = MakeColour(96, 104, 116);
    browser.SetCaption("Information page");
    auto& inner = AddField<toolkit::TEdit>(*this, "edtAddress", 6, 6, 118, 20, &browser);
    inner.Colour = MakeColour(255, 255, 255);
    inner.TextColour = MakeColour(40, 44, 52);
    inner.SetText("index.htm");
}

void GalleryForm::AddProductButtons(const std::string& resFolder)
{
    for (const ProductButton& product : kProductButtons) {
        const int left = kProductColumn.x + product.left, top = kProductColumn.y + product.top;
        AddSkinnedButton(product.name, left, top, product.width, product.height, product.caption);
        TImage& button = *FindImage(product.name);
        if (m_productSkin) {
            toolkit::LoadButtonStates(*this, product.name, product.base, resFolder + "main\\");
            if (product.transparent)
                toolkit::SetImageTransparent(button);
        }
        button.OnClick = [this, caption = std::string(product.caption)](Control&) {
            ++m_clicks;
            m_lastClicked->SetCaption(caption + " clicked");
            UpdateStatus();
        };
    }
}

void GalleryForm::AddStateStrip(const std::string& resFolder)
{
    const ProductButton& dmi = kProductButtons[0];
    const struct {
        const char* suffix;
        FaceState face;
        const char* caption;
    } states[] = {{"_n", FaceState::Up, "Normal"},
                  {"_o", FaceState::Over, "Over"},
                  {"_d", FaceState::Down, "Down"},
                  {"_un", FaceState::Disabled, "Disabled"}};
    int left = kStripLeft;
    for (const auto& state : states) {
        const std::string name = std::string("imgStrip") + state.suffix;
        TImage& image =
                AddImage(*this, name, left, kStripTop, ButtonFace(dmi.width, dmi.height, state.face, dmi.caption));
        if (m_productSkin && toolkit::LoadSkinBitmap(&image, resFolder + "main\\" + dmi.base + state.suffix + ".bmp") &&
            dmi.transparent)
            toolkit::SetImageTransparent(image);
        AddLabel(*this, name + "Caption", state.caption, left, kStripTop + dmi.height + 4, dmi.width, 16, kDim)
                .SetAlignment(toolkit::TextAlign::Centre);
        left += kStripPitch;
    }
    m_lastClicked = &AddLabel(*this, "lbLastClicked", "Point at a button, press it, drag off and back", kStripLeft,
                              kStripTop + dmi.height + 34, 430, 16);
    AddLabel(*this, "lbSkinSource",
             m_productSkin ? "Pictures from the rendered skins in Res\\ beside the program"
                           : "No rendered skins beside the program: drawn stand-in faces shown",
             kStripLeft, kProductArea.bottom - 26, 430, 16, kDim);
}

bool GalleryForm::AddCover(int left, int top, const std::string& path)
{
    auto picture = toolkit::LoadBitmapPicture(path);
    if (!picture)
        return false;
    BITMAP size{};
    GetObjectA(picture->Handle(), sizeof size, &size);
    toolkit::FormOptions options;
    options.left = left;
    options.top = top;
    options.width = size.bmWidth;
    options.height = size.bmHeight;
    options.caption = "Cover";
    if (!m_shaped.Create(options))
        return false;
    m_shaped.SetColour(kWindowColour);
    auto& face = m_shaped.Add<TImage>("imgBackground");
    face.AutoSize = true;
    face.SetPicture(picture);
    face.SetHint("A window cut from its skin picture");
    // The outline: every pixel but the key colour of the picture's top-left
    // corner (any red at or above the key's, green and blue exactly). A
    // region that cannot be made leaves the window rectangular.
    HRGN outline = toolkit::CreateRegionFromBitmap(picture->Handle(), TopLeftColour(picture->Handle()), 255);
    if (outline && !SetWindowRgn(m_shaped.Handle(), outline, TRUE))
        DeleteObject(outline);
    return true;
}

void GalleryForm::AddBadge(int left, int top)
{
    constexpr int width = 150, height = 130;
    toolkit::FormOptions options;
    options.left = left;
    options.top = top;
    options.width = width;
    options.height = height;
    options.caption = "Badge";
    if (!m_shaped.Create(options))
        return;
    m_shaped.SetColour(kWindowColour);
    auto& face = m_shaped.Add<TImage>("imgFace");
    face.AutoSize = true;
    face.SetPicture(Picture(BadgeFace(width, height)));
    m_shaped.ShapeFromBitmap(toolkit::BitmapOf(face.GetPicture()), kKeyColour);
    auto& name = m_shaped.Add<TLabel>("lbName");
    toolkit::PlaceAndSize(&name, 0, 30, width, 16);
    name.SetCaption("CPU");
    name.SetTextColour(kDim);
    name.SetAlignment(toolkit::TextAlign::Centre);
    auto& value = m_shaped.Add<TLabel>("lbValue");
    toolkit::PlaceAndSize(&value, 0, 48, width, 40);
    value.SetFont({"Tahoma", -32, 1});
    value.SetCaption("42\xB0"
                     "C");
    value.SetTextColour(MakeColour(92, 230, 120));
    value.SetAlignment(toolkit::TextAlign::Centre);
    face.SetHint("A window shaped by its picture");
}

void GalleryForm::UpdateStatus()
{
    if (!m_status)
        return;
    char text[96];
    std::snprintf(text, sizeof text, "clicks %d   presses %d   releases %d", m_clicks, m_pressed, m_released);
    m_status->SetCaption(text);
}

void GalleryForm::KnobMoved(toolkit::TImage& knob)
{
    ++m_knobMoves;
    const int percent = (knob.Left() - toolkit::kKnobMinLeft) * 100 / (toolkit::kKnobMaxLeft - toolkit::kKnobMinLeft);
    m_knobValue->SetCaption("Threshold " + std::to_string(percent) + " %");
}

void GalleryForm::ButtonPressed(toolkit::TImage&)
{
    ++m_pressed;
    UpdateStatus();
}

void GalleryForm::ButtonReleased(toolkit::TImage&)
{
    ++m_released;
    UpdateStatus();
}

}  // namespace vantor::gallery
