#include <gtest/gtest.h>
#include "interp/statements.h"
TEST(Statements, LookupFindsListedCodes) {
  ASSERT_NE(tess::find_statement(0x1010), nullptr);
  EXPECT_EQ(tess::find_statement(0x1022), nullptr);
}
