// What every property record shares: the vendor code, token expectations,
// four-character codes and the string-field padding rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

struct OutStream;

/// The resource script the property parsers write to.
OutStream* Out();

/// Writes the vendor-code line every record starts with.
void WriteVendorCode();

/// Reads a token; unless it has class `tokenClass`, fails with `message`.
void ExpectToken(int tokenClass, const char* message);
/// Fails with "<parser>: <what>": a table-driven family's member names itself.
[[noreturn]] void FailIn(const char* parser, const char* what);
/// Reads a token; unless it has class `tokenClass`, fails with "<parser>: <what>".
void ExpectTokenIn(int tokenClass, const char* parser, const char* what);

/// Reads a number token, else fails with "<parser>: Number Expected"; returns
/// its low 16 bits as a signed word (values above 32767 become negative).
int16_t ExpectSignedWord(const char* parser);

/// Reads a token; unless it is a four-character literal, fails with `message`.
void ExpectFourCharLiteral(const char* message);

/// Writes the current literal's four characters as "\t\"%c%c%c%c\", \n",
/// last character first when `reversed`.
void WriteCodeLine(bool reversed);

/// A name a property accepts and the bits (or byte) it stands for.
struct NamedBits {
  const char* name;
  unsigned bits;
};

/// The entry of `table` whose name is `name`, or null.
const NamedBits* FindName(std::span<const NamedBits> table, const char* name);
/// The bits `name` stands for in `table`; 0 for a name the table does not hold.
unsigned BitsOfName(std::span<const NamedBits> table, const char* name);

/// How many characters longer the text is than the bytes its escapes stand
/// for. Never counts past the end of the text.
int CountEscapeExtras(const char* text);

/// A string's data as the record holds it: the text with its "\0" padding
/// escapes appended, and the record's length field.
constexpr std::size_t kStringFieldSize = 300;
struct StringField {
  char text[kStringFieldSize] = {};
  int length = 0;
};

/// Length-prefixed field of `byteCount` bytes (Name, Category, match name,
/// support address): padded so that length byte + text fill whole 32-bit words.
/// Fails with `tooLongMessage` when byteCount exceeds 255.
StringField BuildLengthPrefixedField(const char* text, int byteCount,
                                     const char* tooLongMessage);
/// Zero-terminated field (entry points): the terminator, then padding to a
/// whole number of 32-bit words.
StringField BuildZeroTerminatedField(const char* text);
/// A property whose value is one length-prefixed string: Name, Category, the
/// host's match name and support address.
struct LengthPrefixedProperty {
  const char* parser;   ///< the name its messages begin with
  const char* keyLine;  ///< key, id and length lines; %d takes the padded length
  /// Whether the length byte counts the bytes the escapes stand for (the
  /// host's strings) or the characters they are written with (Name, Category).
  bool escapesAsBytes;
};

/// Reads `{ string }` and writes the record: key lines, then the length byte
/// and the padded text.
void ParseLengthPrefixedProperty(const LengthPrefixedProperty& property);

/// Appends `count` copies of the escape "\0" to the field's text.
void AppendZeroEscapes(StringField& field, int count);
