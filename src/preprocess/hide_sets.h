// The hide sets of macro expansion: with every token goes the set of macro
// names whose replacement it came from, and a token is never replaced by a
// macro of its set. So a macro is not replaced again inside its own
// replacement, however its calls nest, which is C's rule for rescanning.
//
// Sets are kept once each and named by a number; the operations the
// expansion needs remember their answers, so a set is built only once.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

class HideSets {
 public:
  /// The empty set.
  static constexpr uint32_t kEmpty = 0;

  HideSets() { ClearAll(); }

  bool Contains(uint32_t set, uint32_t name) const;
  /// The set with `name` added.
  uint32_t Add(uint32_t set, uint32_t name);
  uint32_t Union(uint32_t a, uint32_t b);
  uint32_t Intersection(uint32_t a, uint32_t b);
  /// How many names the sets kept hold between them.
  std::size_t NamesHeld() const { return namesHeld_; }

  /// Forgets every set but the empty one: no token holds another any more.
  void Clear() {
    if (sets_.size() != 1) ClearAll();
  }

 private:
  void ClearAll();
  /// The number of the set holding `names` (sorted, each once).
  uint32_t Intern(std::vector<uint32_t>&& names);
  /// A remembered answer: the operation and both operands in one key.
  static uint64_t Key(uint32_t a, uint32_t b) { return (uint64_t{a} << 32) | b; }
  /// The set `answers` holds for `key`, or the one `make` builds, then kept there.
  template <class Make>
  uint32_t Remembered(std::unordered_map<uint64_t, uint32_t>& answers, uint64_t key, Make make) {
    const auto [found, inserted] = answers.emplace(key, kEmpty);
    if (inserted) found->second = Intern(make());
    return found->second;
  }

  std::vector<std::vector<uint32_t>> sets_;
  /// The sets by a hash of their names, for Intern to find one again.
  std::unordered_multimap<uint64_t, uint32_t> byHash_;
  std::size_t namesHeld_ = 0;
  std::unordered_map<uint64_t, uint32_t> added_;
  std::unordered_map<uint64_t, uint32_t> unions_;
  std::unordered_map<uint64_t, uint32_t> intersections_;
};
