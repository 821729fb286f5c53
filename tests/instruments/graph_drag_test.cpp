// Grabbing the graph box with the mouse and dropping it elsewhere on the window.
#include <gtest/gtest.h>

#include "instruments/graph_drag.h"

using namespace instruments;

TEST(GraphDrag, LeftPressKeepsTheGrabPointAndDropPutsItUnderTheMouse)
{
    const auto grab = GrabGraph(1, 1234.5, 600.4);
    ASSERT_TRUE(grab.has_value());
    EXPECT_EQ(grab->dragOffsetX, 1234.5);
    EXPECT_EQ(grab->dragOffsetY, 600);
    EXPECT_EQ(GrabGraph(1, 10, 599.6)->dragOffsetY, 600);

    const QPoint at = DroppedGraphPosition(*grab, 5000.75, 3000.25);
    EXPECT_EQ(at, QPoint(3766, 2400));
    EXPECT_NEAR(at.x() + grab->dragOffsetX, 5000.75, 0.5);
    EXPECT_NEAR(at.y() + grab->dragOffsetY, 3000.25, 0.5);
    // Dropped near the window's corner, the box may stand partly outside it.
    EXPECT_EQ(DroppedGraphPosition({1000, 700}, 105, 45), QPoint(-895, -655));
}

TEST(GraphDrag, OtherButtonsDoNotGrab)
{
    EXPECT_FALSE(GrabGraph(2, 1234.5, 600.4).has_value());
    EXPECT_FALSE(GrabGraph(4, 1234.5, 600.4).has_value());
    EXPECT_FALSE(GrabGraph(0, 1234.5, 600.4).has_value());
}
