// What the lexer's handler files share. Not for parsers.
#pragma once

#include <cstdint>

/// Reads a byte, counting a line feed, as GetToken does before dispatching.
int ReadCountedByte();

/// The number scanner, called with the first digit: folds simple arithmetic
/// on the same line into one number.
int32_t ScanNumber(int firstDigit);

/// The $$ format construct, called after the second $: leaves a string token
/// whose text is the formatted number.
void ScanFormatConstruct();

/// The format-result buffer the $$ construct writes into.
char* FormatResultBuffer();
