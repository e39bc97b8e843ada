// The gadget window on Win32: its controls and skins, the two sizes with
// their window regions, the LED digits, the threshold buttons with their
// auto-repeat timer, the close box and magnet switch, the drag forwarding,
// and the effects of its sensor's evaluation.
#include "gadget/TfrmHexagon.h"
#include "startup/ProgramFolder_win.h"
#include "config/NumberConversion.h"

#include <exception>
#include <type_traits>
#include <variant>

#include "alarm/DateText.h"
#include "alarm/ReadingText.h"
#include "app/Views.h"
#include "option/OptionsView.h"
#include "binding/HwBinding.h"
#include "binding/HwPlatform_win.h"
#include "gadget/GadgetMessages.h"
#include "gadget/GadgetSet.h"
#include "app/ControlLayout.h"
#include "gadget/LedText.h"
#include "gadget/ThresholdButtons.h"
#include "language/LanguageLibrary_win.h"
#include "language/layouts/LayoutTables.h"
#include "list/ListView.h"
#include "mainpanel/MainPanelView.h"
#include "sound/Sounds.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/ButtonHandlers.h"
#include "toolkit/ControlHelpers.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/SkinBitmaps.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::views {
namespace {

using monitor::SensorKind;
using toolkit::TImage;
using toolkit::TLabel;

constexpr COLORREF kDigitKey = RGB(0xFF, 0x7E, 0xF1);
constexpr COLORREF kThresholdDigitKey = RGB(0, 0, 0);
constexpr COLORREF kRegionTolerance = RGB(255, 0, 0);
constexpr toolkit::ColourRef kNameColour = RGB(224, 224, 224);

const char* const kUnitNames[] = {"imgV", "imgV_a", "imgDC", "imgDC_a", "imgDF", "imgDF_a", "imgRPM", "imgRPM_a"};
const char* const kIconNames[] = {"imgIconPower", "imgIconTemp", "imgIconFan"};

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

std::string ProgramFolder()
{
    const std::string& folder = TheViews().programFolder;
    return folder.empty() ? monitor::ProgramFolderOfProcess() : folder;
}

// The unit picture's place: bottom-aligned on the reading screen.
GadgetPoint UnitPlace(SensorKind kind, GadgetSize size)
{
    const int top = kind == SensorKind::Voltage ? 35 : kind == SensorKind::Temperature ? 37 : 42;
    return size == GadgetSize::Small ? GadgetPoint{78, top - 12} : GadgetPoint{85, top};
}

const char* IconOf(SensorKind kind)
{
    return kind == SensorKind::Voltage       ? "imgIconPower"
           : kind == SensorKind::Temperature ? "imgIconTemp"
                                             : "imgIconFan";
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

std::string DateTextNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char dateSeparator[8] = "/";
    char timeSeparator[8] = ":";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, dateSeparator, sizeof dateSeparator);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, timeSeparator, sizeof timeSeparator);
    const monitor::LocalDateTime time{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
    return monitor::FormatAlertDate(time, dateSeparator, timeSeparator);
}

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

monitor::alarm::AlertTexts TranslatedTexts()
{
    monitor::LanguageBinding& language = monitor::ProgramLanguage();
    monitor::alarm::AlertTexts texts;
    for (std::string* text : {&texts.voltage, &texts.temperature, &texts.fan, &texts.abnormal, &texts.becomeNormal,
                              &texts.vantorMessage, &texts.someWarnings, &texts.coolnQuiet})
        *text = language.TranslateText(*text);
    return texts;
}

}  // namespace

TfrmHexagon::TfrmHexagon(GadgetSet& set, std::size_t gadgetIndex, GadgetSlot slot)
    : TGoodForm("frmHexagon_8"), m_set(set), m_index(gadgetIndex), m_slot(slot)
{
    AddControls();
}

