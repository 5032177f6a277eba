// The $$ format construct: $$Format("text %d", number) becomes the string the
// format makes of the number.
//
// Only what one 32-bit integer can fill is accepted: literal text, "%%", and
// at most one integer conversion. Anything else would read arguments that are
// not there, so it is refused rather than guessed at.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "driver/diagnostics.h"
#include "source/char_source.h"
#include "source/lexer.h"
#include "source/lexer_internal.h"

namespace {

constexpr int kFormatMax = 256;
constexpr int kFieldMax = 255;
/// The text or the number of a construct may itself be a construct, read by a
/// nested call; the limit keeps any input from exhausting the stack.
constexpr int kMaxFormatNesting = 32;

int formatNesting = 0;

/// The signed integer after the format string: a number, or a sign token and a number.
int32_t GetIntegerOrLong() {
  int32_t sign = pToken->eClass == TOK_MINUS ? -1 : 1;
  GetToken();
  if (pToken->eClass != TOK_NUMBER) {
    if (pToken->eClass == TOK_MINUS) sign = -1;
    else if (pToken->eClass != TOK_PLUS) FatalError("integer or long expected");
    GetToken();
    if (pToken->eClass != TOK_NUMBER) FatalError("Integer or long expected");
  }
  pToken->value = static_cast<int32_t>(static_cast<uint32_t>(sign) * static_cast<uint32_t>(pToken->value));
  return pToken->value;
}

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

void ScanFormatConstruct() {
  NestingGuard guard(formatNesting, kMaxFormatNesting, "Format nesting too deep");
  SkipToCharacter('(');
  GetToken();
  if (pToken->eClass != TOK_STRING) FatalError("expected string");
  char format[kFormatMax + 1];
  std::strncpy(format, pToken->text, kFormatMax);
  format[kFormatMax] = '\0';
  GetToken();
  int32_t value = GetIntegerOrLong();

  char prepared[2 * kFormatMax + 8];
  if (!PrepareFormat(format, prepared, sizeof prepared, value)) FatalError("Unsupported format");
  char* result = FormatResultBuffer();
  // Unsigned conversions take the same 32 bits read as unsigned.
  std::snprintf(result, kFormatResultSize, prepared, value);
  SkipToCharacter(')');
  pToken->text = result;
  pToken->eClass = TOK_STRING;
}
