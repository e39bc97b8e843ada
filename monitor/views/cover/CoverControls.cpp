#include "cover/CoverControls.h"

namespace vantor::views {

namespace {

constexpr PanelControlKind I = PanelControlKind::Image;

}  // namespace

const PanelControl kCoverControls[] = {
        {"imgBackground", I, false},
        {"imgOption", I, false},
        {"imgHexagon", I, false},
        {"imgHide", I, false},
        {"imgClose", I, false},
        {"imgOptionUp", I, true},
        {"imgOptionOv", I, true},
        {"imgOptionDn", I, true},
        {"imgOptionDs", I, true},
        // the report button is never disabled: no "Ds" picture
        {"imgHexagonUp", I, true},
        {"imgHexagonOv", I, true},
        {"imgHexagonDn", I, true},
        {"imgHideUp", I, true},
        {"imgHideOv", I, true},
        {"imgHideDn", I, true},
        {"imgCloseUp", I, true},
        {"imgCloseOv", I, true},
        {"imgCloseDn", I, true},
};
const std::size_t kCoverControlCount = std::size(kCoverControls);

}  // namespace vantor::views
