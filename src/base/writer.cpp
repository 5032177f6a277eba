// The resource script writer.
//
// While a placeholder is open (a count not yet known), nothing from it on
// leaves the buffer, so the count is patched in memory and the output need
// not be seekable.
#include "base/writer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/diagnostics.h"

bool ScriptWriter::OpenOutput(const char* path) {
  file_ = platform::OutputFile::Create(path);
  if (!file_) {
    PrintStdout("Unable to open output file %s\n", path);
    return false;
  }
  path_ = path;
  pending_.reserve(kFlushThreshold * 2);
  WriteFormatted("#define RSCL32(a,b,c,d)\t\t0x ## c ## d, 0x ## a ## b\n");
  WriteFormatted("#define RSCS32(a)\t\ta, 0x0\n\n");
  return true;
}

void ScriptWriter::FailWrite() const {
  FatalErrorFormatted("Unable to write output file %s\n", path_.c_str());
}

void ScriptWriter::FlushPending() {
  if (pending_.empty()) return;
  if (!file_->Write(pending_.data(), pending_.size())) FailWrite();
  flushedBytes_ += pending_.size();
  pending_.clear();
}

void ScriptWriter::WriteFormatted(const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatted(format, args);
  va_end(args);
}

void ScriptWriter::AppendFormatted(const char* format, va_list args) {
  char local[512];
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(local, sizeof local, format, copy);
  va_end(copy);
  if (n < 0) return;
  if (static_cast<std::size_t>(n) < sizeof local) {
    pending_.append(local, static_cast<std::size_t>(n));
  } else {
    const std::size_t start = pending_.size();
    pending_.resize(start + static_cast<std::size_t>(n) + 1);
    std::vsnprintf(pending_.data() + start, static_cast<std::size_t>(n) + 1, format, args);
    pending_.resize(start + static_cast<std::size_t>(n));
  }
  FlushWhenFull();
}

Placeholder ScriptWriter::WritePlaceholder(const char* format, long value) {
  Placeholder where;
  where.offset = flushedBytes_ + pending_.size();
  // Counted open before its text is written: that write must not flush it.
  ++openPlaceholders_;
  WriteFormatted(format, value);
  where.width = flushedBytes_ + pending_.size() - where.offset;
  return where;
}

void ScriptWriter::PatchPlaceholder(const Placeholder& where, const char* format, long value) {
  char text[64];
  const int n = std::snprintf(text, sizeof text, format, value);
  const std::size_t at = where.offset - flushedBytes_;
  std::size_t length = n > 0 ? static_cast<std::size_t>(n) : 0;
  if (length > where.width) length = where.width;
  if (length > sizeof text - 1) length = sizeof text - 1;
  if (at + length <= pending_.size()) std::memcpy(pending_.data() + at, text, length);
  if (openPlaceholders_ > 0) --openPlaceholders_;
}

void ScriptWriter::Finish() {
  FlushPending();
  const bool closed = file_->Close();
  file_.reset();
  // The file is gone; a failure only has the path left to remove.
  if (!closed) FailWrite();
}

void ScriptWriter::Discard() {
  if (path_.empty()) return;
  if (file_) {
    if (!pending_.empty()) file_->Write(pending_.data(), pending_.size());
    file_.reset();
  }
  // Remove only what we created: a regular file at that very path, never a
  // device, a pipe or whatever a symbolic link points to.
  if (platform::IsRegularFileItself(path_.c_str())) platform::RemoveFile(path_.c_str());
}
