// Windows PE images (DLLs and executables, 32- or 64-bit): the resource
// directory, found through the optional header's data directory, is a tree of
// three levels (type, name, language) whose leaves point at the data by
// relative virtual address. Every offset is checked; a directory reached twice
// (a loop, or two entries sharing one) ends the dump.
#include <algorithm>
#include <set>
#include <utility>
#include <string>

#include "dump/bytes.h"
#include "dump/containers.h"

namespace dump {

namespace {

constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kHighBit = 0x80000000u;
/// How much of a resource's string name is shown.
constexpr std::uint16_t kShownNameLength = 64;

struct Section {
  std::uint32_t virtualAddress;
  std::uint32_t rawSize;
  std::uint32_t rawOffset;
};

class PeImage {
 public:
  explicit PeImage(std::span<const std::uint8_t> bytes) : file_(bytes) {}

  std::vector<FoundResource> Find() {
    ReadHeaders();
    std::vector<FoundResource> found;
    if (resourceRva_ == 0) return found;
    root_ = FileOffsetOf(resourceRva_, 16, "resource data directory", resourceField_);
    ForEachEntry(root_, [&](std::uint64_t entry, std::uint32_t nameField, std::uint32_t target) {
      if (!(nameField & kHighBit)) return;  // a standard type given by number
      const ResourceType* type = TypeFromName(ReadDirectoryString(nameField, 4));
      if (type == nullptr) return;
      ReadNames(type, Subdirectory(entry, target), found);
    });
    RefuseSharedData(found);
    return found;
  }

 private:
  void ReadHeaders() {
    const std::uint32_t peOffset = file_.U32(0x3C, "PE header offset");
    if (file_.U32(peOffset, "PE signature") != 0x00004550u) {
      throw DumpError("PE signature", peOffset, "not \"PE\\0\\0\"");
    }
    const std::uint64_t coff = std::uint64_t{peOffset} + 4;
    const std::uint16_t sectionCount = file_.U16(coff + 2, "COFF header");
    const std::uint16_t optionalSize = file_.U16(coff + 16, "COFF header");
    const std::uint64_t optional = coff + 20;
    file_.Require(optional, optionalSize, "optional header");
    const std::uint16_t magic = file_.U16(optional, "optional header");
    std::uint64_t countField = 0;
    if (magic == kPe32Magic) {
      countField = 92;
    } else if (magic == kPe32PlusMagic) {
      countField = 108;
    } else {
      throw DumpError("optional header", optional, "unknown magic " + HexOffset(magic));
    }
    if (countField + 4 > optionalSize) throw DumpError("optional header", optional, "too short");
    const std::uint32_t directoryCount = file_.U32(optional + countField, "optional header");
    const std::uint64_t directory = optional + countField + 4 + 8 * kResourceDirectoryIndex;
    if (directoryCount > kResourceDirectoryIndex && directory + 8 <= optional + optionalSize) {
      resourceRva_ = file_.U32(directory, "resource data directory");
      resourceField_ = directory;
    }
    const std::uint64_t table = optional + optionalSize;
    file_.Require(table, std::uint64_t{sectionCount} * 40, "section table");
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
      const std::uint64_t at = table + std::uint64_t{i} * 40;
      sections_.push_back({file_.U32(at + 12, "section header"),
                           file_.U32(at + 16, "section header"),
                           file_.U32(at + 20, "section header")});
    }
  }

  /// The file offset of `count` bytes at `rva`, which the field at `field`
  /// holds; they must lie in one section's bytes in the file.
  std::uint64_t FileOffsetOf(std::uint32_t rva, std::uint64_t count, const char* what,
                             std::uint64_t field) const {
    for (const Section& section : sections_) {
      const std::uint64_t start = section.virtualAddress;
      if (rva < start || rva - start >= section.rawSize) continue;
      const std::uint64_t offset = std::uint64_t{section.rawOffset} + (rva - start);
      if (rva - start + count > section.rawSize) {
        throw DumpError(what, field,
                        "its " + std::to_string(count) + " bytes run past the end of their section");
      }
      file_.Require(offset, count, what);
      return offset;
    }
    throw DumpError(what, field,
                    "its relative address " + HexOffset(rva) + " lies in no section of the file");
  }

