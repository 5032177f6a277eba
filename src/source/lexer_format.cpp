// The $$ format construct: $$Format("text %d", number) becomes the string the
// format makes of the number.
//
// Only what one 32-bit integer can fill is accepted: literal text, "%%", and
// at most one integer conversion. Anything else would read arguments that are
// not there, so it is refused rather than guessed at.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/diagnostics.h"
#include "source/lexer.h"

namespace {

constexpr int kFormatMax = 256;
constexpr int kFieldMax = 255;
/// The text or the number of a construct may itself be a construct, read by a
/// nested call; the limit keeps any input from exhausting the stack.
constexpr int kMaxFormatNesting = 32;

/// Reads a decimal width or precision at *p; false when it exceeds the limit.
bool ReadField(const char*& p) {
  int value = 0;
  while (*p >= '0' && *p <= '9') {
    value = value * 10 + (*p++ - '0');
    if (value > kFieldMax) return false;
  }
  return true;
}

/// Checks the format and rewrites its one conversion (if any) for an int
/// argument, with the length modifier applied to the value instead.
/// Returns false for anything unsupported.
bool PrepareFormat(const char* format, char* out, std::size_t outSize, int32_t& value) {
  bool converted = false;
  std::size_t o = 0;
  auto put = [&](char c) {
    if (o + 1 >= outSize) return false;
    out[o++] = c;
    return true;
  };
  for (const char* p = format; *p;) {
    if (*p != '%') {
      if (!put(*p++)) return false;
      continue;
    }
    if (p[1] == '%') {
      if (!put('%') || !put('%')) return false;
      p += 2;
      continue;
    }
    if (converted) return false;
    converted = true;
    const char* start = p++;
    while (*p && std::strchr("-+ #0", *p)) ++p;
    if (!ReadField(p)) return false;
    if (*p == '.') {
      ++p;
      if (!ReadField(p)) return false;
    }
    const char* flagsEnd = p;
    int shortness = 0;  // 1 for h, 2 for hh
    if (p[0] == 'h' && p[1] == 'h') {
      shortness = 2;
      p += 2;
    } else if (*p == 'h') {
      shortness = 1;
      ++p;
    } else if (*p == 'l') {
      ++p;  // the value stays 32 bits
    }
    if (!*p || !std::strchr("diuoxX", *p)) return false;
    const bool isSigned = *p == 'd' || *p == 'i';
    if (shortness == 1)
      value = isSigned ? static_cast<int16_t>(value) : static_cast<uint16_t>(value);
    else if (shortness == 2)
      value = isSigned ? static_cast<int8_t>(value) : static_cast<uint8_t>(value);
    for (const char* q = start; q < flagsEnd; ++q)
      if (!put(*q)) return false;
    if (!put(*p++)) return false;
  }
  out[o] = '\0';
  return true;
}

}  // namespace

/// The signed integer after the format string: a number, or a sign token and a number.
int32_t Lexer::GetIntegerOrLong() {
  int32_t sign = token_.eClass == TOK_MINUS ? -1 : 1;
  GetToken();
  if (token_.eClass != TOK_NUMBER) {
    if (token_.eClass == TOK_MINUS) sign = -1;
    else if (token_.eClass != TOK_PLUS) FatalError("integer or long expected");
    GetToken();
    if (token_.eClass != TOK_NUMBER) FatalError("Integer or long expected");
  }
  token_.value = static_cast<int32_t>(static_cast<uint32_t>(sign) * static_cast<uint32_t>(token_.value));
  return token_.value;
}

void Lexer::ScanFormatConstruct() {
  NestingGuard guard(formatNesting_, kMaxFormatNesting, "Format nesting too deep");
  SkipToCharacter('(');
  GetToken();
  if (token_.eClass != TOK_STRING) FatalError("expected string");
  char format[kFormatMax + 1];
  std::strncpy(format, token_.text, kFormatMax);
  format[kFormatMax] = '\0';
  GetToken();
  // In preprocessing mode the number is a C expression, which may end at
  // the construct's closing parenthesis.
  int32_t value = 0;
  bool closed = false;
  if (valueReader_ != nullptr) {
    value = valueReader_(*this);
    GetToken();
    closed = token_.eClass == TOK_RPAREN;
  } else {
    value = GetIntegerOrLong();
  }

  char prepared[2 * kFormatMax + 8];
  if (!PrepareFormat(format, prepared, sizeof prepared, value)) FatalError("Unsupported format");
  char* result = formatResult_;
  // Unsigned conversions take the same 32 bits read as unsigned.
  std::snprintf(result, kFormatResultSize, prepared, value);
  if (!closed) SkipToCharacter(')');
  token_.text = result;
  token_.eClass = TOK_STRING;
}
