// The toolkit gallery: one skinned window with every kind of control the
// program's windows use (labels, an edit box, a list box, a memo, a tree, a
// browser placeholder, skinned buttons in each state, a knob on its track,
// a bitmap button, a timer, hints), the product's own skinned buttons when
// their rendered pictures lie beside the program, a region-shaped window
// beside it (the cover's outline, or a drawn badge without the skins) and a
// tray icon with its menu.
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
inline constexpr int kGalleryHeight = 672;
inline constexpr RECT kGoButton{36, 156, 36 + 112, 156 + 30};
inline constexpr int kKnobTop = 112;
inline constexpr int kKnobWidth = 14;
inline constexpr int kKnobHeight = 24;
// The product buttons' column (their first one's left and top) and the strip
// showing the DMI button's four pictures side by side, with captions below.
inline constexpr POINT kProductColumn{40, 500};
inline constexpr int kStripLeft = 196;
inline constexpr int kStripTop = 506;
inline constexpr int kStripPitch = 108;

class GalleryForm : public toolkit::TGoodForm {
public:
    GalleryForm();
    ~GalleryForm() override;

    // Builds the controls and the windows at (left, top) on the screen.
    // `resFolder` (ending in a backslash) is the product's rendered skin
    // folder; when it is empty or lacks the main panel's buttons, drawn faces
    // and the drawn badge stand in, and a line on the window says so.
    bool Build(int left, int top, const std::string& resFolder = {});

    // True when the product's skins were found and are shown.
    bool UsesProductSkin() const { return m_productSkin; }
    // The region-shaped window: the cover's outline, or the drawn badge.
    toolkit::TGoodForm& Shaped() { return m_shaped; }
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
    void AddSkinnedButton(const std::string& name, int left, int top, int width, int height,
                          const std::string& caption);
    void AddKnob(const std::string& resFolder);
    void AddEditors();
    void AddProductButtons(const std::string& resFolder);
    void AddStateStrip(const std::string& resFolder);
    void AddBadge(int left, int top);
    bool AddCover(int left, int top, const std::string& path);
    void UpdateStatus();

    toolkit::TGoodForm m_shaped;
    toolkit::TTrayIcon m_tray;
    toolkit::ZyButtonTx m_zyButton;
    HICON m_trayIcon = nullptr;
    toolkit::TLabel* m_status = nullptr;
    toolkit::TLabel* m_knobValue = nullptr;
    toolkit::TLabel* m_clock = nullptr;
    toolkit::TLabel* m_lastClicked = nullptr;
    bool m_productSkin = false;
    int m_clicks = 0;
    int m_pressed = 0;
    int m_released = 0;
    int m_knobMoves = 0;
    int m_ticks = 0;
};

}  // namespace vantor::gallery
