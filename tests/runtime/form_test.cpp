#include "runtime/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/desktop.h"
#include "support/sample_screen.h"

namespace {
class Form : public ScreenTest {};

TEST_F(Form, FirstUseCreatesAndLoadsOnceUnloadReleasesLaterUseMakesAFreshOne) {
    EXPECT_FALSE(Sample.loaded());
    Sample->Left = 5;
    Sample->Top = 6;
    EXPECT_TRUE(Sample.loaded());
    EXPECT_FALSE(Sample->shown());  // created hidden
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load"}));

    Sample.Unload();
    EXPECT_FALSE(Sample.loaded());
    EXPECT_EQ(Sample->Left, 0.0);  // a fresh instance
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load", "unload", "load"}));
}

TEST_F(Form, AnUnloadThatCancelsKeepsTheInstance) {
    Sample->cancel_unload = -1;
    Sample->Left = 7;
    Sample.Unload();
    EXPECT_TRUE(Sample.loaded());
    EXPECT_EQ(Sample->Left, 7.0);
}

TEST_F(Form, UnloadingAShownScreenTakesItOffTheDesktop) {
    Sample->Show();
    Sample.Unload();
    EXPECT_TRUE(rt::desktop().shown().empty());
}
}  // namespace
