// The padding of the strings property records hold: how many bytes a text
// stands for, and the "\0" escapes that complete it to whole words.
#pragma once

/// The most bytes the length byte of a length-prefixed field can say.
constexpr int kLengthByteMost = 255;

/// How many characters longer the text is than the bytes its escapes stand
/// for. Never counts past the end of the text.
int CountEscapeExtras(const char* text);

/// A string's data as the record holds it: the text, then its "\0" padding
/// escapes, and the record's length field. The text is not copied: the field
/// lives no longer than the text it is made of.
struct StringField {
  const char* text = "";
  const char* padding = "";
  int length = 0;
};

/// Length-prefixed field (Name, Category, the host's strings) of a text that
/// stands for `byteCount` bytes: padding to whole 32-bit words, counting the
/// length byte.
StringField BuildLengthPrefixedField(const char* text, int byteCount);

/// Zero-terminated field (entry points): the terminator, then padding to a
/// whole number of 32-bit words.
StringField BuildZeroTerminatedField(const char* text);

/// The terminology's string part: the terminator, padded to an even length
/// (one "\0" when the text's length is odd, four when it is even); its
/// length is the part's size in bytes.
StringField BuildTerminologyField(const char* text);
