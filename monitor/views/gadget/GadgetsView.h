// The gadget windows as a set, as the other windows use them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vantor::monitor {
class HwBinding;
struct SensorConfiguration;
}  // namespace vantor::monitor

namespace vantor::views {

enum class GadgetSelection {
    NotShown,  // at start-up, before any gadget is shown
    Shown,
};

class GadgetsView {
public:
    virtual ~GadgetsView() = default;

    // Shows the gadget of every enabled sensor; closes the others.
    virtual void ShowEnabledGadgets() = 0;
    // Closes every gadget window without disabling its sensor.
    virtual void HideAllGadgets() = 0;
    // Applies the current size ("bSmall") to every gadget.
    virtual void RelayoutGadgets() = 0;
    // Lines the gadgets up along edge 0 top, 1 right, 2 bottom, 3 left.
    virtual void ArrangeGadgets(int arrangementIndex, GadgetSelection which) = 0;
    // Current arrangement, -1 for "User".
    virtual int ArrangementIndex() const = 0;
    // The polling tick: every gadget evaluates its sensor.
    virtual void EvaluateAll() = 0;
    // After a committed configuration: shown gadgets, names and units follow.
    virtual void AfterCommit() = 0;

    // ShownGadgetMask and CreatedGadgetMask: a bit for each of the first 32
    // gadgets. A board may have more; GadgetShown answers for every one.
    virtual std::uint32_t ShownGadgetMask() const = 0;
    virtual std::uint32_t CreatedGadgetMask() const = 0;
    virtual bool GadgetShown(std::size_t gadgetIndex) const = 0;
    virtual std::size_t GadgetCount() const = 0;
};

// Creates one gadget window per sensor of the binding, in kind order, owned
// by the cover, and places them; fills in TheViews().gadgets. The binding
// and the configuration outlive the gadgets (the options window owns both
// and destroys the gadgets first).
std::unique_ptr<GadgetsView> CreateGadgets(monitor::HwBinding& binding, monitor::SensorConfiguration& configuration);

}  // namespace vantor::views
