// The variable store: scalars, elements, arrays, types, erase and limits.
#include <array>

#include "interp/memory_budget.h"
#include "interp/variable_store.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

class Variables : public ValuesTest {
 protected:
  void dim(std::string_view name, std::initializer_list<int32_t> bounds) {
    declare_array(in, name, std::span<const int32_t>(bounds.begin(), bounds.size()));
  }
  Directory<double>& numbers() { return in.variables().numbers; }
};

TEST_F(Variables, ReadingNeverCreates) {
  EXPECT_EQ(num("x"), 0);
  EXPECT_EQ(str("s$"), "");
  EXPECT_EQ(num("a(3)"), 0);
  EXPECT_EQ(numbers().slot_count(), 0u);
  EXPECT_EQ(in.variables().strings.slot_count(), 0u);
}

TEST_F(Variables, ElementsWithoutDeclaration) {
  let("a(5)=1");
  EXPECT_EQ(num("a(4)"), 0);
  EXPECT_EQ(num("a(5)"), 1);
  EXPECT_EQ(num("a(2+3)"), 1);
  EXPECT_EQ(numbers().slot_count(), 1u);
  let("a=9");  // a plain variable of the same name is another variable
  EXPECT_EQ(num("a"), 9);
  EXPECT_EQ(num("a(5)"), 1);
  let("m(1,2)=3");
  EXPECT_EQ(num("m(1,2)"), 3);
  EXPECT_EQ(num("m(2,1)"), 0);
  EXPECT_EQ(num("m(1)"), 0);
}

TEST_F(Variables, DeclaredArrays) {
  dim("a", {10});
  EXPECT_EQ(numbers().slot_count(), 11u);
  let("a(10)=4");
  EXPECT_EQ(num("a(10)"), 4);
  EXPECT_NE(error_of([&] { num("a(11)"); }), "no error");
  EXPECT_NE(error_of([&] { num("a(1,2)"); }), "no error");
  EXPECT_NE(error_of([&] { let("a(-1)=0"); }), "no error");
  dim("m", {2, 3});
  EXPECT_EQ(array_offset(std::array<int32_t, 2>{2, 3}, std::array<int32_t, 2>{1, 2}), 6u);
  let("m(1,2)=7");
  EXPECT_EQ(num("m(1,2)"), 7);
  EXPECT_EQ(num("m(2,1)"), 0);
  EXPECT_EQ(num("m(2,3)"), 0);
  EXPECT_NE(error_of([&] { num("m(3,0)"); }), "no error");
}

TEST_F(Variables, FirstEntryInCreationOrderWins) {
  // The declaration check only looks at the numeric directory, so a string
  // array can be declared twice; lookups keep finding the first.
  dim("s$", {3});
  dim("s$", {9});
  let("s$(2)=\"first\"");
  EXPECT_EQ(str("s$(2)"), "first");
  EXPECT_NE(error_of([&] { str("s$(5)"); }), "no error");  // bound of the first: 3
  // An element written before the array is declared stays ahead of it.
  let("t$(5)=\"element\"");
  dim("t$", {3});
  EXPECT_EQ(str("t$(5)"), "element");
  EXPECT_EQ(str("t$(2)"), "");
  EXPECT_NE(error_of([&] { str("t$(7)"); }), "no error");
  EXPECT_TRUE(has_array_or_element(in, "a") == false);
  let("a(1)=1");
  EXPECT_TRUE(has_array_or_element(in, "a"));
}

TEST_F(Variables, NamesAreCaseSensitiveAndTypedBySuffixOrLetter) {
  let("Abc=1");
  let("abc=2");
  EXPECT_EQ(num("Abc"), 1);
  EXPECT_EQ(num("abc"), 2);
  let("i%=2.9");
  let("j%=-2.9");
  EXPECT_EQ(num("i%"), 2);
  EXPECT_EQ(num("j%"), -2);
  add_type_letter(in, VarType::Integer, 'k');
  let("kount=2.9");
  let("Kount=-2.9");
  EXPECT_EQ(num("kount"), 2);
  EXPECT_EQ(num("Kount"), -2);
  let("kount#=2.5");
  EXPECT_EQ(num("kount#"), 2.5);
  add_type_letter(in, VarType::String, 'N');
  let("name=\"x\"");
  EXPECT_EQ(str("name"), "x");
  const std::pair<const char*, VarType> types[] = {
      {"x#", VarType::Double}, {"x%", VarType::Integer}, {"x!", VarType::Single}, {"x$", VarType::String},
      {"kx", VarType::Integer}, {"nx", VarType::String}, {"x$(1)", VarType::String}, {"x", VarType::Double},
      {"a$(b%)", VarType::String},
  };
  for (auto [n, t] : types) EXPECT_EQ(variable_type(in, n), t) << n;
}

