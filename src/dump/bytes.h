// Reading a file that is not trusted: every read names the offset it wants and
// is checked against the size first, so a truncated or hostile file ends the
// dump with a message instead of a read past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace dump {

/// Why a file cannot be dumped: one line that names the offset where the
/// trouble was found, "<what> at offset 0x1F4[: <detail>]".
class DumpError : public std::runtime_error {
 public:
  DumpError(const char* what, std::uint64_t offset, const char* detail = "");
  DumpError(const char* what, std::uint64_t offset, const std::string& detail);
};

/// "0x1F4": how offsets appear in messages and comments.
std::string HexOffset(std::uint64_t offset);

/// Little-endian reads from a byte range; each read outside it throws
/// DumpError "<what> at offset 0x..: runs past the end of the file". Offsets are
/// taken as 64-bit so that adding a field of the file to one cannot wrap.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t size() const { return data_.size(); }
  /// Whether `count` bytes starting at `offset` lie inside.
  bool Holds(std::uint64_t offset, std::uint64_t count) const {
    return offset <= data_.size() && count <= data_.size() - offset;
  }
  /// Throws unless `count` bytes at `offset` lie inside; `what` names them.
  void Require(std::uint64_t offset, std::uint64_t count, const char* what) const;

  std::uint8_t U8(std::uint64_t offset, const char* what) const;
  std::uint16_t U16(std::uint64_t offset, const char* what) const;
  std::uint32_t U32(std::uint64_t offset, const char* what) const;
  /// `count` bytes at `offset`, checked.
  std::span<const std::uint8_t> Range(std::uint64_t offset, std::uint64_t count,
                                      const char* what) const;

 private:
  std::span<const std::uint8_t> data_;
};

/// Unchecked little-endian reads for callers that checked the range already.
inline std::uint16_t LoadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t LoadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace dump
