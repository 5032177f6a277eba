// The #if and #elif conditions of preprocessing mode.
#include "source/condition.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/diagnostics.h"

namespace {

/// Operators and parentheses that may nest in one condition: a longer chain
/// fails cleanly instead of exhausting the stack.
constexpr int kMaxNesting = 256;

/// A value as C's preprocessor holds it: the bits of an intmax_t or a
/// uintmax_t, and which of the two it is.
struct Value {
  std::uint64_t bits = 0;
  bool isUnsigned = false;

  std::int64_t Signed() const { return static_cast<std::int64_t>(bits); }
  bool IsTrue() const { return bits != 0; }
  static Value Int(std::int64_t v) { return {static_cast<std::uint64_t>(v), false}; }
};

enum class Kind { kEnd, kNumber, kOperator };

/// Operators of two characters have codes of their own.
enum : int {
  kShiftLeft = 256,
  kShiftRight,
  kLessEqual,
  kGreaterEqual,
  kEqual,
  kNotEqual,
  kAndAnd,
  kOrOr,
};

struct Piece {
  Kind kind = Kind::kEnd;
  Value value;
  int op = 0;
};

int DigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

/// Reads a condition: the value of each of its tokens, and the expression
/// over them.
class ConditionReader {
 public:
  ConditionReader(const std::vector<PpToken>& tokens, const char* directive)
      : tokens_(tokens), directive_(directive) {}
  ConditionReader(const ConditionReader&) = delete;
  ConditionReader& operator=(const ConditionReader&) = delete;

  bool Evaluate() {
    Next();
    if (piece_.kind == Kind::kEnd) FatalErrorFormatted("Empty expression in #%s", directive_);
    const Value result = Conditional(true, 0);
    if (piece_.kind != Kind::kEnd) Malformed();
    return result.IsTrue();
  }

 private:
  [[noreturn]] void Malformed() const {
    FatalErrorFormatted("Malformed expression in #%s", directive_);
  }

  /// Reads the next token's value into piece_: a name left after the
  /// macros were replaced is 0.
  void Next() {
    if (next_ == tokens_.size()) {
      piece_ = {};
      return;
    }
    const PpToken& token = tokens_[next_++];
    const std::string_view text = token.text;
    switch (token.kind) {
      case PpKind::kNumber:
        piece_ = {Kind::kNumber, ParseNumber(text), 0};
        break;
      case PpKind::kIdentifier:
        piece_ = {Kind::kNumber, Value::Int(0), 0};
        break;
      case PpKind::kCharacter:
        // A prefix (L, u, U) makes the value the character's own.
        if (text[0] == '\'') piece_ = {Kind::kNumber, ParseCharacter(text, false), 0};
        else piece_ = {Kind::kNumber, ParseCharacter(text.substr(1), true), 0};
        break;
      case PpKind::kPunctuator:
        piece_ = {Kind::kOperator, {}, ReadOperator(text)};
        break;
      default:
        Malformed();
    }
  }

  int ReadOperator(std::string_view text) const {
    static constexpr struct {
      std::string_view text;
      int op;
    } kPairs[] = {{"<<", kShiftLeft}, {">>", kShiftRight}, {"<=", kLessEqual},
                  {">=", kGreaterEqual}, {"==", kEqual}, {"!=", kNotEqual},
                  {"&&", kAndAnd}, {"||", kOrOr}};
    for (const auto& pair : kPairs)
      if (text == pair.text) return pair.op;
    static constexpr std::string_view kSingles = "+-*/%<>&^|!~?:()";
    if (text.size() != 1 || kSingles.find(text[0]) == std::string_view::npos) Malformed();
    return static_cast<unsigned char>(text[0]);
  }

  /// A C integer literal: 0x, 0b, a leading 0 for octal, decimal; suffixes
  /// u and l (ll) in any order. Larger than intmax_t makes it unsigned.
  Value ParseNumber(std::string_view text) const {
    std::size_t pos = 0;
    int base = 10;
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
      base = 16;
      pos = 2;
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
      base = 2;
      pos = 2;
    } else if (text[0] == '0') {
      base = 8;
    }
    const std::size_t firstDigit = pos;
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
      const int digit = DigitValue(static_cast<unsigned char>(text[pos]));
      if (digit >= base) break;
      if (value > (UINT64_MAX - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base))
        FatalErrorFormatted("Integer constant too large in #%s", directive_);
      value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (pos == firstDigit && base != 8) Malformed();
    bool isUnsigned = value > static_cast<std::uint64_t>(INT64_MAX);
    int longs = 0;
    bool sawU = false;
    while (pos < text.size()) {
      const char c = text[pos];
      if ((c == 'u' || c == 'U') && !sawU) {
        sawU = isUnsigned = true;
        ++pos;
      } else if ((c == 'l' || c == 'L') && longs == 0) {
        longs = 1;
        ++pos;
        if (pos < text.size() && text[pos] == c) ++pos;
      } else {
        Malformed();
      }
    }
    return {value, isUnsigned};
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
    if (count == 1 && wide) return Value::Int(value);
    if (count == 1) return Value::Int(static_cast<signed char>(static_cast<unsigned char>(value)));
    return Value::Int(static_cast<std::int32_t>(value));
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

  bool IsOperator(int op) const { return piece_.kind == Kind::kOperator && piece_.op == op; }

  /// cond ? a : b, right to left; only the chosen side is evaluated.
  Value Conditional(bool evaluate, int depth) {
    if (depth >= kMaxNesting) FatalErrorFormatted("Expression nested too deeply in #%s", directive_);
    const Value condition = Binary(evaluate, 1, depth);
    if (!IsOperator('?')) return condition;
    Next();
    const Value whenTrue = Conditional(evaluate && condition.IsTrue(), depth + 1);
    if (!IsOperator(':')) Malformed();
    Next();
    const Value whenFalse = Conditional(evaluate && !condition.IsTrue(), depth + 1);
    Value result = condition.IsTrue() ? whenTrue : whenFalse;
    result.isUnsigned = whenTrue.isUnsigned || whenFalse.isUnsigned;
    return result;
  }