  /// Calls `visit(entryOffset, nameField, targetField)` for each entry of the
  /// directory at `offset`, after checking that the directory is new.
  template <typename Visit>
  void ForEachEntry(std::uint64_t offset, Visit visit) {
    if (!seen_.insert(offset).second) {
      throw DumpError("resource directory", offset, "reached a second time (a loop)");
    }
    const std::uint32_t count = std::uint32_t{file_.U16(offset + 12, "resource directory")} +
                                file_.U16(offset + 14, "resource directory");
    file_.Require(offset + 16, std::uint64_t{count} * 8, "resource directory entries");
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint64_t entry = offset + 16 + std::uint64_t{i} * 8;
      visit(entry, file_.U32(entry, "resource directory entry"),
            file_.U32(entry + 4, "resource directory entry"));
    }
  }

  std::uint64_t Subdirectory(std::uint64_t entry, std::uint32_t target) const {
    if (!(target & kHighBit)) {
      throw DumpError("resource directory entry", entry, "points at data where a directory belongs");
    }
    const std::uint64_t offset = root_ + (target & ~kHighBit);
    file_.Require(offset, 16, "resource directory");
    return offset;
  }

  /// A name in the resource directory: a count of UTF-16 units, then the
  /// units. Only the first `keep` units are read: a type name longer than
  /// four units is none of ours, and a resource name is shown shortened.
  std::u16string ReadDirectoryString(std::uint32_t nameField, std::uint16_t keep) const {
    const std::uint64_t offset = root_ + (nameField & ~kHighBit);
    const std::uint16_t length = file_.U16(offset, "resource directory string");
    file_.Require(offset + 2, std::uint64_t{length} * 2, "resource directory string");
    const std::uint16_t shown = length < keep ? length : keep;
    const std::span<const std::uint8_t> units =
        file_.Range(offset + 2, std::uint64_t{shown} * 2, "resource directory string");
    std::u16string text;
    for (std::uint16_t i = 0; i < shown; ++i)
      text += static_cast<char16_t>(LoadU16(units.data() + 2 * std::size_t{i}));
    if (length > keep) text += u"...";
    return text;
  }

  void ReadNames(const ResourceType* type, std::uint64_t directory, std::vector<FoundResource>& found) {
    ForEachEntry(directory, [&](std::uint64_t entry, std::uint32_t nameField, std::uint32_t target) {
      ResourceName name;
      if (nameField & kHighBit) {
        name.isNumber = false;
        name.text = PrintableName(ReadDirectoryString(nameField, kShownNameLength));
      } else {
        name.number = static_cast<std::uint16_t>(nameField);
      }
      ForEachEntry(Subdirectory(entry, target),
                   [&](std::uint64_t language, std::uint32_t, std::uint32_t dataEntry) {
                     found.push_back({type, name, {}, 0});
                     ReadData(language, dataEntry, found.back());
                   });
    });
  }

  /// The data entry (relative address, size, code page, reserved) of one language.
  void ReadData(std::uint64_t entry, std::uint32_t target, FoundResource& resource) {
    if (target & kHighBit) {
      throw DumpError("resource directory entry", entry, "points at a directory where data belongs");
    }
    const std::uint64_t dataEntry = root_ + target;
    file_.Require(dataEntry, 16, "resource data entry");
    if (!seen_.insert(dataEntry).second) {
      throw DumpError("resource data entry", dataEntry, "reached a second time");
    }
    const std::uint32_t rva = file_.U32(dataEntry, "resource data entry");
    const std::uint32_t size = file_.U32(dataEntry + 4, "resource data entry");
    resource.offset = size == 0 ? 0 : FileOffsetOf(rva, size, "resource data entry", dataEntry);
    resource.data = file_.Range(resource.offset, size, "resource data");
  }

  /// Two resources whose data overlap would let a small file stand for a
  /// huge dump; compilers never write them.
  static void RefuseSharedData(const std::vector<FoundResource>& found) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges;
    for (const FoundResource& resource : found) {
      if (!resource.data.empty()) ranges.emplace_back(resource.offset, resource.data.size());
    }
    std::sort(ranges.begin(), ranges.end());
    for (std::size_t i = 1; i < ranges.size(); ++i) {
      if (ranges[i].first < ranges[i - 1].first + ranges[i - 1].second) {
        throw DumpError("resource data", ranges[i].first, "overlaps the data of another resource");
      }
    }
  }

  Bytes file_;
  std::vector<Section> sections_;
  std::uint32_t resourceRva_ = 0;
  std::uint64_t resourceField_ = 0;
  std::uint64_t root_ = 0;
  std::set<std::uint64_t> seen_;
};

}  // namespace

std::vector<FoundResource> FindInPeImage(std::span<const std::uint8_t> file) {
  return PeImage(file).Find();
}

}  // namespace dump
