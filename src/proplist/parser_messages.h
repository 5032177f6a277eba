// Messages of the table-driven property families: each member fails with its
// own parser's name in front of a text the family shares.
#pragma once

/// Fails with "<parser>: <what>". Never returns.
[[noreturn]] void FailIn(const char* parser, const char* what);

/// Reads a token; unless it has class `tokenClass`, fails with "<parser>: <what>".
void ExpectTokenIn(int tokenClass, const char* parser, const char* what);
