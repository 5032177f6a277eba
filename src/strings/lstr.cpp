// The 'LStr' converter: a list of strings becomes one block of 16-bit words,
// the word 0, the element count in big-endian order, then every element with
// its zero byte, packed two bytes to a word.
#include "strings/lstr.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/diagnostics.h"
#include "base/writer.h"
#include "source/lexer.h"
#include "source/resource_id.h"
#include "strings/lstr_escapes.h"
#include "strings/string_pool.h"

namespace {

/// One element while its literals are joined: at most 1,023 characters.
constexpr std::size_t kElementSize = 1024;
/// The count is written as 16 bits; a longer list could not say its length.
constexpr unsigned kMaxElements = 0xFFFF;

constexpr const char* kPrematureEnd = "Premature End of file, while processing LStr";

/// Joins the adjacent string literals of one element, from the current string
/// token up to the comma or closing brace that ends it. Other tokens in between
/// add nothing.
void ReadElement(Lexer& lexer, char (&element)[kElementSize]) {
  const Token* pToken = lexer.pToken;
  std::size_t length = 0;
  element[0] = '\0';
  while (pToken->eClass != TOK_COMMA && pToken->eClass != TOK_RBRACE) {
    if (pToken->eClass == TOK_EOF) FatalError(kPrematureEnd);
    if (pToken->eClass == TOK_STRING) {
      const std::size_t added = std::strlen(pToken->text);
      if (added >= kElementSize - length) FatalError("LStr element too long");
      std::memcpy(element + length, pToken->text, added + 1);
      length += added;
    }
    lexer.GetToken();
  }
}

/// The two bytes of value exchanged: a word written swapped compiles to the
/// big-endian order of the Macintosh resource.
uint16_t SwapBytes16(uint16_t value) {
  return static_cast<uint16_t>((value >> 8) | ((value & 0xFF) << 8));
}

}  // namespace

void ConvertLStr(Lexer& lexer, ScriptWriter& out, StringPool& pool, const char* type) {
  const Token* pToken = lexer.pToken;
  lexer.SkipToCharacter('(');
  // The id as the header writes it, terms and all, as a property list reads
  // it: the plug-in loads its strings by that number. The token the reader
  // looked at after the id is dropped, and the name and attributes after it
  // are not read: raw skips pass them.
  const int32_t id = GetResourceID(lexer, "integer expected");
  lexer.SkipToCharacter('{');
  lexer.SkipToCharacter('{');
  lexer.GetToken();
  out.WriteFormatted("%d\t%s\tDISCARDABLE\nBEGIN\n\t0,\n\t", id, type);

  pool.ResetStringPool();
  unsigned count = 0;
  char element[kElementSize];
  for (;;) {
    if (pToken->eClass == TOK_STRING) {
      ReadElement(lexer, element);
      if (count == kMaxElements) FatalError("LStr resource too large");
      DecodeLStrEscapes(element, lexer.locale());
      pool.AppendPoolString(element);
      ++count;
    }
    if (pToken->eClass != TOK_RBRACE) lexer.GetToken();
    if (pToken->eClass == TOK_RBRACE) break;
    if (pToken->eClass == TOK_EOF) FatalError(kPrematureEnd);
  }

  const uint16_t swappedCount = SwapBytes16(static_cast<uint16_t>(count));
  out.WriteFormatted("0x%04hx, ", swappedCount);
  pool.WritePoolWords(out);
  out.WriteFormatted("\nEND\n\n");

  lexer.GetToken();  // the closing brace of the resource body
  lexer.GetToken();
  if (pToken->eClass != TOK_SEMICOLON) FatalError("Semicolon expected");
}
