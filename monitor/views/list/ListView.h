// The list and message window as the other windows use it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

#include <string>
#include <vector>

namespace vantor::views {

enum class ListMode {
    List = 1,     // choose an item, OK/Cancel
    Confirm = 2,  // a question, OK/Cancel
    Message = 3,  // the alert message, centred
};

enum class ListContent {
    Arrangements = 0,
    TargetTemperatures = 1,
    Prepared = 2,  // the items given with SetItems
};

enum class ListResult {
    Ok = 1,
    Cancel = 2,  // Cancel or the close box
};

class ListView {
public:
    virtual ~ListView() = default;

    // Where the window's top-left corner goes for the next list or confirm
    // show, in screen coordinates (pulled back from the screen's right edge).
    virtual void PlaceAt(int left, int top) = 0;
    // The items of ListContent::Prepared.
    virtual void SetItems(std::vector<std::string> items) = 0;
    // Shows the window modally and returns how it was closed.
    virtual ListResult ShowListWindow(ListMode mode, ListContent content) = 0;
    // After an OK in list mode: the chosen item, -1 for none.
    virtual int SelectedIndex() const = 0;
    // Marks the item shown chosen at the next show (-1: none).
    virtual void SelectIndex(int index) = 0;

    // The question or the alert message text, redrawn when shown.
    virtual std::string MessageText() const = 0;
    virtual void SetMessageText(std::string text) = 0;
    // True from the window's show until its close.
    virtual bool MessageWindowShown() const = 0;
};

// Creates the list and message window (hidden) and fills in TheViews().list.
std::unique_ptr<ProgramWindow> CreateListWindow();

}  // namespace vantor::views
