// The backslash escapes of 'LStr' elements. The lexer keeps escapes as
// written; they are decoded here, once the adjacent literals of an element
// have been joined.
#pragma once

class Locale;

/// Decodes the escapes of a zero-terminated element in place:
///   \"  a double quote      \n, \r  byte 0x0D      \t  byte 0x09
///   \0x followed by a hexadecimal number: its low 8 bits as one byte, the
///       escape taking five characters (the number's third digit and on stay)
/// Any other backslash stays as it is. The second byte of a double-byte
/// character is never taken for a backslash. A decoded zero byte ends the
/// element. The locale says which bytes are lead bytes.
void DecodeLStrEscapes(char* element, const Locale& locale);
