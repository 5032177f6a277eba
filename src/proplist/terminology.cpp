// The scripting terminology record. Its length line comes before the lines
// whose sizes decide it, so the record's data is composed in memory first and
// written whole once the length is known.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/printf_format.h"
#include "proplist/property_list.h"

namespace {

/// Version, class id, event id and terminology id before the string part.
constexpr int kFixedTerminologyBytes = 4 + 4 + 4 + 2;

VORL_PRINTF_FORMAT(2, 3) void AppendFormatted(std::string& out, const char* format, ...) {
  char line[kStringMax + 64];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  out += line;
}

/// A four-character code, last character first, with its comment.
void AppendReversedCode(std::string& out, const char* code, const char* comment) {
  AppendFormatted(out, "\t\"%c%c%c%c\", /* %s */\n", code[3], code[2], code[1], code[0],
                  comment);
}

/// The string with its terminator, padded to an even length: one "\0" when
/// the text's length is odd, four when it is even. Returns the part's size.
int AppendStringPart(std::string& out, const char* text) {
  int count = static_cast<int>(std::strlen(text));
  bool needsPadding = (count + 1) % 2 == 1;
  int escapes = needsPadding ? 4 : 1;
  out += "\t\"";
  out += text;
  for (int i = 0; i < escapes; ++i) out += "\\0";
  out += "\", \n";
  return count + escapes;
}

}  // namespace

void PropertyList::ParseTerminology() {
  const char* parser = "ParseTerminology";
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  std::string data = "\tRSCS32(0), /* version */\n";
  ExpectFourCharLiteral(parser);
  AppendReversedCode(data, pToken->code, "classID");
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  ExpectFourCharLiteral(parser);
  AppendReversedCode(data, pToken->code, "eventID");
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  ExpectToken(TOK_NUMBER, parser, "Terminology ID expected!");
  AppendFormatted(data, "\t%d, /* Terminology ID */", static_cast<int>(pToken->value));
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  ExpectToken(TOK_STRING, parser, "String expected!");
  int length = kFixedTerminologyBytes + AppendStringPart(data, pToken->text);
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");

  WriteVendorCode();
  out_.WriteFormatted("\t\"mtsh\", /* 'hstm' PITerminology */\n\tRSCS32(0),\n\t");
  out_.WriteFormatted("RSCS32(%d),\n", length);
  out_.WriteFormatted("%s", data.c_str());
}