  /// The binding strength of the current piece as a binary operator, 0 when
  /// it is none: || 1, && 2, | 3, ^ 4, & 5, == != 6, < > <= >= 7, << >> 8,
  /// + - 9, * / % 10.
  int Precedence() const {
    if (piece_.kind != Kind::kOperator) return 0;
    switch (piece_.op) {
      case kOrOr: return 1;
      case kAndAnd: return 2;
      case '|': return 3;
      case '^': return 4;
      case '&': return 5;
      case kEqual: case kNotEqual: return 6;
      case '<': case '>': case kLessEqual: case kGreaterEqual: return 7;
      case kShiftLeft: case kShiftRight: return 8;
      case '+': case '-': return 9;
      case '*': case '/': case '%': return 10;
      default: return 0;
    }
  }

  /// Binary operators of strength `least` and above, left to right.
  Value Binary(bool evaluate, int least, int depth) {
    Value left = Unary(evaluate, depth + 1);
    for (int strength = Precedence(); strength >= least; strength = Precedence()) {
      const int op = piece_.op;
      Next();
      // The right side of && and || is evaluated only where it decides.
      bool evaluateRight = evaluate;
      if (op == kAndAnd) evaluateRight = evaluate && left.IsTrue();
      if (op == kOrOr) evaluateRight = evaluate && !left.IsTrue();
      const Value right = Binary(evaluateRight, strength + 1, depth + 1);
      left = Apply(op, left, right, evaluate);
    }
    return left;
  }

  Value Unary(bool evaluate, int depth) {
    if (depth >= kMaxNesting) FatalErrorFormatted("Expression nested too deeply in #%s", directive_);
    if (piece_.kind == Kind::kNumber) {
      const Value value = piece_.value;
      Next();
      return value;
    }
    if (piece_.kind != Kind::kOperator) Malformed();
    const int op = piece_.op;
    if (op == '(') {
      Next();
      const Value value = Conditional(evaluate, depth + 1);
      if (!IsOperator(')')) Malformed();
      Next();
      return value;
    }
    if (op != '+' && op != '-' && op != '~' && op != '!') Malformed();
    Next();
    Value operand = Unary(evaluate, depth + 1);
    switch (op) {
      case '-': operand.bits = 0 - operand.bits; break;
      case '~': operand.bits = ~operand.bits; break;
      case '!': operand = Value::Int(operand.IsTrue() ? 0 : 1); break;
      default: break;
    }
    return operand;
  }

  static Value Shift(Value value, std::int64_t count, bool left) {
    if (count < 0) {
      // A negative count shifts the other way, as C preprocessors do it.
      left = !left;
      count = count == INT64_MIN ? INT64_MAX : -count;
    }
    if (left) {
      value.bits = count >= 64 ? 0 : value.bits << count;
    } else if (!value.isUnsigned && value.Signed() < 0) {
      value.bits = count >= 64 ? UINT64_MAX : static_cast<std::uint64_t>(value.Signed() >> count);
    } else {
      value.bits = count >= 64 ? 0 : value.bits >> count;
    }
    return value;
  }

  Value Apply(int op, Value left, Value right, bool evaluate) const {
    const bool isUnsigned = left.isUnsigned || right.isUnsigned;
    const std::uint64_t l = left.bits;
    const std::uint64_t r = right.bits;
    const auto less = [&](Value a, Value b) {
      return isUnsigned ? a.bits < b.bits : a.Signed() < b.Signed();
    };
    switch (op) {
      case kOrOr: return Value::Int(left.IsTrue() || right.IsTrue());
      case kAndAnd: return Value::Int(left.IsTrue() && right.IsTrue());
      case kEqual: return Value::Int(l == r);
      case kNotEqual: return Value::Int(l != r);
      case '<': return Value::Int(less(left, right));
      case '>': return Value::Int(less(right, left));
      case kLessEqual: return Value::Int(!less(right, left));
      case kGreaterEqual: return Value::Int(!less(left, right));
      case kShiftLeft:
      case kShiftRight: {
        // The right operand counts: its own type decides how it is read.
        const std::int64_t count =
            right.isUnsigned && r > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX : right.Signed();
        return Shift(left, count, op == kShiftLeft);
      }
      case '/':
      case '%': {
        if (r == 0) {
          // An operand that is not evaluated may divide by zero.
          if (!evaluate) return {0, isUnsigned};
          FatalErrorFormatted("Division by zero in #%s", directive_);
        }
        if (isUnsigned) return {op == '/' ? l / r : l % r, true};
        // The one quotient an intmax_t cannot hold wraps around.
        if (left.Signed() == INT64_MIN && right.Signed() == -1) return op == '/' ? left : Value::Int(0);
        return Value::Int(op == '/' ? left.Signed() / right.Signed() : left.Signed() % right.Signed());
      }
      case '*': return {l * r, isUnsigned};
      case '+': return {l + r, isUnsigned};
      case '-': return {l - r, isUnsigned};
      case '&': return {l & r, isUnsigned};
      case '^': return {l ^ r, isUnsigned};
      default: return {l | r, isUnsigned};
    }
  }

  const std::vector<PpToken>& tokens_;
  std::size_t next_ = 0;
  const char* directive_;
  Piece piece_;
};

}  // namespace

bool EvaluateCondition(const std::vector<PpToken>& tokens, const char* directive) {
  return ConditionReader(tokens, directive).Evaluate();
}
