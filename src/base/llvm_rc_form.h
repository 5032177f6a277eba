// The script in the form llvm-rc takes: its string literals without a byte
// from 0x80 to 0x9F.
//
// llvm-rc reads a narrow string of a user-defined resource through the code
// page, so a byte from 0x80 to 0x9F (or an escape that stands for one)
// becomes a character above 255, which it refuses; other resource compilers
// put the byte in. A 16-bit number puts any two bytes in, with every
// compiler. So each such byte is written together with a neighbour as one
// number, least significant byte first, and the bytes around them stay in
// literals as they were written: "\x05Caf\x8E\0\0" becomes
// "\x05Caf", 0x008E, "\0".
#pragma once

#include <string>
#include <string_view>

#include "base/locale.h"

/// Appends `script` to `out` with every string literal that holds a byte from
/// 0x80 to 0x9F rewritten as literals and 16-bit numbers that compile to the
/// same bytes. The bytes of a literal are those a resource compiler reads
/// from it: raw bytes, and the escapes that every compiler reads alike
/// (\x and up to two hexadecimal digits, up to three octal digits, \n, \r,
/// \t, \\ and a doubled quote); another escape is kept where it stands and
/// never paired. In a language with double-byte characters, the byte after a
/// lead byte is its second, taken as it stands, as the script's own code page
/// reads it: a backslash there begins no escape, and goes into a number too,
/// which llvm-rc, reading one byte at a time, cannot take for one. A literal with no way to
/// pair each such byte with a neighbour (a single byte, or both ends of
/// three), and text outside literals, are copied as they are.
void AppendForLlvmRc(std::string_view script, const Locale& locale, std::string& out);
