#include "mainpanel/MainPanelControls.h"

#include <memory>

#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::views {

namespace {

constexpr PanelControlKind I = PanelControlKind::Image;
constexpr PanelControlKind L = PanelControlKind::Label;

}  // namespace

// The warning light lies under the buttons: its picture is mostly left out,
// but its rectangle reaches over the DMI, PCI and WMI buttons and the slide
// button, which must keep their clicks.
const PanelControl kMainPanelControls[] = {
        {"imgCover", I, true},  // the cover's art, whose shape is cut out of the panel
        {"imgBackground", I, false},
        {"imgWarning", I, false},
        {"imgDMI", I, false},
        {"imgPCI", I, false},
        {"imgWMI", I, false},
        {"imgUSI", I, false},
        {"imgSlideForm", I, false},
        {"imgAlwaysonTop", I, false},
        {"Label1", L, false},
        {"imgEnableAirCraft", I, false},
        {"Label2", L, false},
        {"Label6", L, false},
        {"imgSchemeBg", I, false},
        {"lbScheme", L, false},
        {"imgScheme", I, false},
        {"imgSmall", I, false},
        {"Label5", L, false},
        {"imgEnableSoundEffect", I, false},
        {"Label3", L, false},
        {"imgRunatBootup", I, false},
        {"Label4", L, false},
        {"imgApply", I, true},  // skinned, kept hidden, no action
        {"imgDMIUp", I, true},
        {"imgDMIOv", I, true},
        {"imgDMIDn", I, true},
        {"imgDMIDs", I, true},
        {"imgPCIUp", I, true},
        {"imgPCIOv", I, true},
        {"imgPCIDn", I, true},
        {"imgPCIDs", I, true},
        {"imgWMIUp", I, true},
        {"imgWMIOv", I, true},
        {"imgWMIDn", I, true},
        {"imgWMIDs", I, true},
        {"imgUSIUp", I, true},
        {"imgUSIOv", I, true},
        {"imgUSIDn", I, true},
        {"imgUSIDs", I, true},
        {"imgSlideFormUp", I, true},
        {"imgSlideFormOv", I, true},
        {"imgSlideFormDn", I, true},
        {"imgGoLeftUp", I, true},
        {"imgGoLeftOv", I, true},
        {"imgGoLeftDn", I, true},
        {"imgGoRightUp", I, true},
        {"imgGoRightOv", I, true},
        {"imgGoRightDn", I, true},
        {"imgSchemeBgUp", I, true},
        {"imgSchemeBgDs", I, true},
        {"imgSchemeUp", I, true},
        {"imgSchemeOv", I, true},
        {"imgSchemeDn", I, true},
        {"imgSchemeDs", I, true},
        // never disabled, so no "Ds" picture
        {"imgApplyUp", I, true},
        {"imgApplyOv", I, true},
        {"imgApplyDn", I, true},
        {"imgUnchecked", I, true},
        {"imgChecked", I, true},
        {"imgUncheckedDs", I, true},
        {"imgCheckedDs", I, true},
};
const std::size_t kMainPanelControlCount = std::size(kMainPanelControls);

void AddPanelControls(toolkit::Control& root, const PanelControl* controls, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const PanelControl& c = controls[i];
        std::unique_ptr<toolkit::Control> control;
        if (c.kind == PanelControlKind::Label)
            control = std::make_unique<toolkit::TLabel>(std::string(c.name));
        else
            control = std::make_unique<toolkit::TImage>(std::string(c.name));
        control->SetVisible(!c.hidden);
        root.AddChild(std::move(control));
    }
}

}  // namespace vantor::views
