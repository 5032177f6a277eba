// The id in the header of a resource statement, as property lists and
// string lists both read it.
#pragma once

#include <cstdint>

class Lexer;

/// Reads a resource id: after any opening parentheses, an integer or a minus
/// sign and an integer, then any number of "+ integer" and "- integer"
/// terms, taken left to right in 32 bits that wrap. A macro defined as a
/// number arrives as an integer, and digits on one line as one folded
/// integer. The token after the id is pushed back. Fails with `failure`
/// where an integer is missing, and where * / | or < follows the id, so that
/// no operator is dropped unseen. In preprocessing mode, with the header's
/// opening parenthesis read, the id is a C expression (ReadValue).
int32_t GetResourceID(Lexer& lexer, const char* failure);
