// The definition's event table binds exactly the events of the design.
#include "application/event_dispatch.h"
#include "application/window_definition.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowDefinitionTest, OnlyTheListedEventsHaveHandlers)
{
    struct Bound {
        Component source;
        ComponentEvent event;
    };
    const Bound bound[] = {
        {窗口, ComponentEvent::Created},           {按钮1, ComponentEvent::Clicked},
        {选择框1, ComponentEvent::Clicked},       {编辑框2, ComponentEvent::DoubleClicked},
        {标签4, ComponentEvent::LeftButtonReleased}, {拖放对象1, ComponentEvent::FilesDropped},
    };
    EXPECT_EQ(EventTableSize, 6);
    for (const Bound& b : bound)
        EXPECT_TRUE(IsEventBound(b.source, b.event)) << b.source;
    EXPECT_FALSE(IsEventBound(拖放对象1, ComponentEvent::TextDropped));
    EXPECT_FALSE(IsEventBound(拖放对象1, ComponentEvent::HtmlDropped));
    EXPECT_FALSE(IsEventBound(编辑框1, ComponentEvent::DoubleClicked));
    EXPECT_FALSE(IsEventBound(标签4, ComponentEvent::Clicked));

    // The drop target's switch record: version 1, text and files on.
    const int32_t expected[5] = {1, 1, 0, 0, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(DefinitionOf(拖放对象1).dropSwitches[i], expected[i]) << i;
}

}
