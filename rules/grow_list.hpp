// rules/grow_list.hpp — the growable index and point arrays every game record is built from.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <ostream>
#include <vector>

namespace rules {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const TPoint& p) {
  return out << '(' << p.X << ',' << p.Y << ')';
}

// A dynamic array with the operations the rules are written in: append, delete-at (the rest
// shifts down), insert-at, contains and index-of.
template <typename T>
class TGrowList {
 public:
  TGrowList() = default;
  TGrowList(std::initializer_list<T> items) : items(items) {}

  int Count() const { return static_cast<int>(items.size()); }
  bool Empty() const { return items.empty(); }
  void Clear() { items.clear(); }
  void Append(const T& item) { items.push_back(item); }
  void DeleteAt(int index) {
    assert(index >= 0 && index < Count());
    items.erase(items.begin() + index);
  }
  void InsertAt(int index, const T& item) {
    assert(index >= 0 && index <= Count());
    items.insert(items.begin() + index, item);
  }
  int IndexOf(const T& item) const {
    const auto it = std::find(items.begin(), items.end(), item);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
  }
  bool Contains(const T& item) const { return IndexOf(item) >= 0; }
  // Appends unless already present.
  void AppendOnce(const T& item) {
    if (!Contains(item)) items.push_back(item);
  }

  T& operator[](int index) {
    assert(index >= 0 && index < Count());
    return items[static_cast<size_t>(index)];
  }
  const T& operator[](int index) const {
    assert(index >= 0 && index < Count());
    return items[static_cast<size_t>(index)];
  }
  T& Last() { return items.back(); }
  const T& Last() const { return items.back(); }

  auto begin() { return items.begin(); }
  auto end() { return items.end(); }
  auto begin() const { return items.begin(); }
  auto end() const { return items.end(); }
  const std::vector<T>& Items() const { return items; }
  void Reserve(int count) { items.reserve(static_cast<size_t>(count)); }

  friend bool operator==(const TGrowList&, const TGrowList&) = default;

 private:
  std::vector<T> items;
};

using TIntegers = TGrowList<int32_t>;
using TPoints = TGrowList<TPoint>;

template <typename T>
std::ostream& operator<<(std::ostream& out, const TGrowList<T>& list) {
  out << '[';
  for (int i = 0; i < list.Count(); ++i) out << (i ? " " : "") << list[i];
  return out << ']';
}

}  // namespace rules
