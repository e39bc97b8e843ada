// The bitmap button control: a real child window (class "ZyButtonTx") drawn
// entirely from four state bitmaps, with an optional caption. The bitmaps
// choose themselves from mouse, Space/Enter and focus as ZyButtonState says.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/ZyButtonLook.h"
#include "toolkit/ZyButtonState.h"

namespace vantor::toolkit {

// The four state bitmaps (slots 0 to 3); an empty one draws slot 0's.
struct ZyFourStateAppearance {
    HBITMAP RaisedBmp = nullptr;
    HBITMAP SunkenBmp = nullptr;
    HBITMAP FocusedBmp = nullptr;
    HBITMAP DisabledBmp = nullptr;
};

class ZyButtonTx {
public:
    static constexpr const char* kClassName = "ZyButtonTx";

    ZyButtonTx() = default;
    ~ZyButtonTx();
    ZyButtonTx(const ZyButtonTx&) = delete;
    ZyButtonTx& operator=(const ZyButtonTx&) = delete;

    // Creates the child window at (x, y), sized like the raised bitmap. The
    // button owns the bitmaps from here on, also when creation fails.
    bool Create(HWND parent, int id, int x, int y, const ZyFourStateAppearance& appearance);
    HWND Handle() const { return m_window; }

    void SetText(const std::string& caption);
    void SetFontColour(COLORREF colour);
    void SetFontColors(const ZyThreeStateFontColor& colours);
    void SetDisp(TextDisplacement disp);
    void SetTextBounds(const RECT& bounds);
    void SetShowMouseOver(bool show) { m_state.showMouseOver = show; }
    void SetEnabled(bool enabled);

    // Runs the modal-result hook (when ModalResult is not 0), then OnClick.
    void Click();

    ZySlot Slot() const { return m_state.Slot(); }

    int Tag = 0;
    int ModalResult = 0;
    std::function<void()> OnClick;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    // Hands ModalResult to the owning window.
    std::function<void(int)> OnModalResult;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool Inside(LPARAM lParam) const;
    void Apply(const ZyEffects& effects);
    void Paint();
    void Redraw();
    void DeleteBitmaps();

    HWND m_window = nullptr;
    HBITMAP m_bitmaps[4] = {};
    ZyButtonState m_state;
    std::string m_caption;
    COLORREF m_fontColour = RGB(0, 0, 0);
    ZyThreeStateFontColor m_fontColours;
    TextDisplacement m_disp;
    bool m_hasTextBounds = false;
    RECT m_textBounds{};
    HFONT m_font = nullptr;
};

}  // namespace vantor::toolkit
