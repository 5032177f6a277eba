// Preprocessing mode's numbers and operators, read as C reads them: a
// number is one preprocessing number (12, 0x1F, 10u, and 1.5 or 0xE+1,
// which are no integer), never the digit arithmetic of a line folded into
// one; each operator of keywords.def is a token, the two-byte ones whole.
// The values of statements are computed over these tokens (value.h).
#include <array>
#include <cstdint>

#include "source/c_integer.h"
#include "source/lexer.h"
#include "source/operators.h"
#include "source/pp_token.h"

namespace {

/// For each byte: the class of the operator it spells alone (TOK_NONE for
/// none), and whether it begins an operator of two bytes.
struct OperatorBytes {
  std::array<int32_t, 256> single{};
  std::array<bool, 256> beginsPair{};
};

constexpr OperatorBytes kOperatorBytes = [] {
  OperatorBytes bytes;
  bytes.single.fill(TOK_NONE);
  for (const OperatorRow& row : kOperators) {
    const auto first = static_cast<unsigned char>(row.text[0]);
    if (row.text.size() == 1) bytes.single[first] = row.tokenClass;
    else bytes.beginsPair[first] = true;
  }
  return bytes;
}();

bool IsDigit(int byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

void Lexer::ReadCTokens(ValueReader reader) {
  valueReader_ = reader;
  for (int digit = '0'; digit <= '9'; ++digit) charClass_[digit] = Call<&Lexer::GetCNumber>;
  for (int byte = 0; byte < 256; ++byte) {
    // A slash stays GetSlash's: it may open a comment.
    if ((kOperatorBytes.single[byte] != TOK_NONE || kOperatorBytes.beginsPair[byte]) && byte != '/')
      charClass_[byte] = Call<&Lexer::GetCOperator>;
  }
}

int Lexer::GetCNumber(int byte) {
  constexpr std::size_t kRoom = sizeof numberBuffer_ - 1;
  std::size_t length = 0;
  bool cut = false;
  const auto store = [&](int c) {
    if (length < kRoom) numberBuffer_[length++] = static_cast<char>(c);
    else cut = true;
  };
  store(byte);
  {
    LineCursor cursor(source_);
    for (int last = byte;;) {
      const int c = cursor.Next();
      if (!ContinuesNumber(static_cast<unsigned char>(last), static_cast<unsigned char>(c))) {
        cursor.Unget();
        break;
      }
      store(c);
      last = c;
      if (locale_.IsLeadByte(c)) {
        last = cursor.Next();
        store(last);
      }
    }
  }
  numberBuffer_[length] = '\0';
  const IntegerLiteral literal = ReadIntegerLiteral({numberBuffer_, length});
  token_.value = static_cast<int32_t>(static_cast<uint32_t>(literal.value));
  if (literal.form == IntegerLiteral::Form::kMalformed) token_.form = NumberForm::kMalformed;
  else if (cut || literal.form == IntegerLiteral::Form::kTooLarge || literal.value > UINT32_MAX)
    token_.form = NumberForm::kTooLarge;
  else if (literal.unsignedSuffix || literal.value > INT32_MAX) token_.form = NumberForm::kUnsigned;
  else token_.form = NumberForm::kInt;
  token_.spelling = numberBuffer_;
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
    for (const OperatorRow& row : kOperators) {
      if (row.text.size() == 2 && row.text[0] == byte && row.text[1] == next) {
        token_.eClass = row.tokenClass;
        return kTokenDone;
      }
    }
    source_.UngetCharacter();
  }
  token_.eClass = kOperatorBytes.single[byte];
  return kTokenDone;
}
