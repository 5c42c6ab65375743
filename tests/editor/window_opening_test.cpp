#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "editor/window_opening.h"
#include "support/scripted_dialogs.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;

TEST(OpenWindowTest, AWindowThatOpensSaysNothing) {
    ScriptedDialogs dialogs;
    int opened = 0;
    EXPECT_TRUE(OpenWindow(dialogs, [&] { ++opened; }));
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(OpenWindowTest, AWindowThatCannotBeCreatedGivesTheMessage) {
    ScriptedDialogs dialogs;
    EXPECT_FALSE(OpenWindow(dialogs, [] { throw std::bad_alloc(); }));
    EXPECT_FALSE(OpenWindow(dialogs, [] { throw std::runtime_error("no handles left"); }));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Too many windows are open.  Please close some windows and try again.",
                                        "Too many windows are open.  Please close some windows and try again."}));
}
