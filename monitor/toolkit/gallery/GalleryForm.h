// The toolkit gallery: one skinned window with every kind of control the
// program's windows use (labels, an edit box, a list box, a memo, a tree, a
// browser placeholder, skinned buttons in each state, a knob on its track,
// a bitmap button, a timer, hints), a region-shaped badge window beside it
// and a tray icon with its menu.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/TGoodForm.h"
#include "toolkit/TTrayIcon.h"
#include "toolkit/ZyButtonTx.h"

namespace vantor::toolkit {
class TImage;
class TLabel;
}  // namespace vantor::toolkit

namespace vantor::gallery {

// Where the gallery's controls lie, in its client coordinates (tests aim the mouse with these).
inline constexpr int kGalleryWidth = 660;
inline constexpr int kGalleryHeight = 470;
inline constexpr RECT kGoButton{36, 156, 36 + 112, 156 + 30};
inline constexpr int kKnobTop = 112;
inline constexpr int kKnobWidth = 14;
inline constexpr int kKnobHeight = 24;

class GalleryForm : public toolkit::TGoodForm {
public:
    GalleryForm();
    ~GalleryForm() override;

    // Builds the controls and the windows at (left, top) on the screen. With
    // `skinFolder` (ending in a backslash), skinned buttons take their
    // pictures from "Go_b_n.bmp" and its siblings there where those exist.
    bool Build(int left, int top, const std::string& skinFolder = {});

    toolkit::TGoodForm& Badge() { return m_badge; }
    toolkit::TTrayIcon& Tray() { return m_tray; }
    toolkit::ZyButtonTx& BitmapButton() { return m_zyButton; }

    int Clicks() const { return m_clicks; }
    int Pressed() const { return m_pressed; }
    int Released() const { return m_released; }
    int KnobMoves() const { return m_knobMoves; }
    int Ticks() const { return m_ticks; }

    void KnobMoved(toolkit::TImage& knob) override;
    void ButtonPressed(toolkit::TImage& button) override;
    void ButtonReleased(toolkit::TImage& button) override;

private:
    void AddButtonRow();
    void AddSkinnedButton(const std::string& name, int left, int top, int width, int height, const std::string& caption);
    void AddKnob();
    void AddEditors();
    void AddBadge(int left, int top);
    void UpdateStatus();

    toolkit::TGoodForm m_badge;
    toolkit::TTrayIcon m_tray;
    toolkit::ZyButtonTx m_zyButton;
    HICON m_trayIcon = nullptr;
    toolkit::TLabel* m_status = nullptr;
    toolkit::TLabel* m_knobValue = nullptr;
    toolkit::TLabel* m_clock = nullptr;
    int m_clicks = 0;
    int m_pressed = 0;
    int m_released = 0;
    int m_knobMoves = 0;
    int m_ticks = 0;
};

}  // namespace vantor::gallery
