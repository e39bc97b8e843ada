// The window messages a gadget window answers (wParam and lParam 0, sent
// with SendMessageA).
#pragma once

namespace vantor::views {

inline constexpr unsigned kWmGadgetRefresh = 1124;   // the name label shows ShortName again
inline constexpr unsigned kWmGadgetUnits = 1125;     // the unit pictures follow the temperature scale
inline constexpr unsigned kWmGadgetEvaluate = 1128;  // WM_USER + 104: evaluate the sensor

}  // namespace vantor::views
