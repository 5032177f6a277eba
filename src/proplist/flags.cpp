// Flag-list properties: the image modes a plug-in supports (two flag bytes),
// and the one-byte capability flags of file formats (FormatFlags,
// FormatICCFlags) and export modules (ExportFlags). Names outside a
// property's table set nothing.
#include "proplist/property_list.h"

void PropertyList::ParseFlags(const PropertyRow& row) {
  ExpectToken(TOK_LBRACE, row.parser, "Open Brace Expected!");
  // Between two image modes stands a comma; between two one-byte flags the
  // token is taken as their separator without being looked at. Only the
  // closing brace ends either list.
  const bool modes = row.layout == RecordLayout::kModes;
  const unsigned flags = ReadNamedFlags({row, row.parser, modes ? row.parser : nullptr, 0});
  WriteHead(row);
  if (modes)
    out_.WriteFormatted("\t\"\\x%02X\\x%02X\\0\\0\",\n", flags >> 8, flags & 0xFFu);
  else
    out_.WriteFormatted("\t\"\\x%02X\\0\\0\\0\",\n", flags);
}
