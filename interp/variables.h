// Variables by reference text ("name" or "name(i1,i2,...)"): the store
// operations that statements use. Indexes are numeric expressions.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "interp/type_letters.h"

namespace tess {

class Interpreter;

// The type code of a name or reference (suffix, else the type letter lists).
VarType variable_type(Interpreter& in, std::string_view reference);

// A print or write item is a string expression when it is a literal, or when
// its head (up to a parenthesis or an operator) names a string variable.
bool is_string_item(Interpreter& in, std::string_view item);

// Reading never creates an entry: 0 and the empty string when there is none.
double read_number(Interpreter& in, std::string_view reference);
// The stored escaped value; valid until the next write to the store.
std::string_view read_string(Interpreter& in, std::string_view reference);

// Writing creates the entry when there is none; an integer-typed name stores the
// integer view of the value.
void write_number(Interpreter& in, std::string_view reference, double value);
void write_string(Interpreter& in, std::string_view reference, std::string_view value);
// As write_string with the stored value followed by value.
void append_string(Interpreter& in, std::string_view reference, std::string_view value);

// Appends an array entry to the directory of the name's kind (numeric slots 0,
// string slots empty). Bounds are inclusive and must not be negative.
void declare_array(Interpreter& in, std::string_view name, std::span<const int32_t> bounds);

// Does the numeric directory hold an element or array entry of the name?
bool has_array_or_element(Interpreter& in, std::string_view name);

// The erase of one name in the directory of its kind.
void erase_variable(Interpreter& in, std::string_view name);

// Appends a letter to the integer, single or string list (the type-default
// statement); false when the list already holds 255 letters.
bool add_type_letter(Interpreter& in, VarType list, char letter);

}  // namespace tess
