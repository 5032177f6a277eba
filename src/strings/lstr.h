// 'LStr' string lists: one block of 16-bit words per list.
#pragma once

#include <cstdint>

struct OutStream;

/// The stream the blocks go to; the statement loop sets it before the first
/// statement is read.
void SetLStrOutput(OutStream* stream);
/// With the type literal LStr current; converts through the statement's semicolon.
void ConvertLStr();
/// The two bytes of value exchanged: a word written swapped compiles to the
/// big-endian order of the Macintosh resource.
uint16_t SwapBytes16(uint16_t value);
/// Frees the string pool and forgets the stream.
void ResetLStr();
