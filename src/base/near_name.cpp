#include "base/near_name.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

/// Edits that no near name needs more of; the distances are computed in a
/// band this wide around the diagonal, so a long word costs only its length.
constexpr std::size_t kMostEdits = 2;
/// The band of the tie-break among near names, where case counts.
constexpr std::size_t kMostExactEdits = 8;

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                             [](char x, char y) { return Folded(x) == Folded(y); });
}

/// The edits between a and b, or limit + 1 where more are needed.
std::size_t EditsWithin(std::string_view a, std::string_view b, std::size_t limit, bool fold) {
  const std::size_t tooMany = limit + 1;
  if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > limit) return tooMany;
  // One row of the table of edits between the prefixes of a and b, with
  // the cells outside the band taken as too many.
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = std::min(j, tooMany);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    const std::size_t first = i > limit ? i - limit : 1;
    const std::size_t last = std::min(b.size(), i + limit);
    std::size_t diagonal = row[first - 1];
    row[first - 1] = first == 1 ? std::min(i, tooMany) : tooMany;
    std::size_t best = row[first - 1];
    for (std::size_t j = first; j <= last; ++j) {
      const bool same = fold ? Folded(a[i - 1]) == Folded(b[j - 1]) : a[i - 1] == b[j - 1];
      const std::size_t cell =
          std::min({diagonal + (same ? 0 : 1), row[j] + 1, row[j - 1] + 1, tooMany});
      diagonal = row[j];
      row[j] = cell;
      best = std::min(best, cell);
    }
    if (last < b.size()) row[last + 1] = tooMany;
    if (best >= tooMany) return tooMany;
  }
  return row[b.size()];
}

}  // namespace

void NearName::Consider(std::string_view name) {
  std::size_t folded = EditsWithin(word_, name, kMostEdits, true);
  if (folded > kMostEdits) {
    const bool beginsOrEnds = word_.size() < name.size() &&
                              (SameFolded(word_, name.substr(0, word_.size())) ||
                               SameFolded(word_, name.substr(name.size() - word_.size())));
    if (!beginsOrEnds) return;
    folded = name.size() - word_.size();
  }
  const std::size_t exact = EditsWithin(word_, name, kMostExactEdits, false);
  if (!nearest_.empty() &&
      std::tie(folded, exact, name) >= std::tie(foldedEdits_, exactEdits_, nearest_))
    return;
  nearest_ = name;
  foldedEdits_ = folded;
  exactEdits_ = exact;
}

std::string NearName::DidYouMean(std::string_view name) {
  if (name.empty()) return {};
  return " (did you mean '" + std::string(name) + "'?)";
}
