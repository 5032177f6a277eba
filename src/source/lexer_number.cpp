// The number scanner: a number and the simple arithmetic that follows it on
// the same line fold into one number token, with the usual precedence.
//
// The scan works on one byte of lookahead. An operator without an operand
// after it is dropped and ends the whole scan; every level then returns what
// it has. Arithmetic is 32-bit two's complement and wraps.
#include <cstdint>

#include "base/diagnostics.h"
#include "source/char_source.h"
#include "source/lexer.h"

namespace {

/// Parentheses open at once inside a number. A line of any length is read
/// whole, so without a bound its parentheses could exhaust the stack; twice
/// as many as a line of 512 bytes could hold is no bound for a real source.
constexpr int kMaxParentheses = 512;

class NumberScan {
 public:
  NumberScan(SourceReader& source, int firstDigit) : source_(source), next_(firstDigit) {}

  /// The number and the arithmetic folded into it; the byte after them is
  /// left unread.
  int32_t Fold() {
    const int32_t value = Expression();
    SkipBlanks();
    source_.UngetCharacter();
    return value;
  }

 private:
  SourceReader& source_;
  int next_;             ///< the byte read but not yet consumed
  bool stopped_ = false; ///< an operator lacked its operand: read nothing more
  int parentheses_ = 0;  ///< parentheses open

  void Advance() { next_ = source_.GetCharacter(); }
  void SkipBlanks() {
    while (next_ == ' ' || next_ == '\t') Advance();
  }
  static bool IsDigit(int byte) { return byte >= '0' && byte <= '9'; }

  /// A slash that opens a comment ends the number instead of dividing.
  bool IsDivision() const {
    if (next_ != '/') return false;
    const int after = source_.PeekCharacter();
    return after != '*' && after != '/';
  }

  /// Consumes an operator if an operand follows it; otherwise drops it and
  /// stops the scan.
  bool TakeOperator() {
    Advance();
    SkipBlanks();
    if (IsDigit(next_) || next_ == '(') return true;
    stopped_ = true;
    return false;
  }

  int32_t Expression() {
    bool negate = false;
    if (next_ == '+' || next_ == '-') {
      negate = next_ == '-';
      Advance();
    }
    uint32_t value = static_cast<uint32_t>(Term());
    if (negate) value = 0u - value;
    while (!stopped_) {
      SkipBlanks();
      if (next_ != '+' && next_ != '-') break;
      const bool minus = next_ == '-';
      if (!TakeOperator()) break;
      const uint32_t right = static_cast<uint32_t>(Term());
      value = minus ? value - right : value + right;
    }
    return static_cast<int32_t>(value);
  }

  int32_t Term() {
    int32_t value = Factor();
    while (!stopped_) {
      SkipBlanks();
      if (next_ != '*' && !IsDivision()) break;
      const bool divide = next_ == '/';
      if (!TakeOperator()) break;
      const int32_t right = Factor();
      if (!divide) {
        value = static_cast<int32_t>(static_cast<uint32_t>(value) * static_cast<uint32_t>(right));
      } else if (right == 0) {
        FatalError("Division by zero");
      } else if (right == -1) {
        value = static_cast<int32_t>(0u - static_cast<uint32_t>(value));
      } else {
        value /= right;
      }
    }
    return value;
  }

  int32_t Factor() {
    SkipBlanks();
    if (next_ == '(') {
      NestingGuard level(parentheses_, kMaxParentheses, "Parentheses nested too deeply");
      Advance();
      const int32_t value = Expression();
      if (!stopped_) {
        SkipBlanks();
        if (next_ == ')') Advance();
      }
      return value;
    }
    if (IsDigit(next_)) return Number();
    // A parenthesis that holds no number starts from 0 and consumes nothing.
    return 0;
  }

  int32_t Number() {
    uint32_t base = 10;
    uint32_t value = 0;
    if (next_ == '0') {
      Advance();
      if (next_ == 'x') base = 16;
      else if (next_ == 'b') base = 2;
      else if (next_ == 'o') base = 8;
      if (base != 10) Advance();
    }
    for (;;) {
      uint32_t digit;
      if (IsDigit(next_)) digit = static_cast<uint32_t>(next_ - '0');
      else if (base == 16 && next_ >= 'A' && next_ <= 'F') digit = static_cast<uint32_t>(next_ - 'A' + 10);
      else if (base == 16 && next_ >= 'a' && next_ <= 'f') digit = static_cast<uint32_t>(next_ - 'a' + 10);
      else break;
      value = value * base + digit;
      Advance();
    }
    return static_cast<int32_t>(value);
  }
};

}  // namespace

int32_t Lexer::ScanNumber(SourceReader& source, int firstDigit) {
  return NumberScan(source, firstDigit).Fold();
}
