#include <gtest/gtest.h>

#include "shell/options.h"

TEST(OptionText, ParsesLeadingDigits) {
    EXPECT_EQ(ParseOptionText("abc"), 0);
    EXPECT_EQ(ParseOptionText("42x"), 42);
}
