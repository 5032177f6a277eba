// The host family's single-number properties: effect version, info flags,
// the reserved pair and both global-flags forms. Each is a key block and one
// 32-bit value read as an expression; they differ only in their row.
#include "driver/writer.h"
#include "proplist/properties.h"
#include "proplist/record.h"
#include "source/expression.h"
#include "source/lexer.h"

namespace {

struct ZRNumericProperty {
  const char* parser;    ///< the name its messages begin with
  const char* keyBlock;  ///< key, property id and length lines
};

// The info-flags length field says 2 although a full 32-bit value follows, and
// only the two global-flags blocks end their length line with a comma; both
// are kept exactly as they stand.
constexpr ZRNumericProperty kInfoFlags{
    "ParseZRInfoFlags", "\t0x65494E46L, /* 'eINF' */\n\t0L,\n\t2L\n"};
constexpr ZRNumericProperty kEffectVersion{
    "ParseZREffectVersion", "\t0x65564552L, /* 'eVER' */\n\t0L,\n\t4L\n"};
constexpr ZRNumericProperty kReserved{
    "ParseZRReserved", "\t0x7A725244L, /* 'zrRD' */\n\t0L,\n\t4L\n"};
constexpr ZRNumericProperty kReservedInfo{
    "ParseZRReservedInfo", "\t0x7A72464CL, /* 'zrFL' */\n\t0L,\n\t4L\n"};
constexpr ZRNumericProperty kGlobalFlags{
    "ParseZRGlobalFlags", "\t\"OLGe\", /* 'eGLO' */\n\t0L,\n\t4L,\n"};
constexpr ZRNumericProperty kGlobalFlags2{
    "ParseZRGlobalFlags", "\t\"2LGe\", /* 'eGL2' */\n\t0L,\n\t4L,\n"};

/// The expression leaves its closing brace unread for the last check.
void ParseZRNumeric(const ZRNumericProperty& property) {
  ExpectTokenIn(TOK_LBRACE, property.parser, "Open Brace Expected!");
  WriteVendorCode();
  WriteFormatted(Out(), "%s", property.keyBlock);
  long value = VORL_GetExpression();
  WriteFormatted(Out(), "\t%ldL, \n", value);
  ExpectTokenIn(TOK_RBRACE, property.parser, "CloseBrace Expected");
}

}  // namespace

void ParseZRInfoFlags() { ParseZRNumeric(kInfoFlags); }
void ParseZREffectVersion() { ParseZRNumeric(kEffectVersion); }
void ParseZRReserved() { ParseZRNumeric(kReserved); }
void ParseZRReservedInfo() { ParseZRNumeric(kReservedInfo); }
void ParseZRGlobalFlags(bool secondForm) {
  ParseZRNumeric(secondForm ? kGlobalFlags2 : kGlobalFlags);
}
void ParseZRGlobalFlags1() { ParseZRGlobalFlags(false); }
void ParseZRGlobalFlags2() { ParseZRGlobalFlags(true); }
