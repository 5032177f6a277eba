// The #if and #elif conditions of preprocessing mode.
#include "preprocess/condition.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/diagnostics.h"
#include "source/c_expression.h"
#include "source/c_integer.h"

namespace {

int DigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

/// Reads a condition for the evaluator of C expressions: the value of each
/// of its tokens, in intmax_t and uintmax_t.
class ConditionReader {
 public:
  using Bits = std::uint64_t;
  using Value = CValue<Bits>;
  using Piece = ExpressionPiece<Bits>;

  ConditionReader(const std::vector<PpToken>& tokens, const char* directive)
      : tokens_(tokens), directive_(directive) {}
  ConditionReader(const ConditionReader&) = delete;
  ConditionReader& operator=(const ConditionReader&) = delete;

  /// The next token's value or operator: a name left after the macros were
  /// replaced is 0.
  Piece Next() {
    Piece piece;
    if (next_ == tokens_.size()) return piece;
    const PpToken& token = tokens_[next_++];
    const std::string_view text = token.text;
    piece.kind = Piece::Kind::kValue;
    switch (token.kind) {
      case PpKind::kNumber:
        piece.value = ParseNumber(text);
        break;
      case PpKind::kIdentifier:
        break;
      case PpKind::kCharacter:
        // A prefix (L, u, U) makes the value the character's own.
        if (text[0] == '\'') piece.value = ParseCharacter(text, false);
        else piece.value = ParseCharacter(text.substr(1), true);
        break;
      case PpKind::kPunctuator:
        piece.op = OperatorClass(text);
        piece.kind = piece.op != TOK_NONE ? Piece::Kind::kOperator : Piece::Kind::kOther;
        break;
      default:
        piece.kind = Piece::Kind::kOther;
    }
    return piece;
  }

  /// A shift as C preprocessors have it: a negative count shifts the other
  /// way, one of the width or more leaves 0 (or -1, shifting a negative
  /// value right).
  static Value Shift(Value value, Value count, bool left, bool) {
    // The right operand counts: its own type decides how it is read.
    std::int64_t by = count.isUnsigned && count.bits > static_cast<Bits>(INT64_MAX) ? INT64_MAX : count.AsSigned();
    if (by < 0) {
      left = !left;
      by = by == INT64_MIN ? INT64_MAX : -by;
    }
    if (by < 64) return CExpression<ConditionReader>::ShiftWithin(value, static_cast<unsigned>(by), left);
    value.bits = !left && !value.isUnsigned && value.AsSigned() < 0 ? UINT64_MAX : 0;
    return value;
  }

  [[noreturn]] void Refuse(ExpressionProblem problem, int32_t) const {
    if (problem == ExpressionProblem::kEmpty) FatalErrorFormatted("Empty expression in #%s", directive_);
    if (problem == ExpressionProblem::kDivisionByZero) FatalErrorFormatted("Division by zero in #%s", directive_);
    Malformed();
  }

  /// The condition ends with its tokens: a ) that closes nothing is malformed.
  void Ended(const Piece& end) const {
    if (end.kind != Piece::Kind::kEnd) Malformed();
  }

 private:
  [[noreturn]] void Malformed() const {
    FatalErrorFormatted("Malformed expression in #%s", directive_);
  }

  /// A C integer literal; larger than intmax_t makes it unsigned.
  Value ParseNumber(std::string_view text) const {
    const IntegerLiteral literal = ReadIntegerLiteral(text);
    if (literal.form == IntegerLiteral::Form::kMalformed) Malformed();
    if (literal.form == IntegerLiteral::Form::kTooLarge)
      FatalErrorFormatted("Integer constant too large in #%s", directive_);
    return {literal.value, literal.unsignedSuffix || literal.value > static_cast<Bits>(INT64_MAX)};
  }

  /// A character constant from its opening quote to its closing one.
  /// Several characters make one int, the first highest; one character is a
  /// char (signed, as on the systems we build on), or for a `wide` one
  /// (L'x', u'x', U'x') its value as it stands.
  Value ParseCharacter(std::string_view text, bool wide) const {
    const std::string_view rest = text.substr(0, text.size() - 1);
    std::size_t pos = 1;
    std::uint32_t value = 0;
    int count = 0;
    while (pos < rest.size()) {
      std::uint32_t c = static_cast<unsigned char>(rest[pos++]);
      if (c == '\\') c = ParseEscape(rest, pos);
      value = (value << 8) | (c & 0xFFu);
      ++count;
    }
    if (count == 0) Malformed();
    if (count == 1 && wide) return Value::Of(value);
    if (count == 1) return Value::Of(static_cast<signed char>(static_cast<unsigned char>(value)));
    return Value::Of(static_cast<std::int32_t>(value));
  }

  std::uint32_t ParseEscape(std::string_view rest, std::size_t& pos) const {
    if (pos >= rest.size()) Malformed();
    const char c = rest[pos++];
    switch (c) {
      case 'n': return '\n';
      case 't': return '\t';
      case 'r': return '\r';
      case 'a': return '\a';
      case 'b': return '\b';
      case 'f': return '\f';
      case 'v': return '\v';
      case 'e': return 27;
      case 'x': {
        std::uint32_t value = 0;
        const std::size_t start = pos;
        while (pos < rest.size() && DigitValue(static_cast<unsigned char>(rest[pos])) < 16)
          value = (value << 4) | static_cast<std::uint32_t>(DigitValue(static_cast<unsigned char>(rest[pos++])));
        if (pos == start) Malformed();
        return value;
      }
      default:
        if (c >= '0' && c <= '7') {
          std::uint32_t value = static_cast<std::uint32_t>(c - '0');
          for (int i = 0; i < 2 && pos < rest.size() && rest[pos] >= '0' && rest[pos] <= '7'; ++i)
            value = value * 8 + static_cast<std::uint32_t>(rest[pos++] - '0');
          return value;
        }
        return static_cast<unsigned char>(c);
    }
  }

  const std::vector<PpToken>& tokens_;
  std::size_t next_ = 0;
  const char* directive_;
};

}  // namespace

bool EvaluateCondition(const std::vector<PpToken>& tokens, const char* directive) {
  ConditionReader reader(tokens, directive);
  return CExpression<ConditionReader>::Evaluate(reader).IsTrue();
}
