// The preprocessor: #define, #include, and every other directive skipped.
#pragma once

/// With a TOK_DIRECTIVE current (its name in pToken->name).
void HandleDirective();
void DefineMacro();
/// For #include, and for the include keyword outside a directive (then it only
/// skips the line).
void IncludeDirective();
/// Reads an included file through its own statement loop.
void IncludeFile(const char* path);
void ResetPreprocessor();
