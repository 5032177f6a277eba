// The scripting terminology record. Its length line comes before the lines
// whose sizes decide it, so the record's values are all read first and the
// record written whole once its length is known.
#include <cstring>
#include <string>

#include "proplist/property_list.h"
#include "proplist/string_field.h"

void PropertyList::ParseTerminology(const PropertyRow& row) {
  const char* parser = row.parser;
  // A four-character literal's characters, kept past the tokens that follow.
  struct Code {
    char c[4];
  };
  auto readCode = [&] {
    ExpectFourCharLiteral(parser);
    Code code;
    std::memcpy(code.c, pToken->code, sizeof code.c);
    return code;
  };
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  const Code classID = readCode();
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  const Code eventID = readCode();
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  const int terminologyID = static_cast<int>(ReadNumber(parser, "Terminology ID expected!"));
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  ExpectToken(TOK_STRING, parser, "String expected!");
  // The text is kept past the token that follows it.
  const std::string text = pToken->text;
  const StringField part = BuildTerminologyField(text.c_str());
  ExpectToken(TOK_RBRACE, parser, "CloseBrace Expected");

  WriteHead(row);
  out_.WriteFormatted("%d),\n\tRSCS32(0), /* version */\n", kTerminologyFixedBytes + part.length);
  const char* c = classID.c;
  out_.WriteFormatted("\t\"%c%c%c%c\", /* classID */\n", c[3], c[2], c[1], c[0]);
  c = eventID.c;
  out_.WriteFormatted("\t\"%c%c%c%c\", /* eventID */\n", c[3], c[2], c[1], c[0]);
  out_.WriteFormatted("\t%d, /* Terminology ID */", terminologyID);
  out_.WriteFormatted("\t\"%s%s\", \n", part.text, part.padding);
}
