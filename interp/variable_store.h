// The variable store: one directory per kind (numeric, string) of scalar,
// element and array entries, in creation order, with their values.
//
// The design's directory is one text walked entry by entry; here each name has
// its own record (hashed), which gives the same answers: a request without
// indexes finds the name's scalar, a request with indexes finds whichever comes
// first in creation order of the name's first array and its element with equal
// indexes. The directory's byte size is still counted, so its limit holds.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "interp/type_letters.h"

namespace tess {

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

struct IndexHash {
  using is_transparent = void;
  std::size_t operator()(std::span<const int32_t> v) const;
  std::size_t operator()(const std::vector<int32_t>& v) const { return (*this)(std::span<const int32_t>(v)); }
};

struct IndexEqual {
  using is_transparent = void;
  template <class A, class B>
  bool operator()(const A& a, const B& b) const {
    return std::equal(std::begin(a), std::end(a), std::begin(b), std::end(b));
  }
};

// A remembered lookup of a name's record (see Directory): valid until an erase
// or a clear removes records, which they count.
struct NameHandle {
  void* record = nullptr;
  uint64_t generation = 0;
};

template <class Value>
class Directory {
 public:
  // The scalar of a name, or null.
  Value* find_scalar(std::string_view name);

  // The slot a request with indexes finds, or null. An index list that does not
  // fit the name's declared array is a runtime error.
  Value* find_element(std::string_view name, std::span<const int32_t> indexes);

  // As the finds, but an entry is appended when there is none.
  Value& scalar_for_write(std::string_view name);
  Value& element_for_write(std::string_view name, std::span<const int32_t> indexes);

  // The same four with the name's record remembered in a handle, for callers
  // that look the same name up again and again.
  // The scalar finds are inline: a remembered record answers without a call.
  Value* find_scalar(std::string_view name, NameHandle& handle) {
    Record* r = find_record(name, handle);
    return (r && r->has_scalar) ? &r->scalar : nullptr;
  }
  Value* find_element(std::string_view name, std::span<const int32_t> indexes, NameHandle& handle);
  Value& scalar_for_write(std::string_view name, NameHandle& handle) {
    if (Value* v = find_scalar(name, handle)) return *v;
    return scalar_for_write(name);
  }
  Value& element_for_write(std::string_view name, std::span<const int32_t> indexes, NameHandle& handle);

  // Appends an array entry; every slot starts as Value{}.
  void declare_array(std::string_view name, std::span<const int32_t> bounds);

  // Does the name have an element or array entry?
  bool has_array_or_element(std::string_view name) const;

  // Removes, in creation order, the name's element and array entries up to and
  // including its scalar.
  void erase(std::string_view name);

  void clear();

  std::size_t directory_bytes() const { return bytes_; }
  std::size_t slot_count() const { return slots_; }

 private:
  struct Array {
    uint64_t order;
    std::vector<int32_t> bounds;
    std::vector<Value> values;
  };
  struct Element {
    uint64_t order;
    Value value;
  };
  using Elements = std::unordered_map<std::vector<int32_t>, Element, IndexHash, IndexEqual>;
  struct Record {
    bool has_scalar = false;
    uint64_t scalar_order = 0;
    Value scalar{};
    std::vector<Array> arrays;
    std::unique_ptr<Elements> elements;
  };

  Record* find_record(std::string_view name);
  Record* find_record(std::string_view name, NameHandle& handle) {
    if (handle.generation == generation_ && handle.record) return static_cast<Record*>(handle.record);
    return remember_record(name, handle);
  }
  Record* remember_record(std::string_view name, NameHandle& handle);
  Value* element_in(Record* r, std::span<const int32_t> indexes);
  Record& record_for_write(std::string_view name);
  void grow(std::size_t entry_bytes, std::size_t slots);

  std::unordered_map<std::string, Record, TextHash, std::equal_to<>> names_;
  std::size_t bytes_ = 0;
  std::size_t slots_ = 0;
  uint64_t next_order_ = 0;
  uint64_t generation_ = 1;  // counts erases and clears; 0 marks an empty handle
};

// Bytes of a directory entry: the name, the marker and each index or bound in
// decimal with its 0x03, and the comma.
std::size_t entry_bytes(std::string_view name, std::span<const int32_t> list);
std::size_t scalar_entry_bytes(std::string_view name);

// Slot offset of an index list in a declared array (the last index varies
// fastest); a count or bound mismatch is a runtime error.
std::size_t array_offset(std::span<const int32_t> bounds, std::span<const int32_t> indexes);

struct VariableStore {
  Directory<double> numbers;
  Directory<std::string> strings;  // values in escaped form
  TypeLetters letters;

  VarType type_of(std::string_view reference) const { return type_code(reference, letters); }
};

extern template class Directory<double>;
extern template class Directory<std::string>;

}  // namespace tess
