// Searching a run of bytes for the next one that matters: a byte of a few
// that always stop the search, or one of a few more where a word may begin
// (after a byte that is no letter). Passing over text is mostly this
// search, so where the compiler offers vectors it looks at sixteen bytes at
// a time; more values than that are searched for byte by byte, through a
// table.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteSearch {
  enum Kind : unsigned char { kNone, kAlways, kWordStart };
  /// Values of each kind searched for sixteen bytes at a time.
  static constexpr int kSlots = 4;
#if defined(__GNUC__)
  typedef unsigned char Lanes __attribute__((vector_size(16)));
#else
  typedef unsigned char Lanes[16];
#endif

 public:
  /// A byte that always stops the search.
  void AddAlways(unsigned char byte) {
    // While no word-start value is searched for, its slots find this value
    // too, which stops the search anyway.
    if (startCount_ == 0 && kinds_[byte] == kNone)
      for (auto& slot : startSlots_)
        for (int lane = 0; lane < 16; ++lane) slot[lane] = byte;
    Add(byte, kAlways, alwaysSlots_, alwaysCount_);
  }
  /// A byte that stops the search where it follows no letter (a-z, A-Z).
  void AddWordStart(unsigned char byte) { Add(byte, kWordStart, startSlots_, startCount_); }

  /// The search, with what it looks for at hand: for a loop that searches
  /// many times.
  class Finder {
   public:
    explicit Finder(const ByteSearch& search) : search_(search) {
#if defined(__GNUC__)
      for (int i = 0; i < kSlots; ++i) {
        always_[i] = search.alwaysSlots_[i];
        starts_[i] = search.startSlots_[i];
      }
#endif
    }
    /// The first byte of [p, end) that stops the search, or end; `begin`
    /// is where the text begins (no letter stands before it).
    const char* Find(const char* begin, const char* p, const char* end) const {
#if defined(__GNUC__)
      if (search_.Vectored()) {
        if (p == begin && p != end) {
          if (search_.kinds_[static_cast<unsigned char>(*p)] != kNone) return p;
          ++p;
        }
        while (end - p >= 16) {
          Lanes bytes;
          Lanes before;
          std::memcpy(&bytes, p, sizeof bytes);
          std::memcpy(&before, p - 1, sizeof before);
          Lanes always = bytes == always_[0];
          Lanes starts = bytes == starts_[0];
          for (int i = 1; i < kSlots; ++i) {
            always |= reinterpret_cast<Lanes>(bytes == always_[i]);
            starts |= reinterpret_cast<Lanes>(bytes == starts_[i]);
          }
          // A letter before: its lower case between a and z.
          const Lanes letter = reinterpret_cast<Lanes>(static_cast<Lanes>((before | 0x20) - 'a') <= 25);
          const Lanes hits = always | (starts & ~letter);
          std::uint64_t halves[2];
          std::memcpy(halves, &hits, sizeof halves);
          if ((halves[0] | halves[1]) != 0) {
            const int half = halves[0] != 0 ? 0 : 1;
            const int lane = std::endian::native == std::endian::little ? std::countr_zero(halves[half]) / 8
                                                                         : std::countl_zero(halves[half]) / 8;
            return p + 8 * half + lane;
          }
          p += 16;
        }
      }
#endif
      for (; p != end; ++p) {
        const unsigned char kind = search_.kinds_[static_cast<unsigned char>(*p)];
        if (kind == kAlways || (kind == kWordStart && (p == begin || !IsLetter(p[-1])))) return p;
      }
      return end;
    }

   private:
    const ByteSearch& search_;
#if defined(__GNUC__)
    Lanes always_[kSlots];
    Lanes starts_[kSlots];
#endif
  };
  Finder Start() const { return Finder(*this); }

  /// The first byte of [p, end) that stops the search, or end; `begin` is
  /// where the text begins (no letter stands before it).
  const char* Find(const char* begin, const char* p, const char* end) const {
    return Finder(*this).Find(begin, p, end);
  }

  /// How many of the bytes of [p, end) are `byte`.
  static std::size_t Count(const char* p, const char* end, char byte) {
    std::size_t count = 0;
#if defined(__GNUC__)
    // Sixteen counters of a byte each, added up before they can overflow.
    while (end - p >= 16) {
      Lanes counters = {};
      for (int round = 0; round < 255 && end - p >= 16; ++round, p += 16) {
        Lanes bytes;
        std::memcpy(&bytes, p, sizeof bytes);
        counters -= reinterpret_cast<Lanes>(bytes == static_cast<unsigned char>(byte));
      }
      for (int lane = 0; lane < 16; ++lane) count += counters[lane];
    }
#endif
    for (; p != end; ++p) count += *p == byte;
    return count;
  }

 private:
  static bool IsLetter(char c) { return static_cast<unsigned char>((c | 0x20) - 'a') <= 25; }
  /// Whether the vectors hold every value searched for.
  bool Vectored() const { return alwaysCount_ >= 1 && alwaysCount_ <= kSlots && startCount_ <= kSlots; }

  void Add(unsigned char byte, Kind kind, Lanes* slots, int& count) {
    if (kinds_[byte] != kNone) return;
    kinds_[byte] = kind;
    // The unused slots repeat the first value, which finds nothing more.
    if (count < kSlots)
      for (int slot = count; slot < kSlots; ++slot)
        for (int lane = 0; lane < 16; ++lane) slots[slot][lane] = byte;
    ++count;
  }

  std::array<unsigned char, 256> kinds_{};
  Lanes alwaysSlots_[kSlots] = {};
  Lanes startSlots_[kSlots] = {};
  int alwaysCount_ = 0;
  int startCount_ = 0;
};
