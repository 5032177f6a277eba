// The hide sets of macro expansion.
#include "preprocess/hide_sets.h"

#include <algorithm>
#include <iterator>

namespace {

uint64_t HashOf(const std::vector<uint32_t>& names) {
  uint64_t hash = 14695981039346656037u;
  for (const uint32_t name : names) hash = (hash ^ name) * 1099511628211u;
  return hash;
}

}  // namespace

void HideSets::ClearAll() {
  sets_.assign(1, {});
  byHash_.clear();
  byHash_.emplace(HashOf({}), kEmpty);
  namesHeld_ = 0;
  added_.clear();
  unions_.clear();
  intersections_.clear();
}

uint32_t HideSets::Intern(std::vector<uint32_t>&& names) {
  const uint64_t hash = HashOf(names);
  const auto [first, last] = byHash_.equal_range(hash);
  for (auto it = first; it != last; ++it)
    if (sets_[it->second] == names) return it->second;
  const auto number = static_cast<uint32_t>(sets_.size());
  byHash_.emplace(hash, number);
  namesHeld_ += names.size();
  sets_.push_back(std::move(names));
  return number;
}

bool HideSets::Contains(uint32_t set, uint32_t name) const {
  const std::vector<uint32_t>& names = sets_[set];
  return std::binary_search(names.begin(), names.end(), name);
}

uint32_t HideSets::Add(uint32_t set, uint32_t name) {
  if (Contains(set, name)) return set;
  return Remembered(added_, Key(set, name), [&] {
    std::vector<uint32_t> names = sets_[set];
    names.insert(std::upper_bound(names.begin(), names.end(), name), name);
    return names;
  });
}

uint32_t HideSets::Union(uint32_t a, uint32_t b) {
  if (a == kEmpty) return b;
  return Remembered(unions_, Key(a, b), [&] {
    std::vector<uint32_t> names;
    std::set_union(sets_[a].begin(), sets_[a].end(), sets_[b].begin(), sets_[b].end(),
                   std::back_inserter(names));
    return names;
  });
}

uint32_t HideSets::Intersection(uint32_t a, uint32_t b) {
  if (a == b) return a;
  return Remembered(intersections_, Key(a, b), [&] {
    std::vector<uint32_t> names;
    std::set_intersection(sets_[a].begin(), sets_[a].end(), sets_[b].begin(), sets_[b].end(),
                          std::back_inserter(names));
    return names;
  });
}
