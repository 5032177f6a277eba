// The resource script writer: one buffered output stream, its prelude, its
// recorded path, and fixed-width placeholders patched once their value is known.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/printf_format.h"

struct OutStream;

/// Creates the resource script (existing content discarded), records its path
/// for the failure exit and writes the macro prelude. When it cannot be created:
/// "Unable to open output file %s\n" on standard output and status 1, nothing
/// removed.
OutStream* OpenOutput(const char* path);

/// The open resource script, or null before OpenOutput.
OutStream* ScriptOutput();

/// Formatted text to the stream. Write errors end the run with
/// "Unable to write output file %s\n".
void WriteFormatted(OutStream* stream, const char* format, ...) VORL_PRINTF_FORMAT(2, 3);

/// Appends `length` bytes of text as they are: the fast way for text a caller
/// has already laid out.
void WriteText(OutStream* stream, const char* text, std::size_t length);

/// A fixed-width number written now and overwritten later. While a placeholder
/// is open the stream keeps everything from it on in memory, so patching works
/// on any output, seekable or not.
struct Placeholder {
  std::size_t offset = 0;
  std::size_t width = 0;
};

/// Writes value with format (a long conversion, for example "%3ld") and remembers where.
Placeholder WritePlaceholder(OutStream* stream, const char* format, long value);
/// Overwrites the placeholder with value in the same format. The caller keeps
/// the value within the width; the overwrite never changes the text's length.
void PatchPlaceholder(OutStream* stream, const Placeholder& where, const char* format,
                      long value);

/// Flushes and closes the script at the end of a complete run; a write error
/// fails the run.
void FinishOutput();

/// After a failure: closes the script (errors ignored) and removes the file if
/// its path is a regular file, never through a link.
void DiscardOutput();

void ResetWriter();