void TfrmHexagon::AddControls()
{
    // In the layout table's order, which is also the z-order: backgrounds,
    // overlays, then everything drawn on them.
    auto holder = [this](const std::string& name) { Add<TImage>(name).SetVisible(false); };
    Add<TImage>("imgBackground");
    Add<TImage>("imgBackground2");
    Add<TImage>("imgRedLed");
    Add<TImage>("imgRedLedSmall");
    for (const char* icon : kIconNames)
        Add<TImage>(icon);
    TLabel& name = Add<TLabel>("Label2");
    name.SetTextColour(kNameColour);
    name.SetTransparent(true);
    for (const char* button : {"imgTSUp", "imgTSDown"}) {
        Add<TImage>(button);
        for (const char* state : {"Up", "Ov", "Dn"})
            holder(std::string(button) + state);
    }
    Add<TImage>("imgClose");
    for (const char* state : {"Up", "Ov", "Dn"})
        holder(std::string("imgClose") + state);
    Add<TImage>("imgLock");
    for (int i = 1; i <= 5; ++i)
        Add<TImage>("imgSensor" + std::to_string(i));
    for (int i = 1; i <= 5; ++i)
        Add<TImage>("imgThreshold" + std::to_string(i));
    for (int i = 0; i < 12; ++i)
        holder("imgL_" + std::to_string(i));
    for (int i = 0; i < 12; ++i)
        holder("imgAL_" + std::to_string(i));
    for (int i = 0; i < 13; ++i)
        holder("imgS_" + std::to_string(i));
    for (const char* unit : kUnitNames)
        Add<TImage>(unit).SetVisible(false);

    FindControl("imgTSUp")->SetHint("Increase threshold");
    FindControl("imgTSDown")->SetHint("Decrease threshold");
    FindControl("imgClose")->SetHint("Close");
    FindControl("imgLock")->SetHint("Enable / Disable magnetic");
}

void TfrmHexagon::LoadPictures()
{
    const std::string res = ProgramFolder() + "Res\\";
    const std::string six = res + "small\\6\\";
    const std::string four = res + "small\\4\\";
    const std::string builtin = res + "builtin\\";
    toolkit::LoadSkinBitmap(FindImage("imgBackground"), six + "6_UI.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgBackground2"), four + "4_UI.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgRedLed"), six + "red_led.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgRedLedSmall"), four + "s_red_led.bmp");
    toolkit::LoadButtonStates(*this, "imgTSUp", "6_up", six);
    toolkit::LoadButtonStates(*this, "imgTSDown", "6_down", six);
    toolkit::LoadSkinBitmap(FindImage("imgClose"), builtin + "close_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseUp"), builtin + "close_up.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseOv"), builtin + "close_ov.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgCloseDn"), builtin + "close_dn.bmp");
    for (const char* button : {"imgTSUp", "imgTSDown", "imgClose"})
        toolkit::AttachButtonHandlers(*this, *FindImage(button));

    for (int i = 0; i < 12; ++i) {
        const std::string n = std::to_string(i);
        for (const auto& [set, file] : {std::pair{"imgL_", "green_b"}, std::pair{"imgAL_", "red_b"}}) {
            TImage* digit = FindImage(set + n);
            toolkit::LoadSkinBitmap(digit, res + "numbers\\big\\" + file + n + ".bmp");
            toolkit::SetImageTransparent(*digit, kDigitKey);
        }
    }
    for (int i = 0; i < 13; ++i) {
        TImage* digit = FindImage("imgS_" + std::to_string(i));
        toolkit::LoadSkinBitmap(digit, builtin + "s_" + std::to_string(i) + ".bmp");
        if (i <= 10)
            toolkit::SetImageTransparent(*digit, kThresholdDigitKey);
    }
    toolkit::LoadSkinBitmap(FindImage("imgIconPower"), builtin + "icon_power.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgIconTemp"), builtin + "icon_temp.bmp");
    toolkit::LoadSkinBitmap(FindImage("imgIconFan"), builtin + "icon_fan.bmp");
    const char* const unitFiles[] = {"unit_V",  "unit_V_a",  "unit_DC",  "unit_DC_a",
                                     "unit_DF", "unit_DF_a", "unit_RPM", "unit_RPM_a"};
    for (std::size_t i = 0; i < std::size(kUnitNames); ++i)
        toolkit::LoadSkinBitmap(FindImage(kUnitNames[i]), builtin + unitFiles[i] + ".bmp");
    m_lockMagnetic = toolkit::LoadBitmapPicture(builtin + "lock_ul.bmp");
    m_lockOff = toolkit::LoadBitmapPicture(builtin + "lock_lo.bmp");
}

