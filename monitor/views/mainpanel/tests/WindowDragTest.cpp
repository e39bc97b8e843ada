#include "mainpanel/WindowDrag.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

TEST(WindowDrag, OnlyALeftPressDragsAndTheReleaseEndsIt)
{
    WindowDrag drag;
    EXPECT_FALSE(drag.Move(10, 10)) << "no press yet";

    drag.Press(true, 20, 30);
    EXPECT_EQ(drag.Move(25, 28), (DragDelta{5, -2}));
    EXPECT_FALSE(drag.Move(20, 30)) << "back on the press point: nothing to move";
    // The window followed, so the pointer is at the press point again.
    EXPECT_EQ(drag.Move(19, 30), (DragDelta{-1, 0}));

    drag.Release();
    EXPECT_FALSE(drag.Move(40, 40));

    drag.Press(true, 20, 30);
    drag.Press(false, 20, 30);  // a right press clears the drag
    EXPECT_FALSE(drag.Dragging());
    EXPECT_FALSE(drag.Move(40, 40));
}

}  // namespace
}  // namespace vantor::views
