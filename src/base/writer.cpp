// The resource script writer.
//
// While a placeholder is open (a count not yet known), nothing from it on
// leaves the buffer, so the count is patched in memory and the output need
// not be seekable.
#include "base/writer.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <utility>

#include "base/diagnostics.h"
#include "base/llvm_rc_form.h"

bool ScriptWriter::OpenOutput(const char* path) {
  file_ = disk_.CreateOutput(path);
  if (!file_) {
    PrintStdout("Unable to open output file %s\n", path);
    return false;
  }
  path_ = path;
  WriteFormatted("#define RSCL32(a,b,c,d)\t\t0x ## c ## d, 0x ## a ## b\n");
  WriteFormatted("#define RSCS32(a)\t\ta, 0x0\n\n");
  return true;
}

void ScriptWriter::FailWrite() const {
  FatalErrorFormatted("Unable to write output file %s\n", path_.c_str());
}

void ScriptWriter::Grow(std::size_t count) {
  const std::size_t capacity = std::max({kFlushThreshold * 2, capacity_ * 2, used_ + count});
  std::unique_ptr<char[]> bigger(new char[capacity]);
  if (used_ > 0) std::memcpy(bigger.get(), buffer_.get(), used_);
  buffer_ = std::move(bigger);
  capacity_ = capacity;
}

void ScriptWriter::FlushPending(bool whole) {
  std::size_t count = used_;
  if (forLlvmRc_ && !whole) {
    // Only the text since the last look can hold a line end.
    const std::string_view unseen(buffer_.get() + seenWithoutLineEnd_, used_ - seenWithoutLineEnd_);
    const std::size_t lineEnd = unseen.rfind('\n');
    count = lineEnd == std::string_view::npos ? 0 : seenWithoutLineEnd_ + lineEnd + 1;
    seenWithoutLineEnd_ = used_ - count;
  }
  if (whole) seenWithoutLineEnd_ = 0;
  if (count == 0) return;
  bool written = false;
  if (forLlvmRc_) {
    rewritten_.clear();
    AppendForLlvmRc(std::string_view(buffer_.get(), count), locale_, rewritten_);
    written = file_->Write(rewritten_.data(), rewritten_.size());
  } else {
    written = file_->Write(buffer_.get(), count);
  }
  if (!written) FailWrite();
  flushedBytes_ += count;
  used_ -= count;
  if (used_ > 0) std::memmove(buffer_.get(), buffer_.get() + count, used_);
}

Placeholder ScriptWriter::WritePlaceholder(const ScriptFormat<long>& format, long value) {
  Placeholder where;
  where.offset = flushedBytes_ + used_;
  // Counted open before its text is written: nothing from it on may be flushed.
  ++openPlaceholders_;
  WriteFormatted(format, value);
  where.width = flushedBytes_ + used_ - where.offset;
  return where;
}

void ScriptWriter::PatchPlaceholder(const Placeholder& where, const ScriptFormat<long>& format,
                                    long value) {
  // The value is laid out after the buffered text (held in memory like an
  // open placeholder), copied over the placeholder, and taken back.
  const std::size_t end = used_;
  ++openPlaceholders_;
  WriteFormatted(format, value);
  --openPlaceholders_;
  const std::size_t length = std::min(used_ - end, where.width);
  const std::size_t at = where.offset - flushedBytes_;
  if (where.offset >= flushedBytes_ && at + length <= end)
    std::memcpy(buffer_.get() + at, buffer_.get() + end, length);
  used_ = end;
  if (openPlaceholders_ > 0) --openPlaceholders_;
}

void ScriptWriter::Finish() {
  FlushPending(true);
  const bool closed = file_->Close();
  file_.reset();
  // The file is gone; a failure only has the path left to remove.
  if (!closed) FailWrite();
}

void ScriptWriter::Discard() {
  if (path_.empty()) return;
  if (file_) {
    if (used_ > 0) file_->Write(buffer_.get(), used_);
    file_.reset();
  }
  // Remove only what we created: a regular file at that very path, never a
  // device, a pipe or whatever a symbolic link points to.
  if (disk_.IsRegularFileItself(path_.c_str())) disk_.Remove(path_.c_str());
}