void TfrmHexagon::ForwardDragEvents(toolkit::Control& control)
{
    control.OnMouseDown = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
        m_dragging = e.button == toolkit::MouseButton::Left;
        if (m_dragging) {
            m_grabX = e.x;
            m_grabY = e.y;
            m_set.BeginDrag(m_index);
        }
    };
    // The control moves with the window, so the pointer's offset from the
    // grab point is the motion since the last step. The guard keeps the
    // moves this step causes from starting another.
    control.OnMouseMove = [this](toolkit::Control&, const toolkit::MouseEvent& e) {
        if (m_set.DragGuard())
            return;
        m_set.SetDragGuard(true);
        const int dx = e.x - m_grabX;
        const int dy = e.y - m_grabY;
        if (m_dragging && (dx != 0 || dy != 0))
            m_set.DragBy(m_index, dx, dy);
        m_set.SetDragGuard(false);
    };
    control.OnMouseUp = [this](toolkit::Control&, const toolkit::MouseEvent&) {
        if (!m_dragging)
            return;
        m_dragging = false;
        m_set.EndDrag();
    };
}

bool TfrmHexagon::CreateGadget(HWND owner)
{
    toolkit::FormOptions options;
    options.width = 127;
    options.height = 111;
    // Not "Vantor": other programs find the main panel by that caption to
    // send it the control messages.
    options.caption = "Vantor sensor";
    // Owned by the cover: above it, and no taskbar button.
    options.owner = owner;
    if (!Create(options))
        return false;

    LoadPictures();
    m_layoutResult = ApplyWindowLayout(Root(), monitor::kHexagonLayout, monitor::ProgramLanguage());

    for (const char* name : {"imgBackground", "imgBackground2", "imgRedLed", "imgRedLedSmall", "Label2"})
        ForwardDragEvents(*FindControl(name));
    for (const char* icon : kIconNames)
        ForwardDragEvents(*FindControl(icon));
    for (const char* unit : kUnitNames)
        ForwardDragEvents(*FindControl(unit));
    for (const char* slot : {"imgSensor", "imgThreshold"}) {
        for (int i = 1; i <= 5; ++i) {
            TImage* image = FindImage(slot + std::to_string(i));
            ForwardDragEvents(*image);
        }
    }

    FindControl("imgTSUp")->OnClick = [this](toolkit::Control&) { StepThreshold(true); };
    FindControl("imgTSDown")->OnClick = [this](toolkit::Control&) { StepThreshold(false); };
    m_repeatTimer = &AddTimer("tmrRepeat", kRepeatFirstMs, [this](toolkit::TTimer&) {
        if (m_repeatAction)
            m_repeatAction();
    });
    m_repeatTimer->SetEnabled(false);
    FindControl("imgClose")->OnClick = [this](toolkit::Control&) {
        monitor::SensorConfig& config = Table().Configs.at(m_slot.index);
        if (config.Enabled) {
            config.Enabled = 0;
            Table().EditEnabled.at(m_slot.index) = 0;
        }
        m_set.CloseGadget(m_index);
        // The options window's row shows the sensor off too.
        if (OptionsView* optionsWindow = TheViews().options)
            optionsWindow->RedrawEnableChecks();
    };
    toolkit::Control& lock = *FindControl("imgLock");
    lock.CursorShape = toolkit::crHandPoint;
    lock.OnClick = [this](toolkit::Control&) { m_set.ToggleMagnet(m_index); };
    ShowMagnet(true);

    // The sensor: its kind's icon and units, its name and its threshold.
    for (const char* icon : kIconNames)
        FindControl(icon)->SetVisible(std::string_view(icon) == IconOf(m_slot.kind));
    RefreshUnits();
    RefreshName();
    DrawThreshold(ThresholdButtonText(m_slot.kind, Table().Configs.at(m_slot.index).Threshold,
                                      m_set.Configuration().Committed.Scale));
    return true;
}

monitor::SensorTable& TfrmHexagon::Table() const { return m_set.Configuration().Table(m_slot.kind); }

