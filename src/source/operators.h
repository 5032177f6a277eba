// C's operators by their spelling, their token class and their binding, as
// keywords.def lists them: what the lexer of preprocessing mode makes of
// their bytes, and what the evaluator of C expressions makes of their tokens.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "source/tokens.h"

struct OperatorRow {
  std::string_view text;
  int32_t tokenClass;
  /// As a binary operator of constant expressions: 1 (||) to 10 (* / %);
  /// 0 where it is none.
  int precedence;
};

inline constexpr OperatorRow kOperators[] = {
#define OPERATOR(text, cls, num, precedence) {text, num, precedence},
#include "source/keywords.def"
};

/// The class of the operator spelt `text`, or TOK_NONE.
constexpr int32_t OperatorClass(std::string_view text) {
  for (const OperatorRow& row : kOperators)
    if (row.text == text) return row.tokenClass;
  return TOK_NONE;
}

/// The spelling of the operator of class `tokenClass` ("" for another class).
constexpr std::string_view OperatorText(int32_t tokenClass) {
  for (const OperatorRow& row : kOperators)
    if (row.tokenClass == tokenClass) return row.text;
  return {};
}

namespace operator_table {

/// For each class: 1 + its binary precedence for an operator, 0 for a
/// class that is none.
inline constexpr auto kRank = [] {
  std::array<uint8_t, kTokenClassLimit> rank{};
  for (const OperatorRow& row : kOperators) rank[static_cast<std::size_t>(row.tokenClass)] = static_cast<uint8_t>(1 + row.precedence);
  return rank;
}();

}  // namespace operator_table

/// Whether a token of class `tokenClass` is an operator.
constexpr bool IsOperatorClass(int32_t tokenClass) {
  return tokenClass >= 0 && tokenClass < kTokenClassLimit &&
         operator_table::kRank[static_cast<std::size_t>(tokenClass)] != 0;
}

/// The binary precedence of an operator's class (0 where it is none).
constexpr int BinaryPrecedence(int32_t tokenClass) {
  return IsOperatorClass(tokenClass) ? operator_table::kRank[static_cast<std::size_t>(tokenClass)] - 1 : 0;
}
