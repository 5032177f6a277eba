// The statement loops of the main file and of included files.
#pragma once

/// The top-level loop over the main file; returns at its end of input.
void ParseStatements();
/// With data or resource current: reads the type and converts or skips.
void DispatchResource();
/// Skips one statement (through its semicolon, or to the next resource keyword).
void SkipStatement();
/// Skips to the brace closing the block whose opening brace was just read.
void SkipBlock();
/// The loop over an included file; returns at that file's end of input.
void ParseIncludedStatements();
