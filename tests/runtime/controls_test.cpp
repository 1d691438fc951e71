#include <gtest/gtest.h>

#include "runtime/controls.h"
#include "support/sample_screen.h"

namespace {
class Controls : public ScreenTest {};

TEST_F(Controls, LabelColourComponentsAboveFullCountAsFull) {
    rt::Label label;
    label.SetForeColor(300, 128, -4);
    EXPECT_EQ(label.ForeColor(), rgb(255, 128, 0));
}
}  // namespace
