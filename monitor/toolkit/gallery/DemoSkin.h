// The gallery's pictures, drawn in code until the real skins are rendered
// into the Res folder: bevelled button faces with one colour per state, a
// slider knob and its track, the window background, and a shaped badge.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vantor::gallery {

// The flat face colour of each button state (the bevel is drawn around it).
inline constexpr COLORREF kFaceUp = RGB(52, 62, 76);
inline constexpr COLORREF kFaceOver = RGB(36, 112, 138);
inline constexpr COLORREF kFaceDown = RGB(18, 72, 92);
inline constexpr COLORREF kFaceDisabled = RGB(58, 60, 64);

inline constexpr COLORREF kWindowColour = RGB(22, 25, 31);
inline constexpr COLORREF kPanelColour = RGB(31, 35, 43);
inline constexpr COLORREF kAccent = RGB(64, 200, 232);
inline constexpr COLORREF kKeyColour = RGB(255, 0, 255);

enum class FaceState {
    Up,
    Over,
    Down,
    Disabled
};

// A button face: bevel, face colour of the state, caption centred.
HBITMAP ButtonFace(int width, int height, FaceState state, const std::string& caption);

struct Section {
    RECT area;
    std::string title;
};
// The window's background: title bar, and one framed panel per section.
HBITMAP Background(int width, int height, const std::string& title, const std::vector<Section>& sections);

HBITMAP KnobFace(int width, int height);
HBITMAP TrackFace(int width, int height);

// A hexagonal gadget face on the key colour, for a region-shaped window.
HBITMAP BadgeFace(int width, int height);

// A 16 x 16 tray icon in the accent colour; the caller destroys it.
HICON TrayIconImage();

}  // namespace vantor::gallery
