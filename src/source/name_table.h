// A table of entries by name, as both readings keep their macros: one entry
// per name, which a new definition of the name replaces.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

template <class Entry>
class NameTable {
 public:
  /// The entry of exactly that name, or null.
  Entry* Find(std::string_view name) {
    if (!MayBeName(name)) return nullptr;
    const auto found = table_.find(name);
    return found == table_.end() ? nullptr : &found->second;
  }
  const Entry* Find(std::string_view name) const { return const_cast<NameTable*>(this)->Find(name); }
  /// A fresh entry for `name`, replacing any entry of that name. Entries
  /// stay where they are until they are replaced or removed.
  Entry& Add(std::string_view name) {
    const std::size_t length = name.size();
    const auto first = static_cast<unsigned char>(name.empty() ? '\0' : name[0]);
    firstBytes_[first >> 6] |= std::uint64_t{1} << (first & 63);
    lengths_ |= std::uint64_t{1} << (length < 63 ? length : 63);
    Entry& entry = table_[std::string(name)];
    entry = Entry{};
    return entry;
  }
  /// Calls `visit` with every name, in no particular order.
  template <class Visit>
  void ForEachName(Visit visit) const {
    for (const auto& entry : table_) visit(std::string_view(entry.first));
  }
  /// Removes the entry of that name, if there is one.
  void Remove(std::string_view name) {
    if (const auto found = table_.find(name); found != table_.end()) table_.erase(found);
  }

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  /// Whether some entry's name begins with the byte, and some has the length
  /// (from 63 up, all count as 63): most words are no macro, and one look
  /// here says so without hashing the word. A removed name leaves its
  /// marks: they only cost a lookup.
  bool MayBeName(std::string_view name) const {
    const std::size_t length = name.size();
    const auto first = static_cast<unsigned char>(name.empty() ? '\0' : name[0]);
    return (firstBytes_[first >> 6] >> (first & 63) & 1) != 0 &&
           (lengths_ >> (length < 63 ? length : 63) & 1) != 0;
  }

  std::unordered_map<std::string, Entry, NameHash, std::equal_to<>> table_;
  std::uint64_t firstBytes_[4] = {};
  std::uint64_t lengths_ = 0;
};
