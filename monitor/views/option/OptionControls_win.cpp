// The options window's controls: made in the order of its layout table (the
// order is also their stacking, last on top), their skins, their handlers,
// the bitmap buttons over their holders and the edit fields' key filter.
#include <stdexcept>
#include <string>

#include "app/Views.h"
#include "option/NumberFields.h"
#include "option/OptionPictures_win.h"
#include "option/OptionsWindow_win.h"
#include "sound/Sounds.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/TPanel.h"
#include "usage/WindowShell_win.h"

namespace vantor::views {
namespace {

using toolkit::TEdit;
using toolkit::TImage;
using toolkit::TLabel;

constexpr toolkit::ColourRef kTitleColour = RGB(255, 255, 255);
constexpr toolkit::ColourRef kTextColour = RGB(206, 213, 223);
constexpr toolkit::ColourRef kDimColour = RGB(136, 145, 158);
constexpr toolkit::ColourRef kFieldColour = RGB(13, 15, 18);
constexpr toolkit::ColourRef kValueColour = RGB(120, 230, 140);
constexpr COLORREF kFieldEdge = RGB(58, 66, 78);
constexpr COLORREF kFrameEdge = RGB(74, 84, 98);
constexpr const char* kOldEditProc = "VantorOptionsEditProc";

// The edit fields send every typed character to the form first (digits-only
// fields drop the others), tell it when a key goes up, and turn Enter and
// Escape into Apply and Cancel, as in a dialog.
LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto old = reinterpret_cast<WNDPROC>(GetPropA(edit, kOldEditProc));
    HWND form = GetParent(edit);
    switch (message) {
    case WM_GETDLGCODE:
        return CallWindowProcA(old, edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_CHAR:
        if (wParam == '\r' || wParam == 27) {
            PostMessageA(form, kWmEditCommit, wParam == '\r' ? 1 : 0, reinterpret_cast<LPARAM>(edit));
            return 0;
        }
        if (wParam == '\t')
            return 0;
        if (SendMessageA(form, kWmEditKey, wParam, reinterpret_cast<LPARAM>(edit)) != 0)
            return 0;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            // The next field in the tab order of the shown ones.
            if (HWND next = GetNextDlgTabItem(form, edit, GetKeyState(VK_SHIFT) < 0))
                SetFocus(next);
            return 0;
        }
        break;
    case WM_KEYUP: {
        const LRESULT result = CallWindowProcA(old, edit, message, wParam, lParam);
        SendMessageA(form, kWmEditKeyUp, wParam, reinterpret_cast<LPARAM>(edit));
        return result;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropA(edit, kOldEditProc);
        break;
    default:
        break;
    }
    return CallWindowProcA(old, edit, message, wParam, lParam);
}

HBITMAP LoadBmp(const std::string& path)
{
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

toolkit::ZyFourStateAppearance Appearance(const std::string& folder, const std::string& base)
{
    toolkit::ZyFourStateAppearance looks;
    looks.RaisedBmp = LoadBmp(folder + base + "_raised.bmp");
    looks.SunkenBmp = LoadBmp(folder + base + "_sunken.bmp");
    looks.FocusedBmp = LoadBmp(folder + base + "_focused.bmp");
    looks.DisabledBmp = LoadBmp(folder + base + "_disabled.bmp");
    return looks;
}

}  // namespace

TImage& OptionsWindow::Image(const std::string& name) const
{
    if (TImage* image = m_form.FindImage(name))
        return *image;
    throw std::logic_error("the options window has no picture " + name);
}

TLabel& OptionsWindow::Label(const std::string& name) const
{
    if (auto* label = dynamic_cast<TLabel*>(m_form.FindControl(name)))
        return *label;
    throw std::logic_error("the options window has no label " + name);
}

TEdit& OptionsWindow::Edit(const std::string& name) const
{
    if (auto* edit = dynamic_cast<TEdit*>(m_form.FindControl(name)))
        return *edit;
    throw std::logic_error("the options window has no edit " + name);
}

void OptionsWindow::AddControls()
{
    auto image = [this](const std::string& name, int tag = 0) -> TImage& {
        TImage& i = m_form.Add<TImage>(name);
        i.Tag = tag;
        return i;
    };
    auto holder = [this](const std::string& name) { m_form.Add<TImage>(name).SetVisible(false); };
    auto label = [this](const std::string& name, const std::string& text, toolkit::ColourRef colour) -> TLabel& {
        TLabel& l = m_form.Add<TLabel>(name);
        l.SetCaption(text);
        l.SetTextColour(colour);
        l.SetTransparent(true);
        return l;
    };
    auto edit = [this](const std::string& name, int tag) -> TEdit& {
        TEdit& e = m_form.Add<TEdit>(name);
        e.Tag = tag;
        e.Colour = kFieldColour;
        e.TextColour = kTextColour;
        e.SetFont({"Arial", -11, 1});
        e.SetVisible(false);
        return e;
    };
    auto buttonWithStates = [&](const std::string& name, bool disabledPicture) {
        image(name);
        holder(name + "Up");
        holder(name + "Ov");
        holder(name + "Dn");
        if (disabledPicture)
            holder(name + "Ds");
    };

    image("imgBackground");
    image("imgHeader");
    image("imgSensorsTab", 1);
    image("imgSettingTab", 2);
    label("lbMainTab1", "Sensor / Threshold", kChosenTabColour).Tag = 1;
    label("lbMainTab2", "Preference", kOtherTabColour).Tag = 2;
    label("lbMainTab3", "Report", kOtherTabColour).Tag = 3;
    for (const char* tab : {"lbMainTab1", "lbMainTab2", "lbMainTab3"})
        Label(tab).SetAlignment(toolkit::TextAlign::Centre);
    label("lbWindowTitle", "Config", kTitleColour);
    for (int k = 1; k <= 3; ++k)
        image("imgSensorTab" + std::to_string(k), k);
    const char* sensorTabs[] = {"Temperature", "Voltage", "Fan Speed"};
    for (int k = 1; k <= 3; ++k) {
        TLabel& tab = label("SensorTab" + std::to_string(k), sensorTabs[k - 1], kOtherSensorTabColour);
        tab.Tag = k;
        tab.SetAlignment(toolkit::TextAlign::Centre);
    }
    for (const char* page : {"imgHeaderTemp", "imgHeaderVolt", "imgHeaderFan", "imgHeaderSetting"})
        holder(page);
    buttonWithStates("imgClose", false);
    Image("imgClose").SetHint("Close");

    const char* titles[] = {"Enabled", "Sensor Name", "Nominal Value", "Current Value", "Threshold"};
    for (int k = 1; k <= 5; ++k)
        label("TitleLabel" + std::to_string(k), titles[k - 1], kDimColour);
    label("lbNoSensors", "", kDimColour);

    for (int r = 1; r <= kSensorRows; ++r) {
        image("imgCheck" + std::to_string(r), r);
        label("Label" + std::to_string(4 * r - 3), "", kTextColour);
        label("Label" + std::to_string(4 * r - 2), "", kTextColour);
        label("Label" + std::to_string(4 * r - 1), "", kValueColour);
        image("imgThreshold" + std::to_string(r), r);
        label("Label" + std::to_string(4 * r), "", kTextColour);
        label("Label" + std::to_string(35 + r), "", kDimColour);
        label("Label" + std::to_string(43 + r), "o", kDimColour);
        image("imgCover" + std::to_string(r));
    }
    for (int n = 1; n <= 6; ++n)
        edit("Edit" + std::to_string(n), 10 + n);
    for (int n = 7; n <= 12; ++n)
        edit("Edit" + std::to_string(n), n - 6);
    label("lbThresholdRange", "", kDimColour);
    holder("abLastPage");
    label("lbPageInfo", "", kTextColour).SetAlignment(toolkit::TextAlign::Centre);
    holder("abNextPage");

    label("Label25", "Alert", kTitleColour);
    image("imgMBox", 2);
    label("Label28", "Message Box", kTextColour).Tag = 2;
    image("imgAudio", 3);
    label("Label29", "Audio Alert", kTextColour).Tag = 3;
    image("imgAlerting", 1).SetVisible(false);
    label("Label27", "Enable Alerting", kTextColour).SetVisible(false);
    label("Label30", "Volume", kTextColour);
    edit("eVolume", 0);
    label("Label41", "%", kDimColour);
    label("Label42", "(0~99)", kDimColour);
    label("Label26", "Temperature Scale", kTitleColour);
    image("imgCelsius", 1);
    label("Label31", "Celsius", kTextColour).Tag = 1;
    image("imgFahrenheit", 2);
    label("Label32", "Fahrenheit", kTextColour).Tag = 2;
    label("Label34", "Polling Interval", kTitleColour);
    edit("eInterval", 1);
    label("Label35", "Seconds", kTextColour);
    label("Label43", "(1~120)", kDimColour);
    for (const char* mark : {"imgCheckMark", "imgSettingCheck", "imgRadioMark", "imgKnob"})
        holder(mark);

    label("lbKelvaneTitle", "Kelvane", kTitleColour);
    image("imgKelvaneFrame");
    image("imgKelvane", 4);
    label("Label33", "Enable Kelvane", kTextColour).Tag = 4;
    label("lbTemp", "Target Temperature", kTextColour);
    image("imgKelvaneModeG");
    label("lbTempValue", "", kValueColour);
    image("imgAdd").SetHint("Increase target temperature");
    image("imgSbb").SetHint("Decrease target temperature");
    image("imgSelect");
    image("imgChKelvaneFrame");
    image("imgChKelvane", 5);
    label("Label50", "Chassis Kelvane", kTextColour).Tag = 5;
    image("imgChKelvaneModeG");
    label("lbChTempValue", "", kValueColour);
    image("imgChSelect");
    for (const char* button : {"imgAdd", "imgSbb", "imgSelect", "imgChSelect"})
        for (const char* state : {"Up", "Ov", "Dn", "Ds"})
            holder(std::string(button) + state);
    label("lbFanNote", "", kDimColour);
    m_form.Add<toolkit::TPanel>("pnKelvaneCover").SetVisible(false);

    image("imgLotsFanCover");
    image("imgKelvaneBorder");
    label("lbGroupHeading", "Fan:", kTextColour);
    image("imgGroupContentBg");
    label("lbGroupContent", "", kValueColour);
    holder("imgShowGroup");
    for (int r = 1; r <= 5; ++r) {
        label("lbGroupTitle" + std::to_string(r), "", kTextColour);
        image("imgGroupBg" + std::to_string(r));
        label("lbGroupValue" + std::to_string(r), "", kValueColour);
        holder("btnGroup" + std::to_string(r));
    }

    buttonWithStates("imgDefault", true);
    buttonWithStates("imgSaveAs", true);
    buttonWithStates("imgLoad", true);
    buttonWithStates("imgApply", true);
    buttonWithStates("imgCancel", true);
    for (const char* state : {"Up", "Ov", "Dn", "Ds"})
        holder(std::string("imgApplyChanged") + state);
    Image("imgDefault").SetHint("Default");
    Image("imgSaveAs").SetHint("Save As");
    Image("imgLoad").SetHint("Load");
    Image("imgApply").SetHint("Apply");
    Image("imgCancel").SetHint("Cancel");
    label("lbStatus", "", kDimColour);
}

void OptionsWindow::LoadPictures()
{
    const std::string skins = TheViews().programFolder + "Res\\options\\";
    const std::string builtin = TheViews().programFolder + "Res\\builtin\\";
    toolkit::LoadSkinBitmap(&Image("imgBackground"), skins + "options_01a_ok.bmp");
    toolkit::LoadSkinBitmap(&Image("imgHeaderTemp"), skins + "sensors_up_temp.bmp");
    toolkit::LoadSkinBitmap(&Image("imgHeaderVolt"), skins + "sensors_up_voltage.bmp");
    toolkit::LoadSkinBitmap(&Image("imgHeaderFan"), skins + "sensors_up_fan speed_a.bmp");
    toolkit::LoadSkinBitmap(&Image("imgHeaderSetting"), skins + "setting_up.bmp");
    toolkit::LoadSkinBitmap(&Image("imgSensorTab1"), skins + "Temperature down.bmp");
    toolkit::LoadSkinBitmap(&Image("imgSensorTab2"), skins + "Voltage down.bmp");
    toolkit::LoadSkinBitmap(&Image("imgSensorTab3"), skins + "Fan Speed down_l.bmp");
    toolkit::LoadSkinBitmap(&Image("imgSensorsTab"), skins + "sensors_down.bmp");
    toolkit::LoadSkinBitmap(&Image("imgSettingTab"), skins + "setting down.bmp");
    toolkit::LoadSkinBitmap(&Image("imgCheckMark"), skins + "sensor_chack.bmp");
    toolkit::LoadSkinBitmap(&Image("imgSettingCheck"), skins + "setting_chack01.bmp");
    toolkit::LoadSkinBitmap(&Image("imgRadioMark"), skins + "setting_chack02.bmp");
    toolkit::LoadSkinBitmap(&Image("imgKnob"), skins + "point.bmp");
    for (int r = 1; r <= kSensorRows; ++r)
        Image("imgThreshold" + std::to_string(r)).SetPicture(Image("imgKnob").GetPicture());
    toolkit::LoadButtonStates(m_form, "imgDefault", "Default", skins);
    toolkit::LoadButtonStates(m_form, "imgApply", "apply", skins);
    toolkit::LoadButtonStates(m_form, "imgCancel", "cancel", skins);
    toolkit::LoadButtonStates(m_form, "imgSaveAs", "save_as", skins);
    toolkit::LoadButtonStates(m_form, "imgLoad", "load", skins);
    toolkit::LoadButtonStates(m_form, "imgApplyChanged", "02apply", skins);
    const char* states[] = {"Up", "Ov", "Dn", "Ds"};
    for (std::size_t k = 0; k < 4; ++k) {
        m_applyPlain[k] = Image(std::string("imgApply") + states[k]).GetPicture();
        m_applyChanged[k] = Image(std::string("imgApplyChanged") + states[k]).GetPicture();
    }
    toolkit::LoadButtonStates(m_form, "imgAdd", "+", skins);
    toolkit::LoadButtonStates(m_form, "imgSbb", "-", skins);
    toolkit::LoadButtonStates(m_form, "imgSelect", "select", skins);
    toolkit::LoadButtonStates(m_form, "imgChSelect", "select", skins);
    toolkit::LoadSkinBitmap(&Image("imgClose"), builtin + "close19_up.bmp");
    toolkit::LoadSkinBitmap(&Image("imgCloseUp"), builtin + "close19_up.bmp");
    toolkit::LoadSkinBitmap(&Image("imgCloseOv"), builtin + "close19_ov.bmp");
    toolkit::LoadSkinBitmap(&Image("imgCloseDn"), builtin + "close19_dn.bmp");
    for (const char* tab : {"imgSensorsTab", "imgSettingTab"})
        toolkit::SetImageTransparent(Image(tab));

    // The plain pictures take the page's own colours: the sensor page's
    // rows, the preference page's fan-control frame.
    const TImage& sensorPage = Image("imgHeaderTemp");
    const TImage& settingPage = Image("imgHeaderSetting");
    for (int r = 1; r <= kSensorRows; ++r) {
        TImage& cover = Image("imgCover" + std::to_string(r));
        // Beside the check box, inside the row: the page's plain colour.
        const COLORREF page = PictureColourAt(sensorPage, cover.Left() - 21 + 2, cover.Top() - 45 + 2, RGB(28, 32, 38));
        cover.SetPicture(FilledPicture(cover.Width(), cover.Height(), page));
    }
    const COLORREF panel = PictureColourAt(settingPage, 372 - 21, 300 - 45, RGB(34, 38, 46));
    for (const char* field : {"imgKelvaneModeG", "imgChKelvaneModeG", "imgGroupContentBg", "imgGroupBg1", "imgGroupBg2",
                              "imgGroupBg3", "imgGroupBg4", "imgGroupBg5"}) {
        TImage& f = Image(field);
        f.SetPicture(FilledPicture(f.Width(), f.Height(), kFieldColour, kFieldEdge));
    }
    for (const char* frame : {"imgKelvaneFrame", "imgChKelvaneFrame"}) {
        TImage& f = Image(frame);
        f.SetPicture(FramePicture(f.Width(), f.Height(), kFrameEdge));
        toolkit::SetImageTransparent(f, kHollowKey);
    }
    TImage& area = Image("imgLotsFanCover");
    area.SetPicture(FilledPicture(area.Width(), area.Height(), panel));
    TImage& border = Image("imgKelvaneBorder");
    border.SetPicture(FilledPicture(border.Width(), border.Height(), kFrameEdge));
    if (auto* cover = dynamic_cast<toolkit::TPanel*>(m_form.FindControl("pnKelvaneCover"))) {
        // The colour of the page where the cover lies.
        cover->Colour = PictureColourAt(settingPage, 368 - 21 + 1, 96 - 45 + 8, panel);
        cover->TextColour = kDimColour;
    }
}

void OptionsWindow::PlaceButtonOver(toolkit::ZyButtonTx& button, const std::string& holder)
{
    const toolkit::Control* place = m_form.FindControl(holder);
    if (!place || !button.Handle())
        return;
    SetWindowPos(button.Handle(), nullptr, place->Left(), place->Top(), place->Width(), place->Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void OptionsWindow::CreatePagingButtons()
{
    const std::string builtin = TheViews().programFolder + "Res\\builtin\\";
    m_lastPage.Create(m_form.Handle(), 0, 0, 0, Appearance(builtin, "page_prev"));
    m_nextPage.Create(m_form.Handle(), 0, 0, 0, Appearance(builtin, "page_next"));
    PlaceButtonOver(m_lastPage, "abLastPage");
    PlaceButtonOver(m_nextPage, "abNextPage");
    m_lastPage.OnClick = [this] { PageBy(-1); };
    m_nextPage.OnClick = [this] { PageBy(1); };
    for (toolkit::ZyButtonTx* button : {&m_lastPage, &m_nextPage})
        ShowWindow(button->Handle(), SW_HIDE);
}

void OptionsWindow::CreateGroupButtons()
{
    const std::string builtin = TheViews().programFolder + "Res\\builtin\\";
    m_showGroup.Create(m_form.Handle(), 0, 0, 0, Appearance(builtin, "more"));
    PlaceButtonOver(m_showGroup, "imgShowGroup");
    m_showGroup.OnClick = [this] { FanAction([this] { m_fan->ChooseGroup(); }, false); };
    ShowWindow(m_showGroup.Handle(), SW_HIDE);
    for (int r = 0; r < 5; ++r) {
        toolkit::ZyButtonTx& button = m_groupButtons[r];
        button.Create(m_form.Handle(), 0, 0, 0, Appearance(builtin, "more"));
        PlaceButtonOver(button, "btnGroup" + std::to_string(r + 1));
        button.OnClick = [this, r] { FanAction([this, r] { m_fan->ChooseOption(r); }, true); };
        ShowWindow(button.Handle(), SW_HIDE);
    }
}

void OptionsWindow::SubclassEdits()
{
    auto subclass = [](TEdit& edit, int limit) {
        HWND window = edit.Handle();
        if (!window)
            return;
        SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
        const LONG_PTR old = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc));
        SetPropA(window, kOldEditProc, reinterpret_cast<HANDLE>(old));
    };
    for (int n = 1; n <= 6; ++n)
        subclass(Edit("Edit" + std::to_string(n)), 8);
    for (int n = 7; n <= 12; ++n)
        subclass(Edit("Edit" + std::to_string(n)), 5);
    subclass(Edit("eVolume"), 2);
    subclass(Edit("eInterval"), 3);
}

void OptionsWindow::BindHandlers()
{
    for (const char* surface : {"imgBackground", "imgHeader"}) {
        m_form.FindControl(surface)->OnMouseDown = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
            if (e.button == toolkit::MouseButton::Left)
                DragWindowFromHere(m_form);
        };
    }
    auto click = [this](const std::string& name, std::function<void(toolkit::Control&)> action) {
        toolkit::Control& control = *m_form.FindControl(name);
        control.CursorShape = toolkit::crHandPoint;
        control.OnClick = std::move(action);
    };
    auto tabSound = [] { PlayClickSound(monitor::kCheckboxPressSound); };
    for (const char* tab : {"lbMainTab1", "lbMainTab2", "imgSensorsTab", "imgSettingTab"})
        click(tab, [this, tabSound](toolkit::Control& c) {
            tabSound();
            ShowMainTab(c.Tag);
        });
    for (int k = 1; k <= 3; ++k) {
        for (const std::string& name : {"SensorTab" + std::to_string(k), "imgSensorTab" + std::to_string(k)})
            click(name, [this, tabSound](toolkit::Control& c) {
                tabSound();
                ShowSensorTab(c.Tag);
            });
    }
    for (int r = 1; r <= kSensorRows; ++r) {
        click("imgCheck" + std::to_string(r), [this, tabSound](toolkit::Control& c) {
            tabSound();
            RowCheckClicked(c.Tag - 1);
        });
        toolkit::AttachKnobHandlers(m_form, Image("imgThreshold" + std::to_string(r)));
    }
    m_form.OnKnobMoved = [this](TImage& knob) { KnobMoved(knob); };
    for (const char* check :
         {"imgMBox", "Label28", "imgAudio", "Label29", "imgKelvane", "Label33", "imgChKelvane", "Label50"})
        click(check, [this, tabSound](toolkit::Control& c) {
            tabSound();
            PreferenceCheckClicked(c.Tag);
        });
    for (const char* radio : {"imgCelsius", "Label31", "imgFahrenheit", "Label32"})
        click(radio, [this, tabSound](toolkit::Control& c) {
            tabSound();
            ScaleClicked(c.Tag);
        });

