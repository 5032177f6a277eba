// The name a mistyped word was most likely meant to be. A name is near the
// word when, compared without regard to case, it is the same name, the word
// is its beginning or its end, or one is made from the other by at most two
// insertions, removals or changes of a character. Of the near names, the
// one with the fewest such edits wins; then the one with the fewest edits
// when case counts; then the first in byte order, so the answer never
// depends on the order the names were offered in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class NearName {
 public:
  explicit NearName(std::string_view word) : word_(word) {}

  /// Offers `name`; keeps it when it is near and nearer than the best so far.
  void Consider(std::string_view name);
  /// The nearest name offered, or empty when none was near.
  std::string_view nearest() const { return nearest_; }
  /// " (did you mean 'NAME'?)" for the nearest name, or nothing.
  std::string DidYouMean() const { return DidYouMean(nearest_); }
  /// The same for `name`: nothing where it is empty.
  static std::string DidYouMean(std::string_view name);

 private:
  std::string_view word_;
  std::string_view nearest_;
  std::size_t foldedEdits_ = 0;
  std::size_t exactEdits_ = 0;
};
