// A list box of text items with one selected item.
#pragma once

#include <string>

#include "toolkit/TWinControl.h"

namespace vantor::toolkit {

class TListBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    ControlKind Kind() const override { return ControlKind::ListBox; }

    void AddItem(const std::string& item);
    void Clear();
    int Count() const;
    std::string Item(int index) const;
    // -1: nothing selected.
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    WindowSpec Spec() const override;
};

}  // namespace vantor::toolkit
