// Checked reads from an untrusted file.
#include "dump/bytes.h"

#include <cstdio>

namespace dump {

namespace {

std::string Message(const char* what, std::uint64_t offset, const char* detail) {
  std::string message = what;
  message += " at offset " + HexOffset(offset);
  if (*detail) message += std::string(": ") + detail;
  return message;
}

}  // namespace

DumpError::DumpError(const char* what, std::uint64_t offset, const char* detail)
    : std::runtime_error(Message(what, offset, detail)) {}

DumpError::DumpError(const char* what, std::uint64_t offset, const std::string& detail)
    : std::runtime_error(Message(what, offset, detail.c_str())) {}

std::string HexOffset(std::uint64_t offset) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(offset));
  return text;
}

void Bytes::Require(std::uint64_t offset, std::uint64_t count, const char* what) const {
  if (!Holds(offset, count)) {
    throw DumpError(what, offset,
                    std::to_string(count) + " bytes run past the end of the file (" +
                        std::to_string(data_.size()) + " bytes)");
  }
}

std::uint8_t Bytes::U8(std::uint64_t offset, const char* what) const {
  Require(offset, 1, what);
  return data_[offset];
}

std::uint16_t Bytes::U16(std::uint64_t offset, const char* what) const {
  Require(offset, 2, what);
  return LoadU16(data_.data() + offset);
}

std::uint32_t Bytes::U32(std::uint64_t offset, const char* what) const {
  Require(offset, 4, what);
  return LoadU32(data_.data() + offset);
}

std::span<const std::uint8_t> Bytes::Range(std::uint64_t offset, std::uint64_t count,
                                           const char* what) const {
  Require(offset, count, what);
  return data_.subspan(offset, count);
}

}  // namespace dump
