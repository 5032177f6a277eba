// String lists back into quoted elements.
#include "dump/string_list.h"

#include <string>

#include "dump/record_text.h"
#include "dump/string_text.h"

namespace dump {

std::vector<ListItem> DecodeStringList(std::span<const std::uint8_t> block,
                                       const TextRules& rules) {
  std::vector<ListItem> items;
  if (block.size() < 4) {
    items.push_back(Comment(HexComment(
        "not a string list: " + std::to_string(block.size()) + " bytes, fewer than its header",
        block)));
    return items;
  }
  if (block[0] != 0 || block[1] != 0) {
    items.push_back(Comment("/* first word " + FormatNumber("0x%04X", block[0] | (block[1] << 8)) +
                            ", not 0 */"));
  }
  const std::size_t count = (std::size_t{block[2]} << 8) | block[3];
  const auto pool = block.subspan(4);

  std::vector<std::span<const std::uint8_t>> pieces;
  std::size_t start = 0;
  for (std::size_t at = 0; at < pool.size(); ++at) {
    if (pool[at] == 0) {
      pieces.push_back(pool.subspan(start, at - start));
      start = at + 1;
    }
  }
  const auto tail = pool.subspan(start);
  // An odd number of string bytes is completed with a zero byte, which reads
  // as one more, empty, string beyond the count.
  if (pieces.size() > count && tail.empty() && pool.size() % 2 == 0 && pieces.back().empty()) {
    pieces.pop_back();
  }
  // The converter never writes a zero byte inside a string: more pieces than
  // the count are shown as they are, with the count's comment below.
  const std::size_t shown = pieces.size();
  for (const auto& piece : pieces) items.push_back({true, StringListElementText(piece, rules)});
  if (!tail.empty()) {
    items.push_back(Comment(HexComment("bytes after the last string, without a terminator", tail)));
  }
  if (shown != count) items.push_back(CountComment(count, shown, "strings"));
  return items;
}

}  // namespace dump
