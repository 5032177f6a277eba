// Every property parser of a property list. Each is entered with its property
// keyword current, reads the braced value through its closing brace and writes
// one property record; the body loop counts it and writes the line end after it.
#pragma once

#define STATEMENT(text, cls, num)
#define PROPERTY(word, num, parser) void parser();
#define KIND(word, num, code)
#include "source/keywords.def"
#undef STATEMENT
#undef PROPERTY
#undef KIND

/// The two entry-point properties share one parser; true selects CodeWin64X86.
void ParseCodeWinOSX86(bool is64Bit);

/// The two global-flags properties share one parser; true selects
/// ZR_Effect_Global_OutFlags_2.
void ParseZRGlobalFlags(bool secondForm);