std::string TfrmHexagon::ShortName() const
{
    const auto& names = Table().ShortName;
    return m_slot.index < names.size() ? std::string(monitor::BufferText(names[m_slot.index])) : std::string();
}

GadgetRect TfrmHexagon::WindowRect() const
{
    RECT r{};
    GetWindowRect(Handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void TfrmHexagon::ApplySize(GadgetSize size)
{
    m_size = size;
    const bool small = size == GadgetSize::Small;
    auto place = [this](const char* name, int left, int top) { toolkit::PlaceControl(FindControl(name), left, top); };
    FindControl("imgBackground")->SetVisible(!small);
    FindControl("imgBackground2")->SetVisible(small);
    FindControl("imgTSUp")->SetVisible(!small);
    FindControl("imgTSDown")->SetVisible(!small);
    for (int i = 1; i <= 5; ++i)
        FindControl("imgThreshold" + std::to_string(i))->SetVisible(!small);
    if (small) {
        place("imgBackground2", 0, 0);
        place("imgRedLedSmall", 8, 18);
        for (const char* icon : kIconNames)
            place(icon, 4, 2);
        place("Label2", 18, 2);
        place("imgClose", 97, 2);
        place("imgLock", 97 - 17, 3);
        for (int i = 0; i < 5; ++i)
            place(("imgSensor" + std::to_string(i + 1)).c_str(), 21 + 11 * i, 26);
    } else {
        for (const char* icon : kIconNames)
            place(icon, 32, 3);
        place("Label2", 46, 3);
        place("imgTSUp", 17, 60);
        place("imgTSDown", 28, 67);
        place("imgClose", 78, 90);
        place("imgLock", 78 - 17, 91);
        for (int i = 0; i < 5; ++i)
            place(("imgSensor" + std::to_string(i + 1)).c_str(), 30 + 11 * i, 36);
    }
    FindControl("imgRedLed")->SetVisible(false);
    FindControl("imgRedLedSmall")->SetVisible(false);
    ShowUnitPicture();

    // The window is its background: that size, and its outline without the
    // key colour of the top-left pixel.
    const TImage& background = *FindImage(small ? "imgBackground2" : "imgBackground");
    Root().SetBounds(Root().Left(), Root().Top(), background.Width(), background.Height());
    HBITMAP bitmap = toolkit::BitmapOf(background.GetPicture());
    HRGN region = bitmap ? toolkit::CreateRegionFromBitmap(bitmap, TopLeftPixel(bitmap), kRegionTolerance) : nullptr;
    SetWindowRgn(Handle(), region, TRUE);  // the window owns the region from here

    const monitor::SensorList& list = m_slot.kind == SensorKind::Voltage       ? m_set.Binding().Voltages()
                                      : m_slot.kind == SensorKind::Temperature ? m_set.Binding().Temperatures()
                                                                               : m_set.Binding().Fans();
    const float reading =
            m_slot.index < list.Count() ? list.Values()[m_slot.index].load(std::memory_order_relaxed) : 0.0f;
    const bool fahrenheit = m_slot.kind == SensorKind::Temperature &&
                            m_set.Configuration().Committed.Scale == monitor::TemperatureScale::Fahrenheit;
    const std::string text =
            fahrenheit ? monitor::alarm::FormatReading(monitor::CelsiusToFahrenheit(monitor::TruncateToInt(reading)), 0)
                       : monitor::alarm::FormatReading(reading, m_slot.kind == SensorKind::Voltage ? 2 : 0);
    DrawLedText("imgSensor", text, kGreenDigits);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TfrmHexagon::DrawLedText(std::string_view slotPrefix, std::string_view text, std::string_view set)
{
    const bool voltageThreshold = m_slot.kind == SensorKind::Voltage;
    const auto pictures = LedSlotPictures(text, set, voltageThreshold);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        TImage* slot = FindImage(std::string(slotPrefix) + std::to_string(i + 1));
        const TImage* picture = FindImage(pictures[i]);
        if (!slot || !picture)
            continue;
        // The picture carries its transparent colour with it.
        slot->SetPicture(picture->GetPicture());
        slot->SetTransparent(picture->Transparent(), picture->TransparentColour());
    }
}

void TfrmHexagon::DrawThreshold(std::string_view text) { DrawLedText("imgThreshold", text, kThresholdDigits); }

void TfrmHexagon::ShowUnitPicture()
{
    const std::string& shown = m_unitShowsAlert ? m_unitAlert : m_unitNormal;
    const GadgetPoint at = UnitPlace(m_slot.kind, m_size);
    for (const char* unit : kUnitNames) {
        toolkit::Control* control = FindControl(unit);
        const bool visible = shown == unit;
        if (visible)
            toolkit::PlaceControl(control, at.x, at.y);
        control->SetVisible(visible);
    }
}

void TfrmHexagon::RefreshName()
{
    auto* label = dynamic_cast<TLabel*>(FindControl("Label2"));
    label->SetCaption(ShortName());
}

void TfrmHexagon::RefreshUnits()
{
    switch (m_slot.kind) {
    case SensorKind::Voltage:
        m_unitNormal = "imgV";
        break;
    case SensorKind::Temperature:
        m_unitNormal =
                m_set.Configuration().Committed.Scale == monitor::TemperatureScale::Fahrenheit ? "imgDF" : "imgDC";
        break;
    case SensorKind::Fan:
        m_unitNormal = "imgRPM";
        break;
    }
    m_unitAlert = m_unitNormal + "_a";
    m_unitShowsAlert = m_alarmState;
    ShowUnitPicture();
}

void TfrmHexagon::ShowMagnet(bool magnetic)
{
    if (TImage* lock = FindImage("imgLock"); lock && (magnetic ? m_lockMagnetic : m_lockOff))
        lock->SetPicture(magnetic ? m_lockMagnetic : m_lockOff);
}

void TfrmHexagon::StepThreshold(bool up)
{
    // Each step makes the next repeat come sooner; the timer re-arms.
    m_repeat.StepRan();
    if (m_repeatTimer && m_repeatTimer->Enabled())
        m_repeatTimer->SetInterval(static_cast<unsigned>(m_repeat.Interval()));
    monitor::SensorConfig& config = Table().Configs.at(m_slot.index);
    const float stepped = SteppedThreshold(m_slot.kind, config, up ? StepDirection::Up : StepDirection::Down);
    config.Threshold = stepped;
    Table().EditThreshold.at(m_slot.index) = stepped;
    DrawThreshold(ThresholdButtonText(m_slot.kind, stepped, m_set.Configuration().Committed.Scale));
}

void TfrmHexagon::ButtonPressed(TImage& button)
{
    if (button.Name() != "imgTSUp" && button.Name() != "imgTSDown")
        return;
    const bool up = button.Name() == "imgTSUp";
    m_repeat.Pressed();
    m_repeatAction = [this, up] { StepThreshold(up); };
    m_repeatTimer->SetInterval(static_cast<unsigned>(m_repeat.Interval()));
    m_repeatTimer->SetEnabled(true);
}

void TfrmHexagon::ButtonReleased(TImage& button)
{
    if (button.Name() != "imgTSUp" && button.Name() != "imgTSDown")
        return;
    m_repeatAction = nullptr;
    m_repeatTimer->SetEnabled(false);
}

void TfrmHexagon::EvaluateSensor()
{
    namespace alarm = monitor::alarm;
    monitor::SensorTable& table = Table();
    const std::size_t i = m_slot.index;
    monitor::HwBinding& binding = m_set.Binding();
    const monitor::SensorList& list = m_slot.kind == SensorKind::Voltage       ? binding.Voltages()
                                      : m_slot.kind == SensorKind::Temperature ? binding.Temperatures()
                                                                               : binding.Fans();
    monitor::SensorConfiguration& configuration = m_set.Configuration();

    alarm::GadgetSensor sensor;
    sensor.gadgetIndex = static_cast<unsigned>(m_index);
    sensor.kind = m_slot.kind;
    sensor.sensorId = i < table.Descriptors.size() ? table.Descriptors[i].Id : 0;
    sensor.threshold = table.Configs.at(i).Threshold;
    sensor.enabled = table.Configs.at(i).Enabled != 0;
    sensor.reading = i < list.Count() ? list.Values()[i].load(std::memory_order_relaxed) : 0.0f;
    if (m_slot.kind == SensorKind::Voltage && i < configuration.NominalVoltage.size())
        sensor.nominalVoltage = configuration.NominalVoltage[i];
    sensor.shortName = ShortName();

    alarm::EvaluationContext context;
    context.scale = configuration.Committed.Scale == monitor::TemperatureScale::Fahrenheit
                            ? monitor::TemperatureScale::Fahrenheit
                            : monitor::TemperatureScale::Celsius;
    context.hardwareBusy = binding.HardwareBusy();
    context.alertEnabled = configuration.Committed.EnableAlert;
    context.messageBoxEnabled = configuration.Committed.EnableMBox;
    if (ListView* listWindow = TheViews().list) {
        context.listWindowShown = listWindow->MessageWindowShown();
        context.messageText = listWindow->MessageText();
    }
    context.dateText = DateTextNow();
    context.texts = TranslatedTexts();
    context.isLeadByte = &IsLeadByte;

    alarm::Evaluation result =
            alarm::EvaluateSensor(m_alarmState, m_set.SharedState(), sensor, context, m_set.Hardware());
    // Stored before anything is performed: the message window's modal loop
    // lets the next ticks evaluate every gadget again, this one included.
    m_alarmState = result.alarmState;
    m_set.SharedState() = result.shared;
    for (const alarm::AlarmEffect& effect : result.effects)
        PerformEffect(effect);
}

void TfrmHexagon::PerformEffect(const monitor::alarm::AlarmEffect& effect)
{
    namespace alarm = monitor::alarm;
    MainPanelView* panel = TheViews().mainPanel;
    std::visit(Overloaded{
                       [&](const alarm::StoreNominalVoltage& e) {
                           auto& nominal = m_set.Configuration().NominalVoltage;
                           if (m_slot.index < nominal.size())
                               nominal[m_slot.index] = e.volts;
                       },
                       [&](const alarm::ShowAlarmOverlay& e) {
                           FindControl(m_size == GadgetSize::Small ? "imgRedLedSmall" : "imgRedLed")
                                   ->SetVisible(e.visible);
                       },
                       [&](const alarm::ShowWarningLight& e) {
                           if (panel)
                               panel->ShowWarningLight(e.visible);
                       },
                       [&](const alarm::SetTrayImage& e) {
                           if (panel)
                               panel->SetTrayImage(e.index);
                       },
                       [&](const alarm::PlayAlertSound& e) {
                           if (monitor::Sounds* sounds = TheViews().sounds) {
                               sounds->PlayAlertSound(e.name, m_set.Configuration().Committed.EnableSound
                                                                      ? monitor::SoundWanted::Yes
                                                                      : monitor::SoundWanted::No);
                           }
                       },
                       [&](const alarm::ShowAlertUnitPicture& e) {
                           m_unitShowsAlert = e.alert;
                           ShowUnitPicture();
                       },
                       [&](const alarm::DrawReading& e) {
                           DrawLedText("imgSensor", e.text,
                                       e.colour == alarm::DigitColour::Red ? kRedDigits : kGreenDigits);
                       },
                       [&](const alarm::DrawThreshold& e) { DrawThreshold(e.text); },
                       [&](const alarm::AppendLogLine& e) { m_set.AppendAlertLine(e.line); },
                       [&](const alarm::SetMessageText& e) {
                           if (ListView* list = TheViews().list)
                               list->SetMessageText(e.text);
                       },
                       [&](const alarm::OpenMessageWindow&) {
                           if (ListView* list = TheViews().list)
                               list->ShowListWindow(ListMode::Message, ListContent::Prepared);
                       },
               },
               effect);
}

LRESULT TfrmHexagon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kWmGadgetEvaluate && message != kWmGadgetRefresh && message != kWmGadgetUnits)
        return TGoodForm::HandleMessage(message, wParam, lParam);
    const LRESULT result = TGoodForm::HandleMessage(message, wParam, lParam);
    try {
        if (message == kWmGadgetEvaluate)
            EvaluateSensor();
        else if (message == kWmGadgetRefresh)
            RefreshName();
        else
            RefreshUnits();
    } catch (const std::exception& e) {
        if (OnHandlerError)
            OnHandlerError(e.what());
    }
    return result;
}

}  // namespace vantor::views
