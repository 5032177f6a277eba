// 'LStr' string lists: one block of 16-bit words per list.
#pragma once

class Lexer;
class ScriptWriter;
class StringPool;

/// With the type literal LStr current: converts the statement through its
/// semicolon, reading from `lexer` and writing the block, headed by `type`,
/// to `out`; the elements are gathered in the run's `pool`.
void ConvertLStr(Lexer& lexer, ScriptWriter& out, StringPool& pool, const char* type);
