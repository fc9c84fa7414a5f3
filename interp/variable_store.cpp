#include "interp/variable_store.h"

#include <algorithm>
#include <new>

#include "interp/value_limits.h"

namespace tess {
namespace {

std::size_t decimal_digits(int32_t v) {
  std::size_t n = v < 0 ? 2 : 1;
  for (int64_t x = v < 0 ? -int64_t{v} : v; x >= 10; x /= 10) ++n;
  return n;
}

}  // namespace

std::size_t IndexHash::operator()(std::span<const int32_t> v) const {
  std::size_t h = v.size();
  for (int32_t x : v) h = h * 1000003u ^ static_cast<uint32_t>(x);
  return h;
}

std::size_t scalar_entry_bytes(std::string_view name) { return name.size() + 1; }

std::size_t entry_bytes(std::string_view name, std::span<const int32_t> list) {
  std::size_t n = name.size() + 2;  // marker and comma
  for (int32_t v : list) n += decimal_digits(v) + 1;
  return n;
}

std::size_t array_offset(std::span<const int32_t> bounds, std::span<const int32_t> indexes) {
  if (indexes.size() != bounds.size()) value_error("index count differs from the array's dimensions");
  std::size_t offset = 0;
  for (std::size_t k = 0; k < bounds.size(); ++k) {
    if (indexes[k] > bounds[k]) value_error("index " + std::to_string(indexes[k]) + " above its bound");
    offset = offset * (static_cast<std::size_t>(bounds[k]) + 1) + static_cast<std::size_t>(indexes[k]);
  }
  return offset;
}

template <class Value>
auto Directory<Value>::find_record(std::string_view name) -> Record* {
  const auto it = names_.find(name);
  return it == names_.end() ? nullptr : &it->second;
}

template <class Value>
auto Directory<Value>::remember_record(std::string_view name, NameHandle& handle) -> Record* {
  Record* r = find_record(name);
  if (r) handle = NameHandle{r, generation_};  // records never move while they live
  return r;
}

template <class Value>
auto Directory<Value>::record_for_write(std::string_view name) -> Record& {
  const auto it = names_.find(name);
  if (it != names_.end()) return it->second;
  return names_.try_emplace(std::string(name)).first->second;
}

template <class Value>
void Directory<Value>::grow(std::size_t entry, std::size_t slots) {
  if (bytes_ + entry > kMaxDirectory) limit_error("variable directory past 65,536 bytes");
  bytes_ += entry;
  slots_ += slots;
}

template <class Value>
Value* Directory<Value>::find_scalar(std::string_view name) {
  Record* r = find_record(name);
  return (r && r->has_scalar) ? &r->scalar : nullptr;
}

template <class Value>
Value* Directory<Value>::element_in(Record* r, std::span<const int32_t> indexes) {
  if (!r) return nullptr;
  Element* element = nullptr;
  if (r->elements) {
    const auto it = r->elements->find(indexes);
    if (it != r->elements->end()) element = &it->second;
  }
  if (!r->arrays.empty() && (!element || r->arrays.front().order < element->order)) {
    Array& a = r->arrays.front();
    return &a.values[array_offset(a.bounds, indexes)];
  }
  return element ? &element->value : nullptr;
}

template <class Value>
Value* Directory<Value>::find_element(std::string_view name, std::span<const int32_t> indexes) {
  return element_in(find_record(name), indexes);
}

template <class Value>
Value* Directory<Value>::find_element(std::string_view name, std::span<const int32_t> indexes, NameHandle& handle) {
  return element_in(find_record(name, handle), indexes);
}

template <class Value>
Value& Directory<Value>::element_for_write(std::string_view name, std::span<const int32_t> indexes,
                                           NameHandle& handle) {
  if (Value* v = find_element(name, indexes, handle)) return *v;
  return element_for_write(name, indexes);
}

template <class Value>
Value& Directory<Value>::scalar_for_write(std::string_view name) {
  if (Value* v = find_scalar(name)) return *v;
  if (name.size() > kMaxName) limit_error("a name longer than 1,024 bytes");
  grow(scalar_entry_bytes(name), 1);
  Record& r = record_for_write(name);
  r.has_scalar = true;
  r.scalar_order = next_order_++;
  r.scalar = Value{};
  return r.scalar;
}

template <class Value>
Value& Directory<Value>::element_for_write(std::string_view name, std::span<const int32_t> indexes) {
  if (Value* v = find_element(name, indexes)) return *v;
  if (indexes.size() > kMaxIndexes) limit_error("more than 255 indexes");
  if (name.size() > kMaxName) limit_error("a name longer than 1,024 bytes");
  grow(entry_bytes(name, indexes), 1);
  Record& r = record_for_write(name);
  if (!r.elements) r.elements = std::make_unique<Elements>();
  auto& e = (*r.elements)[std::vector<int32_t>(indexes.begin(), indexes.end())];
  e.order = next_order_++;
  return e.value;
}

template <class Value>
void Directory<Value>::declare_array(std::string_view name, std::span<const int32_t> bounds) {
  if (bounds.size() > kMaxIndexes) limit_error("more than 255 bounds");
  std::size_t count = 1;
  for (int32_t b : bounds) {
    if (b < 0) value_error("negative array bound");
    count *= static_cast<std::size_t>(b) + 1;
    if (count > kMaxArrayElements) limit_error("an array of more than 16,777,216 elements");
  }
  if (name.size() > kMaxName) limit_error("a name longer than 1,024 bytes");
  std::vector<Value> values;
  try {
    values.resize(count);
  } catch (const std::bad_alloc&) {
    limit_error("no memory for the array");
  }
  grow(entry_bytes(name, bounds), count);
  Record& r = record_for_write(name);
  r.arrays.push_back(Array{next_order_++, std::vector<int32_t>(bounds.begin(), bounds.end()), std::move(values)});
}

template <class Value>
bool Directory<Value>::has_array_or_element(std::string_view name) const {
  const auto it = names_.find(name);
  if (it == names_.end()) return false;
  const Record& r = it->second;
  return !r.arrays.empty() || (r.elements && !r.elements->empty());
}

template <class Value>
void Directory<Value>::erase(std::string_view name) {
  const auto it = names_.find(name);
  if (it == names_.end()) return;
  ++generation_;
  Record& r = it->second;
  // Entries created after the scalar survive: the walk stops at it.
  const uint64_t stop = r.has_scalar ? r.scalar_order : UINT64_MAX;
  std::erase_if(r.arrays, [&](const Array& a) {
    if (a.order > stop) return false;
    bytes_ -= entry_bytes(name, a.bounds);
    slots_ -= a.values.size();
    return true;
  });
  if (r.elements) {
    std::erase_if(*r.elements, [&](const auto& e) {
      if (e.second.order > stop) return false;
      bytes_ -= entry_bytes(name, e.first);
      slots_ -= 1;
      return true;
    });
  }
  if (r.has_scalar) {
    r.has_scalar = false;
    r.scalar = Value{};
    bytes_ -= scalar_entry_bytes(name);
    slots_ -= 1;
  }
  if (r.arrays.empty() && (!r.elements || r.elements->empty())) names_.erase(it);
}

template <class Value>
void Directory<Value>::clear() {
  ++generation_;
  names_.clear();
  bytes_ = 0;
  slots_ = 0;
  next_order_ = 0;
}

template class Directory<double>;
template class Directory<std::string>;

}  // namespace tess