    for (const char* button : {"imgClose", "imgDefault", "imgApply", "imgCancel", "imgSaveAs", "imgLoad", "imgAdd",
                               "imgSbb", "imgSelect", "imgChSelect"})
        toolkit::AttachButtonHandlers(m_form, Image(button));
    Image("imgClose").OnClick = [this](toolkit::Control&) { CancelClicked(); };
    Image("imgDefault").OnClick = [this](toolkit::Control&) { DefaultClicked(); };
    Image("imgApply").OnClick = [this](toolkit::Control&) { ApplyClicked(); };
    Image("imgCancel").OnClick = [this](toolkit::Control&) { CancelClicked(); };
    Image("imgSaveAs").OnClick = [this](toolkit::Control&) { SaveAsClicked(); };
    Image("imgLoad").OnClick = [this](toolkit::Control&) { LoadClicked(); };
    Image("imgAdd").OnClick = [this](toolkit::Control&) { FanAction([this] { m_fan->StepTargetUp(); }, true); };
    Image("imgSbb").OnClick = [this](toolkit::Control&) { FanAction([this] { m_fan->StepTargetDown(); }, true); };
    Image("imgSelect").OnClick = [this](toolkit::Control&) {
        FanAction([this] { m_fan->ChooseProcessorTarget(); }, true);
    };
    Image("imgChSelect").OnClick = [this](toolkit::Control&) {
        FanAction([this] { m_fan->ChooseChassisTarget(); }, true);
    };
    m_form.OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return OnFormMessage(message, wParam, lParam, result);
    };
}

}  // namespace vantor::views
