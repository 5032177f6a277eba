// Decoding a string list ('LStr' block): a zero word, a big-endian count,
// then every string with a zero byte after it, completed to an even length.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "dump/record_decoder.h"
#include "dump/text_rules.h"

namespace dump {

/// The strings of the list as literals, with comments on what does not fit.
std::vector<ListItem> DecodeStringList(std::span<const std::uint8_t> block,
                                       const TextRules& rules);

}  // namespace dump
