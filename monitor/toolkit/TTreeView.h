// A tree of text nodes (the comctl32 tree view), as the information browser
// shows its sections.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "toolkit/TWinControl.h"

namespace vantor::toolkit {

class TTreeView : public TWinControl {
public:
    using TWinControl::TWinControl;
    ControlKind Kind() const override { return ControlKind::TreeView; }

    // A node under `parent` (null: a top node), after its last child; null on failure.
    HTREEITEM AddNode(HTREEITEM parent, const std::string& text);
    void Expand(HTREEITEM node);
    void Select(HTREEITEM node);
    int Count() const;
    std::string NodeText(HTREEITEM node) const;

protected:
    WindowSpec Spec() const override;
    void ApplyColours() override;
};

}  // namespace vantor::toolkit
