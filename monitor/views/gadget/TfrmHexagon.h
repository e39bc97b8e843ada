// One sensor gadget window: the hexagon (or small) skin with the sensor's
// name, its reading in LED digits, its threshold with the buttons that move
// it, a close box and a magnet switch. It performs the effects of its
// sensor's evaluation; dragging, snapping and the shared alarm state belong
// to its set (GadgetSet). Windows builds.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "alarm/EvaluateSensor.h"
#include "config/SensorConfig.h"
#include "gadget/AutoRepeat.h"
#include "gadget/GadgetGeometry.h"
#include "gadget/GadgetRoster.h"
#include "toolkit/Picture.h"
#include "toolkit/TGoodForm.h"

namespace vantor::toolkit {
class TImage;
class TLabel;
}  // namespace vantor::toolkit

namespace vantor::views {

class GadgetSet;

class TfrmHexagon final : public toolkit::TGoodForm {
public:
    TfrmHexagon(GadgetSet& set, std::size_t gadgetIndex, GadgetSlot slot);

    // The window creation handler: makes the (hidden) window owned by
    // `owner`, loads the skins, applies the layout table and binds the
    // sensor. The result of the layout table (77 when every control has its
    // record) is kept for LayoutResult.
    bool CreateGadget(HWND owner);
    int LayoutResult() const { return m_layoutResult; }

    std::size_t Index() const { return m_index; }
    const GadgetSlot& Slot() const { return m_slot; }
    bool AlarmState() const { return m_alarmState; }

    // The current size: backgrounds, overlays, buttons and digits placed,
    // the window shaped and sized by its background, the reading in green.
    void ApplySize(GadgetSize size);

    // EvaluateSensor and its effects (WM_GADGET_EVALUATE).
    void EvaluateSensor();
    // The name label shows ShortName (WM_GADGET_REFRESH).
    void RefreshName();
    // Temperature units follow the committed scale (WM_GADGET_UNITS).
    void RefreshUnits();

    // The magnet switch's picture: magnetic or not.
    void ShowMagnet(bool magnetic);

    // The five slots of `slotPrefix` show `text` in the digit set `set`.
    void DrawLedText(std::string_view slotPrefix, std::string_view text, std::string_view set);

    // One click of a threshold button.
    void StepThreshold(bool up);

    GadgetRect WindowRect() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ButtonPressed(toolkit::TImage& button) override;
    void ButtonReleased(toolkit::TImage& button) override;

private:
    void AddControls();
    void LoadPictures();
    void ForwardDragEvents(toolkit::Control& control);
    void ShowUnitPicture();
    void PerformEffect(const monitor::alarm::AlarmEffect& effect);
    void DrawThreshold(std::string_view text);
    monitor::SensorTable& Table() const;
    std::string ShortName() const;

    GadgetSet& m_set;
    std::size_t m_index;
    GadgetSlot m_slot;
    GadgetSize m_size = GadgetSize::Normal;
    int m_layoutResult = 0;
    bool m_alarmState = false;  // AlarmState
    std::string m_unitNormal;   // the unit pictures of the kind and scale
    std::string m_unitAlert;
    bool m_unitShowsAlert = false;

    bool m_dragging = false;
    int m_grabX = 0;
    int m_grabY = 0;

    RepeatInterval m_repeat;
    std::function<void()> m_repeatAction;  // the held button's click
    toolkit::TTimer* m_repeatTimer = nullptr;

    toolkit::PicturePtr m_lockMagnetic;  // imgLock_ul
    toolkit::PicturePtr m_lockOff;       // imgLock_lo
};

}  // namespace vantor::views
