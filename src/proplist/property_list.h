// Property-list resources ('Vorl' and 'TzAv'): the resource header, the block
// around the properties, the back-patched property count, the body loop, and
// one parser per property.
#pragma once

#include <cstdint>

#include "base/diagnostics.h"
#include "base/writer.h"
#include "proplist/record.h"
#include "source/lexer.h"
#include "source/tokens.h"

// The rows of the families whose routine one file holds.
struct FlagByteProperty;
struct ListProperty;

/// The converter of one property-list statement. It pulls the statement's
/// tokens from the lexer and writes one resource block to the script as it
/// parses; the statement loop makes one for each statement.
class PropertyList {
 public:
  PropertyList(Lexer& lexer, ScriptWriter& out) : lexer_(lexer), out_(out), pToken(lexer.pToken) {}

  /// With the type literal current; converts through the statement's semicolon.
  void ConvertVorl();

 private:
  // The framing (framing.cpp).
  int32_t GetResourceID();
  void SkipToCloseParanthesis();
  void ParseVorlBody();
  /// Calls the parser of the property keyword class `keyword`; false when
  /// the class names no property.
  bool ParseProperty(int32_t keyword);

  // One parser per property keyword. Each is entered with its keyword
  // current, reads the braced value through its closing brace and writes one
  // property record; the body loop counts it and writes the line end after it.
#define PROPERTY(word, num, parser) void parser();
#include "source/keywords.def"
  /// The two entry-point properties share one parser; true selects CodeWin64X86.
  void ParseCodeWinOSX86(bool is64Bit);

  // The routines of the table-driven families, one row per member.
  void ParseLengthPrefixedProperty(const LengthPrefixedProperty& property);  // record.cpp
  void ParseFlagByteProperty(const FlagByteProperty& property);              // flags.cpp
  void ParsePairProperty(const PairProperty& property);                      // host.cpp
  void ParseListProperty(const ListProperty& list);                          // lists.cpp
  void ParseNumericProperty(const NumericProperty& property);                // zr_numeric.cpp

  // What every record shares (record.cpp).
  void GetToken() { lexer_.GetToken(); }
  void UngetToken() { lexer_.UngetToken(); }
  /// Reads a token; unless it has class `tokenClass`, fails with "<parser>: <what>".
  void ExpectToken(int tokenClass, const char* parser, const char* what) {
    GetToken();
    if (pToken->eClass != tokenClass) FailIn(parser, what);
  }
  /// Reads a token; unless it is a four-character literal, fails with
  /// "<parser>: Type expected!".
  void ExpectFourCharLiteral(const char* parser);
  /// Reads "a, b": two number items, each taken as its low 16 bits read as a
  /// signed word (values above 32767 become negative). A missing number fails
  /// with "<parser>: Number Expected", a missing comma with "<parser>: COMMA Expected".
  SignedPair ReadSignedPair(const char* parser);
  /// Reads the names of a flag list, its open brace already read, through
  /// its closing brace (or its last allowed name), and returns their bits.
  unsigned ReadNamedFlags(const FlagList& list);
  /// Writes the vendor-code line every record starts with.
  void WriteVendorCode();
  /// Writes the current literal's four characters as "\t\"%c%c%c%c\", \n",
  /// last character first when `reversed`.
  void WriteCodeLine(bool reversed);

  Lexer& lexer_;
  ScriptWriter& out_;
  const Token* const pToken;
  int16_t propertyCount_ = 0;
};
