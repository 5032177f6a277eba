// Preprocessing mode's numbers and operators, read as C reads them: a
// number is one preprocessing number (12, 0x1F, 10u, and 1.5 or 0xE+1,
// which are no integer), never the digit arithmetic of a line folded into
// one; each operator of keywords.def is a token, the two-byte ones whole.
// The values of statements are computed over these tokens (value.h).
#include <array>
#include <cstdint>

#include "base/name_bytes.h"
#include "base/short_copy.h"
#include "source/c_integer.h"
#include "source/lexer.h"
#include "source/operators.h"

namespace {

/// For each byte: the class of the operator it spells alone (TOK_NONE for
/// none), and whether it begins an operator of two bytes; and those.
struct OperatorBytes {
  struct Pair {
    char first;
    char second;
    int32_t tokenClass;
  };
  std::array<int32_t, 256> single{};
  std::array<bool, 256> beginsPair{};
  std::array<Pair, 8> pairs{};
};

constexpr OperatorBytes kOperatorBytes = [] {
  OperatorBytes bytes;
  bytes.single.fill(TOK_NONE);
  std::size_t pairs = 0;
  for (const OperatorRow& row : kOperators) {
    const auto first = static_cast<unsigned char>(row.text[0]);
    if (row.text.size() == 1) {
      bytes.single[first] = row.tokenClass;
    } else {
      if (pairs == bytes.pairs.size()) throw "more operators of two bytes than room for them";
      bytes.pairs[pairs++] = {row.text[0], row.text[1], row.tokenClass};
      bytes.beginsPair[first] = true;
    }
  }
  return bytes;
}();

bool IsDigit(int byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

void Lexer::ReadCTokens(ValueReader reader) {
  valueReader_ = reader;
  for (int digit = '0'; digit <= '9'; ++digit) charClass_[digit] = Call<&Lexer::GetCNumber>;
  for (int byte = 0; byte < 256; ++byte) {
    // An operator of one byte that the plain reading's punctuation reads
    // alike stays its; a slash stays GetSlash's: it may open a comment.
    const bool alike = charClass_[byte] != nullptr && !kOperatorBytes.beginsPair[byte];
    if ((kOperatorBytes.single[byte] != TOK_NONE || kOperatorBytes.beginsPair[byte]) && !alike)
      charClass_[byte] = Call<&Lexer::GetCOperator>;
  }
}

/// Most numbers are a few decimal digits: those are read here at once, and
/// anything else (false) as GetCNumber reads it, from its first byte.
bool Lexer::GetPlainNumber(int byte) {
  // At most nine digits, the first no 0, which an int holds.
  if (static_cast<unsigned>(byte - '1') >= 9) return false;
  SourceCursor cursor(source_);
  const unsigned char* const rest = cursor.Mark();
  auto value = static_cast<uint32_t>(byte - '0');
  std::size_t length = 1;
  int c = cursor.Peek();
  for (; static_cast<unsigned>(c - '0') < 10 && length < 9; c = cursor.Peek()) {
    value = value * 10 + static_cast<uint32_t>(c - '0');
    cursor.Skip();
    ++length;
  }
  // Ended in this line buffer by a byte that goes on no number (a sign
  // goes on none that ends in a digit).
  if (c < 0 || c >= 128 || (runClass_[c] & kNumberRun)) {
    cursor.Back(rest);
    return false;
  }
  numberBuffer_[0] = static_cast<char>(byte);
  CopyShort(numberBuffer_ + 1, reinterpret_cast<const char*>(rest), length - 1);
  numberBuffer_[length] = '\0';
  token_.value = static_cast<int32_t>(value);
  token_.form = NumberForm::kInt;
  token_.spelling = numberBuffer_;
  token_.eClass = TOK_NUMBER;
  return true;
}

/// After a 0, most numbers are 0x and at most eight hexadecimal digits, or
/// the 0 alone: read here as GetPlainNumber reads its own.
bool Lexer::GetPlainHexOrZero() {
  SourceCursor cursor(source_);
  const unsigned char* const rest = cursor.Mark();
  int c = cursor.Peek();
  uint32_t value = 0;
  if (c == 'x' || c == 'X') {
    cursor.Skip();
    std::size_t digits = 0;
    for (c = cursor.Peek(); c >= 0 && kDigitValue[static_cast<unsigned char>(c)] < 16 && digits < 8; c = cursor.Peek()) {
      value = value << 4 | kDigitValue[static_cast<unsigned char>(c)];
      cursor.Skip();
      ++digits;
    }
    // (0x and no digit is none; after an e, a sign goes on the number.)
    const int last = cursor.Mark()[-1];
    if (digits == 0 || ((c == '+' || c == '-') && (last == 'e' || last == 'E'))) c = 'x';
  }
  if (c < 0 || c >= 128 || (runClass_[c] & kNumberRun)) {
    cursor.Back(rest);
    return false;
  }
  const auto length = static_cast<std::size_t>(cursor.Mark() - rest) + 1;
  numberBuffer_[0] = '0';
  CopyShort(numberBuffer_ + 1, reinterpret_cast<const char*>(rest), length - 1);
  numberBuffer_[length] = '\0';
  token_.value = static_cast<int32_t>(value);
  token_.form = value > INT32_MAX ? NumberForm::kUnsigned : NumberForm::kInt;
  token_.spelling = numberBuffer_;
  token_.eClass = TOK_NUMBER;
  return true;
}

int Lexer::GetCNumber(int byte) {
  if (GetPlainNumber(byte) || (byte == '0' && GetPlainHexOrZero())) return kTokenDone;
  // Any other preprocessing number, byte by byte.
  constexpr std::size_t kRoom = sizeof numberBuffer_ - 1;
  char* const spelling = numberBuffer_;
  spelling[0] = static_cast<char>(byte);
  std::size_t length = 1;
  {
    SourceCursor cursor(source_);
    for (int last = byte;;) {
      int c = cursor.Next();
      if (!ContinuesNumber(static_cast<unsigned char>(last), static_cast<unsigned char>(c))) {
        cursor.Unget();
        break;
      }
      // A double-byte character goes whole; a number longer than the
      // buffer is read whole, and kept cut.
      if (locale_.IsLeadByte(c)) {
        if (length < kRoom) spelling[length] = static_cast<char>(c);
        ++length;
        c = cursor.Next();
      }
      if (length < kRoom) spelling[length] = static_cast<char>(c);
      ++length;
      last = c;
    }
  }
  const bool cut = length > kRoom;
  if (cut) length = kRoom;
  spelling[length] = '\0';
  const IntegerLiteral literal = ReadIntegerLiteral({spelling, length});
  token_.value = static_cast<int32_t>(static_cast<uint32_t>(literal.value));
  if (literal.form == IntegerLiteral::Form::kMalformed) token_.form = NumberForm::kMalformed;
  else if (cut || literal.form == IntegerLiteral::Form::kTooLarge || literal.value > UINT32_MAX)
    token_.form = NumberForm::kTooLarge;
  else if (literal.unsignedSuffix || literal.value > INT32_MAX) token_.form = NumberForm::kUnsigned;
  else token_.form = NumberForm::kInt;
  token_.spelling = spelling;
  token_.eClass = TOK_NUMBER;
  return kTokenDone;
}

int Lexer::GetCOperator(int byte) {
  if (byte == '.' || kOperatorBytes.beginsPair[byte]) {
    const int next = source_.GetCharacter();
    // .5 is a number.
    if (byte == '.' && IsDigit(next)) {
      source_.UngetCharacter();
      return GetCNumber(byte);
    }
    for (const OperatorBytes::Pair& pair : kOperatorBytes.pairs) {
      if (pair.first == byte && pair.second == next) {
        token_.eClass = pair.tokenClass;
        return kTokenDone;
      }
    }
    source_.UngetCharacter();
  }
  token_.eClass = kOperatorBytes.single[byte];
  return kTokenDone;
}
