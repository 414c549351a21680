#include <gtest/gtest.h>
#include "libroot/app_path.h"
TEST(AppPath, StripLastComponent) {
    char p[] = "C:\\a\\b";
    EXPECT_EQ(1, StripLastPathComponent(p));
    EXPECT_STREQ("C:\\a", p);
}
