// Walking a property list ('Vorl'/'TzAv' block) record by record and decoding
// each record back into the property it was converted from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "dump/text_rules.h"

namespace dump {

/// One element of a list as written back (a property, a string), or a comment
/// on what cannot be decoded or is odd about the list.
/// `text` may span several lines; continuation lines are indented relative to
/// the first.
struct ListItem {
  bool isElement;
  std::string text;
};

/// The elements of the property list held in `block` (the compiled block:
/// first word, list version, property count, records). Never fails: what
/// cannot be decoded becomes a comment and the walk goes on with the next
/// record.
std::vector<ListItem> DecodePropertyList(std::span<const std::uint8_t> block,
                                         const TextRules& rules);

/// A comment among the elements.
inline ListItem Comment(std::string text) { return {false, std::move(text)}; }

/// The comment on a list whose header counts `count` entries where it holds
/// `held` `things` ("records", "strings").
ListItem CountComment(std::size_t count, std::size_t held, const char* things);

/// "/* <what>: 01 02 ... */": bytes in hex, sixteen to a line.
std::string HexComment(const std::string& what, std::span<const std::uint8_t> bytes);

/// A code as a comment shows it: 'kind', or 0x6B696E64 when its characters
/// are not all printable.
std::string CodeForComment(std::uint32_t code);

}  // namespace dump
