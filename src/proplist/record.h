// What property records share besides the converter's own helpers: name
// tables, the rows of the families that more than one file holds, and the
// string-field padding rules.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "base/script_format.h"

/// A name a property accepts and the bits (or byte) it stands for. Names are
/// string literals, so `name.data()` is a C string too.
struct NamedBits {
  std::string_view name;
  unsigned bits;
};

/// The entry of `table` whose name is `name`, or null.
const NamedBits* FindName(std::span<const NamedBits> table, std::string_view name);

/// How a list of flag names is read: names outside the table set nothing.
struct FlagList {
  std::span<const NamedBits> names;
  const char* parser;       ///< the name its "Unsupported Token!" begins with
  /// The name its "Comma Expected" begins with; null when the token between
  /// two names is taken as their separator unchecked.
  const char* commaParser;
  /// After this many names and their separators the list ends; 0 when only
  /// its closing brace ends it.
  int maxNames;
};

/// Two signed 16-bit items, as "a, b" holds them.
struct SignedPair {
  int first;
  int second;
};

struct RecordShape;

/// A property whose value is one length-prefixed string: Name, Category, the
/// host's match name and support address.
struct LengthPrefixedProperty {
  const char* parser;          ///< the name its messages begin with
  ScriptFormat<int> keyLine;   ///< key, id and length lines; %d takes the padded length
  /// Its row, which says whether the length byte counts the bytes the escapes
  /// stand for (the host's strings) or the characters they are written with
  /// (Name, Category).
  const RecordShape* shape;
};

/// A property whose value is one 32-bit number, read as an expression:
/// Priority and the host's single numbers.
struct NumericProperty {
  const char* parser;       ///< the name its messages begin with
  ScriptFormat<> keyBlock;  ///< key, property id and length lines
};

/// A property whose value is a pair "a, b" of signed words: FormatMaxSize
/// (the pair in a second pair of braces) and the host's two versions.
struct PairProperty {
  const char* parser;       ///< the name its messages begin with
  ScriptFormat<> keyBlock;  ///< key, property id and length lines
  bool nested;              ///< the pair stands in braces of its own
};

/// How many characters longer the text is than the bytes its escapes stand
/// for. Never counts past the end of the text.
int CountEscapeExtras(const char* text);

/// A string's data as the record holds it: the text with its "\0" padding
/// escapes appended, and the record's length field.
constexpr std::size_t kStringFieldSize = 300;
struct StringField {
  char text[kStringFieldSize];  ///< terminated at `size`
  std::size_t size = 0;
  int length = 0;
};

/// Zero-terminated field (entry points): the terminator, then padding to a
/// whole number of 32-bit words.
StringField BuildZeroTerminatedField(const char* text);

/// The terminology's string part: the terminator, padded to an even length
/// (one "\0" when the text's length is odd, four when it is even); its
/// length is the part's size in bytes.
StringField BuildTerminologyField(const char* text);
