// Writing bytes back as string literals of the resource description language,
// so that converting the text again gives the same bytes.
//
// Property-list strings reach the resource script as the converter read them,
// escapes and all, and the resource compiler resolves the escapes; their length
// fields count the text as written. So the text chosen for a string must not
// only compile to its bytes but also be exactly as long as the length fields
// say: the escapes are picked to make up the difference.
//
// String-list elements are decoded by the converter itself (\0xHH, \t, \r,
// \"); only their bytes matter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "dump/text_rules.h"

namespace dump {

/// The longest property string the dump spells, in characters: a
/// length-prefixed string of 255 bytes, each written as an escape of four
/// characters, fits. A longer one (an entry point may be as long as a string
/// literal) is left to the comment of bytes of a record the dump cannot
/// read, which keeps the table of reachable counts the spelling works on small.
constexpr std::size_t kLongestSpelledText = 1024;

/// What a property string's length field counts.
enum class CountRule {
  kCharacters,     ///< the characters the text is written with (Name, Category, entry points, terminology)
  kEscapesAsBytes  ///< characters less the extras of its escapes (the host's match name and support address)
};

/// The text, without its quotes, that compiles to `bytes` and counts `target`
/// under `rule`; nothing when no text does (or the text would be longer than
/// kLongestSpelledText). A negative `target` asks for the shortest count
/// reached by a text in which every byte shows (a byte 127 escaped).
std::optional<std::string> PropertyStringText(std::span<const std::uint8_t> bytes,
                                              CountRule rule, int target,
                                              const TextRules& rules);

/// One string-list element as one or more adjacent quoted literals (each at
/// most 256 characters long), e.g. "abc" or "..." "...".
std::string StringListElementText(std::span<const std::uint8_t> bytes, const TextRules& rules);


}  // namespace dump
