// The resource script writer.
//
// Text is gathered in one buffer and written out in large pieces. While a
// placeholder is open (a count not yet known), nothing from it on leaves the
// buffer, so the count is patched in memory and the output need not be
// seekable. Every write, the final flush and the close are checked.
#include "driver/writer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "base/platform.h"
#include "driver/diagnostics.h"

struct OutStream {
  std::unique_ptr<platform::OutputFile> file;
  std::string path;
  std::string pending;          ///< text not yet handed to the file
  std::size_t flushedBytes = 0; ///< bytes already handed to the file
  int openPlaceholders = 0;
};

namespace {

constexpr std::size_t kFlushThreshold = 1 << 16;

OutStream* script = nullptr;

[[noreturn]] void FailWrite(OutStream* stream) {
  FatalErrorFormatted("Unable to write output file %s\n", stream->path.c_str());
}

void FlushPending(OutStream* stream) {
  if (stream->pending.empty()) return;
  if (!stream->file->Write(stream->pending.data(), stream->pending.size())) FailWrite(stream);
  stream->flushedBytes += stream->pending.size();
  stream->pending.clear();
}

void FlushWhenFull(OutStream* stream) {
  if (stream->openPlaceholders == 0 && stream->pending.size() >= kFlushThreshold)
    FlushPending(stream);
}

void AppendFormatted(OutStream* stream, const char* format, va_list args) {
  char local[512];
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(local, sizeof local, format, copy);
  va_end(copy);
  if (n < 0) return;
  if (static_cast<std::size_t>(n) < sizeof local) {
    stream->pending.append(local, static_cast<std::size_t>(n));
  } else {
    const std::size_t start = stream->pending.size();
    stream->pending.resize(start + static_cast<std::size_t>(n) + 1);
    std::vsnprintf(stream->pending.data() + start, static_cast<std::size_t>(n) + 1, format,
                   args);
    stream->pending.resize(start + static_cast<std::size_t>(n));
  }
  FlushWhenFull(stream);
}

}  // namespace

OutStream* OpenOutput(const char* path) {
  auto file = platform::OutputFile::Create(path);
  if (!file) {
    PrintStdout("Unable to open output file %s\n", path);
    throw EarlyExit{1};
  }
  script = new OutStream;
  script->file = std::move(file);
  script->path = path;
  script->pending.reserve(kFlushThreshold * 2);
  WriteFormatted(script, "#define RSCL32(a,b,c,d)\t\t0x ## c ## d, 0x ## a ## b\n");
  WriteFormatted(script, "#define RSCS32(a)\t\ta, 0x0\n\n");
  return script;
}

OutStream* ScriptOutput() { return script; }

void WriteFormatted(OutStream* stream, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatted(stream, format, args);
  va_end(args);
}

void WriteText(OutStream* stream, const char* text, std::size_t length) {
  stream->pending.append(text, length);
  FlushWhenFull(stream);
}

Placeholder WritePlaceholder(OutStream* stream, const char* format, long value) {
  Placeholder where;
  where.offset = stream->flushedBytes + stream->pending.size();
  WriteFormatted(stream, format, value);
  where.width = stream->flushedBytes + stream->pending.size() - where.offset;
  ++stream->openPlaceholders;
  return where;
}

void PatchPlaceholder(OutStream* stream, const Placeholder& where, const char* format,
                      long value) {
  char text[64];
  const int n = std::snprintf(text, sizeof text, format, value);
  const std::size_t at = where.offset - stream->flushedBytes;
  std::size_t length = n > 0 ? static_cast<std::size_t>(n) : 0;
  if (length > where.width) length = where.width;
  if (length > sizeof text - 1) length = sizeof text - 1;
  if (at + length <= stream->pending.size())
    std::memcpy(stream->pending.data() + at, text, length);
  if (stream->openPlaceholders > 0) --stream->openPlaceholders;
}

void FinishOutput() {
  if (!script) return;
  FlushPending(script);
  const bool closed = script->file->Close();
  script->file.reset();
  if (!closed) {
    // The stream is gone; the failure exit only has the path left to remove.
    FailWrite(script);
  }
}

void DiscardOutput() {
  if (!script) return;
  if (script->file) {
    if (!script->pending.empty()) script->file->Write(script->pending.data(), script->pending.size());
    script->file.reset();
  }
  // Remove only what we created: a regular file at that very path, never a
  // device, a pipe or whatever a symbolic link points to.
  if (platform::IsRegularFileItself(script->path.c_str()))
    platform::RemoveFile(script->path.c_str());
}

void ResetWriter() {
  delete script;
  script = nullptr;
}
