// ZR_ImageFormat_Extension_Info: the host's image-format extension data,
// major and minor version, flags, a reserved zero and a signature.
#include "proplist/property_list.h"

void PropertyList::ParseFormatExtension(const PropertyRow& row) {
  const char* parser = row.parser;
  ExpectToken(TOK_LBRACE, parser, "Open Brace Expected!");
  const SignedPair version = ReadSignedPair(parser);
  ExpectToken(TOK_COMMA, parser, "COMMA Expected");
  // The list ends at a close brace, or after its last name and its comma.
  // Its comma messages are those of the image modes' list.
  const long flags = ReadNamedFlags(
      {row, parser, RowOf(KW_SupportedModes).parser, row.names.size()});
  WriteHead(row);
  out_.WriteFormatted("\t%d, %d,\n", version.first, version.second);
  out_.WriteFormatted("\t%ldL,\n", flags);
  // The signature's messages are those of the file-type pair it mirrors.
  const char* fileType = RowOf(KW_FmtFileType).parser;
  ExpectFourCharLiteral(fileType);
  out_.WriteFormatted("\tRSCS32(0),\n");
  WriteCodeLine(pToken->code, true);
  ExpectToken(TOK_RBRACE, fileType, "Close brace expected!");
}
