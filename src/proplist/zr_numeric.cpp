// The single-number properties: the host family's effect version, info
// flags, the reserved pair and both global-flags forms here, Priority with the
// identity. Each is a key block and one 32-bit value read as an expression;
// they differ only in their row.
#include "proplist/property_list.h"
#include "source/expression.h"

namespace {

// The info-flags length field says 2 although a full 32-bit value follows, and
// only the two global-flags blocks end their length line with a comma; both
// are kept exactly as they stand.
constexpr NumericProperty kInfoFlags{
    "ParseZRInfoFlags", "\t0x65494E46L, /* 'eINF' */\n\t0L,\n\t2L\n"};
constexpr NumericProperty kEffectVersion{
    "ParseZREffectVersion", "\t0x65564552L, /* 'eVER' */\n\t0L,\n\t4L\n"};
constexpr NumericProperty kReserved{
    "ParseZRReserved", "\t0x7A725244L, /* 'zrRD' */\n\t0L,\n\t4L\n"};
constexpr NumericProperty kReservedInfo{
    "ParseZRReservedInfo", "\t0x7A72464CL, /* 'zrFL' */\n\t0L,\n\t4L\n"};
constexpr NumericProperty kGlobalFlags{
    "ParseZRGlobalFlags", "\t\"OLGe\", /* 'eGLO' */\n\t0L,\n\t4L,\n"};
constexpr NumericProperty kGlobalFlags2{
    "ParseZRGlobalFlags", "\t\"2LGe\", /* 'eGL2' */\n\t0L,\n\t4L,\n"};

}  // namespace

/// The expression leaves its closing brace unread for the last check.
void PropertyList::ParseNumericProperty(const NumericProperty& property) {
  ExpectToken(TOK_LBRACE, property.parser, "Open Brace Expected!");
  WriteVendorCode();
  out_.WriteFormatted(property.keyBlock);
  long value = VORL_GetExpression(lexer_);
  out_.WriteFormatted("\t%ldL, \n", value);
  ExpectToken(TOK_RBRACE, property.parser, "CloseBrace Expected");
}

void PropertyList::ParseZRInfoFlags() { ParseNumericProperty(kInfoFlags); }
void PropertyList::ParseZREffectVersion() { ParseNumericProperty(kEffectVersion); }
void PropertyList::ParseZRReserved() { ParseNumericProperty(kReserved); }
void PropertyList::ParseZRReservedInfo() { ParseNumericProperty(kReservedInfo); }
void PropertyList::ParseZRGlobalFlags1() { ParseNumericProperty(kGlobalFlags); }
void PropertyList::ParseZRGlobalFlags2() { ParseNumericProperty(kGlobalFlags2); }
