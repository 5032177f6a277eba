// The table-driven lexer: one current Token, one token of push-back.
#pragma once

#include "source/tokens.h"

/// Fills the character class table. Call after SelectLocale and after the
/// input is open: which bytes begin identifiers depends on the locale.
void InitLexer();

/// Reads the next token into *pToken (or returns the pushed-back one).
void GetToken();

/// Pushes back the current token; a second push-back is a failure.
void UngetToken();

/// Cancels a pending push-back: after a raw skip or the end of an include,
/// the next token is read from the input.
void CancelTokenPushBack();

/// True when the current token is a four-character literal that holds four
/// characters; shorter literals are refused by the property parsers.
bool IsFourCharLiteral();

/// Forgets everything the lexer holds (the Token, buffers, push-back).
void ResetLexer();
