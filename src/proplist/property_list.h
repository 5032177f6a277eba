// Property-list resources ('Vorl' and 'TzAv'): the resource header, the block
// around the properties, the back-patched property count, the body loop, and
// one routine per family of properties, driven by the property's row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/diagnostics.h"
#include "base/writer.h"
#include "proplist/name_lists.h"
#include "proplist/property_rows.h"
#include "source/lexer.h"
#include "source/tokens.h"

class WordCheck;

/// The converter of one property-list statement. It pulls the statement's
/// tokens from the lexer and writes one resource block to the script as it
/// parses; the statement loop makes one for each statement.
class PropertyList {
 public:
  /// In preprocessing mode `wordCheck` reads the words that name nothing
  /// where they stand; null in the plain reading.
  PropertyList(Lexer& lexer, ScriptWriter& out, WordCheck* wordCheck)
      : lexer_(lexer), out_(out), wordCheck_(wordCheck), pToken(lexer.pToken) {}

  /// With the type literal current; converts through the statement's
  /// semicolon into a block headed by `type` ("Vorl" or "TzAv").
  void ConvertVorl(const char* type);

 private:
  // The framing and the body loop (framing.cpp).
  void SkipToCloseParanthesis();
  void ParseVorlBody();
  /// Calls the routine of the row's family.
  void ParseProperty(const PropertyRow& row);

  // One routine per family, in the file named after it. Each is entered with
  // its keyword current, reads the braced value through its closing brace
  // and writes one property record by the row; the body loop counts it and
  // writes the line end after it.
  void SkipUnsupported(const PropertyRow& row);        // identity.cpp
  void ParseKind(const PropertyRow& row);              // identity.cpp
  void ParseVersion(const PropertyRow& row);           // identity.cpp
  void ParseCode(const PropertyRow& row);              // identity.cpp
  void ParseLengthPrefixed(const PropertyRow& row);    // string_properties.cpp
  void ParseZeroTerminated(const PropertyRow& row);    // string_properties.cpp
  void ParseNumber(const PropertyRow& row);            // numbers.cpp
  void ParseFlags(const PropertyRow& row);             // flags.cpp
  void ParseFilterCase(const PropertyRow& row);        // filter_case.cpp
  void ParseWordPair(const PropertyRow& row);          // words.cpp
  void ParseWords(const PropertyRow& row);             // words.cpp
  void ParseFileType(const PropertyRow& row);          // lists.cpp
  void ParseCodeList(const PropertyRow& row);          // lists.cpp
  void ParseTerminology(const PropertyRow& row);       // terminology.cpp
  void ParseFormatExtension(const PropertyRow& row);   // format_extension.cpp

  // What every record shares (property_list.cpp).
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
  /// Two signed 16-bit items, as "a, b" holds them.
  struct SignedPair {
    int first;
    int second;
  };
  /// Reads "a, b": two number items, each taken as its low 16 bits read as a
  /// signed word (values above 32767 become negative). A missing number fails
  /// with "<parser>: Number Expected", a missing comma with "<parser>: COMMA Expected".
  SignedPair ReadSignedPair(const char* parser);
  /// How a list of flag names is read: names outside the table set nothing.
  struct FlagList {
    const PropertyRow& row;  ///< the property, whose names the list takes
    const char* parser;  ///< the name its "Unsupported Token!" begins with
    /// The name its "Comma Expected" begins with; null when the token between
    /// two names is taken as their separator unchecked.
    const char* commaParser;
    /// After this many names and their separators the list ends; 0 when only
    /// its closing brace ends it.
    std::size_t maxNames;
  };
  /// Reads the names of a flag list, its open brace already read, through
  /// its closing brace (or its last allowed name), and returns their bits.
  unsigned ReadNamedFlags(const FlagList& list);
  /// With a word current that is none of `list`'s names: in preprocessing
  /// mode, fails where another word fails there anyway, else warns where a
  /// name is near. The plain reading goes on as it always has.
  void CheckName(const NameList& list);
  /// Reads a number item and returns it: a number token, unless it is one
  /// failing with "<parser>: <what>"; in preprocessing mode a C expression
  /// (ReadValue), its end left to be read.
  int32_t ReadNumber(const char* parser, const char* what);
  /// Reads a numeric value and returns it: in the plain reading by
  /// VORL_GetExpression, in preprocessing mode as ReadNumber does.
  int32_t ReadExpression();
  /// Writes the record's head: the vendor code, the key, the property id and
  /// the length where the row fixes it (else everything before it).
  void WriteHead(const PropertyRow& row) { out_.WriteFront(row.head.text, row.head.size); }
  /// Writes a code's four characters as "\t\"%c%c%c%c\", \n", last character
  /// first when `reversed`.
  void WriteCodeLine(const char* code, bool reversed);

  Lexer& lexer_;
  ScriptWriter& out_;
  WordCheck* const wordCheck_;
  const Token* const pToken;
  int16_t propertyCount_ = 0;
};
