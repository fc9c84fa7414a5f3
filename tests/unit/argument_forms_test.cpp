// The compiled argument forms of the drawing statements against the text
// evaluator: the same value for every text, however often it comes, whatever the
// variables hold, and errors where the text has them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "graphics/argument_forms.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

bool same_double(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

class ArgumentFormsTest : public ValuesTest {
 protected:
  // Three rounds: the first evaluates the text, the later ones the compiled form.
  void expect_agrees(std::string_view e, double x) {
    for (int round = 0; round < 3; ++round) {
      let("x=" + std::to_string(x));
      const std::string text_answer = error_of([&] { text_value_ = num(e); });
      const std::string form_answer = error_of([&] { form_value_ = forms.evaluate(in, e); });
      in.eval_depth() = 0;
      EXPECT_EQ(form_answer, text_answer) << e << " round " << round << " x=" << x;
      if (text_answer == "no error") {
        EXPECT_TRUE(same_double(form_value_, text_value_)) << e << " round " << round << " x=" << x;
      }
    }
  }
  ArgumentForms forms;
  double text_value_ = 0, form_value_ = 0;
};

TEST_F(ArgumentFormsTest, EveryRoundGivesTheTextsValue) {
  const char* const texts[] = {"(I * 7) \x01m 280", "319 - I \x01m 320", "1 + I \x01m 7", "2-(x)^2", "-(x)",
                               "x/3+(x/3)", "1/(x)", "(x)\\2", "1e300*(1e300)", "5+", "a$", "(x"};
  let("I=12345");
  for (double x : {3.0, -3.0, 0.0, 0.1, 1e15, -2147483649.0})
    for (const char* e : texts) expect_agrees(e, x);
}

TEST_F(ArgumentFormsTest, ManyDifferentTextsStayRight) {
  // More texts than are kept: the forms start again and still answer rightly.
  for (int i = 0; i < 9000; ++i) {
    const std::string e = "(" + std::to_string(i) + "*2)+1";
    EXPECT_EQ(forms.evaluate(in, e), 2.0 * i + 1);
    EXPECT_EQ(forms.evaluate(in, e), 2.0 * i + 1);
  }
}

}  // namespace
}  // namespace tess::testing