TEST_F(Variables, TypeLetterListsLookUpIntegerThenSingleThenString) {
  add_type_letter(in, VarType::String, 'q');
  add_type_letter(in, VarType::Single, 'Q');
  EXPECT_EQ(variable_type(in, "qq"), VarType::Single);
  add_type_letter(in, VarType::Integer, 'Q');
  EXPECT_EQ(variable_type(in, "qq"), VarType::Integer);
  for (int i = 1; i < 255; ++i) EXPECT_TRUE(add_type_letter(in, VarType::Single, 'A'));
  EXPECT_FALSE(add_type_letter(in, VarType::Single, 'B'));
  EXPECT_EQ(variable_type(in, "b"), VarType::Double);
  in.reset();
  EXPECT_EQ(variable_type(in, "qq"), VarType::Double);
}

TEST_F(Variables, EraseStopsAtTheFirstPlainVariable) {
  dim("a", {3});
  let("a(1)=5");
  let("a=2");
  let("b(0)=1");
  erase_variable(in, "a");
  EXPECT_EQ(num("a(1)"), 0);
  EXPECT_EQ(num("a"), 0);
  EXPECT_EQ(num("b(0)"), 1);
  EXPECT_EQ(numbers().slot_count(), 1u);
  dim("a", {2});  // declarable again
  // Entries made after the plain variable survive an erase.
  let("c(1)=1");
  let("c=2");
  let("c(2)=3");
  erase_variable(in, "c");
  EXPECT_EQ(num("c(1)"), 0);
  EXPECT_EQ(num("c"), 0);
  EXPECT_EQ(num("c(2)"), 3);
  let("s$(1)=\"x\"");
  erase_variable(in, "s$");
  EXPECT_EQ(str("s$(1)"), "");
  EXPECT_NE(error_of([&] { erase_variable(in, "1a"); }), "no error");
}

TEST_F(Variables, DirectoryBytesFollowTheEntryText) {
  let("x=1");                       // x,
  let("a(3,4)=1");                  // a 0x01 3 0x03 4 0x03 ,
  dim("b", {2, 5});                 // b 0x02 2 0x03 5 0x03 ,
  EXPECT_EQ(numbers().directory_bytes(), 2u + 7u + 7u);
  EXPECT_EQ(numbers().slot_count(), 1u + 1u + 18u);
  erase_variable(in, "a");
  EXPECT_EQ(numbers().directory_bytes(), 9u);
}

TEST_F(Variables, LimitsAreRefused) {
  // Each entry "v1NNNN," is 7 bytes: the 65,535-byte directory takes 9,362.
  int made = 0;
  std::string error;
  for (int i = 0; i < 10000 && error.empty(); ++i) {
    const std::string name = "v" + std::to_string(10000 + i).substr(0, 5);
    error = error_of([&] { write_number(in, name, 1); });
    if (error == "no error") ++made, error.clear();
  }
  EXPECT_EQ(made, 65535 / 7);
  EXPECT_NE(error.find("65,536"), std::string::npos);
  in.reset();
  EXPECT_NE(error_of([&] { write_number(in, "n" + std::string(1024, 'x'), 1); }).find("1,024"), std::string::npos);
  EXPECT_EQ(error_of([&] { write_number(in, std::string(1024, 'x'), 1); }), "no error");
  std::string many = "e(0";
  for (int i = 0; i < 255; ++i) many += ",0";
  EXPECT_NE(error_of([&] { write_number(in, many + ")", 1); }).find("255"), std::string::npos);
  EXPECT_NE(error_of([&] { dim("big", {100000, 100000}); }).find("elements"), std::string::npos);
  EXPECT_NE(error_of([&] { dim("neg", {-2}); }), "no error");
}

TEST_F(Variables, ResetEmptiesTheStore) {
  let("x=1");
  let("s$=\"a\"");
  dim("a", {3});
  in.reset();
  EXPECT_EQ(num("x"), 0);
  EXPECT_EQ(str("s$"), "");
  EXPECT_EQ(numbers().slot_count(), 0u);
  EXPECT_EQ(numbers().directory_bytes(), 0u);
  EXPECT_FALSE(has_array_or_element(in, "a"));
}

}  // namespace
}  // namespace tess::testing

// The memory budget of values: only large blocks count, and a block that would
// pass the budget is refused without being counted.
TEST(MemoryBudget, LargeBlocksAreCountedAndRefusedBeyondTheBudget) {
  namespace mb = tess::memory_budget;
  const std::size_t before = mb::counted().load();
  EXPECT_TRUE(mb::take(mb::kLargeBlock - 1));
  EXPECT_EQ(mb::counted().load(), before);
  const std::size_t half = mb::kBudget / 2;
  ASSERT_TRUE(mb::take(half));
  EXPECT_EQ(mb::counted().load(), before + half);
  EXPECT_FALSE(mb::take(mb::kBudget - half - before + 1));
  EXPECT_EQ(mb::counted().load(), before + half);
  mb::give_back(half);
  EXPECT_EQ(mb::counted().load(), before);
}
