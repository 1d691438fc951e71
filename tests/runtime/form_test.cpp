#include "runtime/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/desktop.h"
#include "support/sample_screen.h"

namespace {
class Form : public ScreenTest {};

TEST_F(Form, FirstUseLoadsOnceAnUnloadNotCancelledReleasesLaterUseMakesAFreshOne) {
    EXPECT_FALSE(Sample.loaded());
    Sample->Left = 5;
    EXPECT_TRUE(Sample.loaded());
    EXPECT_FALSE(Sample->shown());  // created hidden
    Sample->cancel_unload = -1;
    Sample.Unload();
    EXPECT_EQ(Sample->Left, 5.0);
    Sample->cancel_unload = 0;
    Sample->Show();
    Sample.Unload();
    EXPECT_FALSE(Sample.loaded());
    EXPECT_TRUE(rt::desktop().shown().empty());
    EXPECT_EQ(Sample->Left, 0.0);  // a fresh instance
    EXPECT_EQ(screen_events, (std::vector<std::string>{"load", "unload", "unload", "load"}));
}
}  // namespace
