// Searching a run of bytes for the next one of a set: the bytes where
// something may begin. Passing over text is mostly this search, so it keeps
// as bits where in the next 64 bytes the search stops: the next search
// there costs a shift. Where the processor has SSSE3, sixteen bytes at a
// time (32 with AVX2) are looked up in two tables of sixteen entries by
// their halves (a set whose bytes have at most eight different high halves
// is told exactly so); other bytes, and other sets, are looked at one by
// one.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define VORL_BYTE_SEARCH_SSSE3 1  // and AVX2, where the processor has them
#endif

class ByteSearch {
  static constexpr std::size_t kBlock = 64;

 public:
  /// A byte that stops the search.
  void Add(unsigned char byte) {
    if (in_[byte]) return;
    in_[byte] = true;
    // Each high half in the set gets a bit; a byte is in the set where its
    // low half's entry holds its high half's bit.
    unsigned char& bit = highBits_[byte >> 4];
    if (bit == 0) {
      if (highHalves_ < 8) bit = static_cast<unsigned char>(1u << highHalves_);
      ++highHalves_;
    }
    lowBits_[byte & 15u] |= bit;
  }

  /// The search over one text, [begin, end): for a loop that searches it
  /// many times, going forward.
  class Finder {
   public:
    Finder(const ByteSearch& search, const char* begin, const char* end)
        : search_(search), begin_(begin), end_(end) {}
    /// The first byte of [p, end) in the set, or end.
    const char* Find(const char* p) {
      // Mostly the next stop is in the block at hand.
      const auto within = static_cast<std::size_t>(p - begin_) - blockAt_;
      if (within < kBlock) {
        if (const std::uint64_t ahead = stops_ >> within; ahead != 0) return p + std::countr_zero(ahead);
        p = begin_ + blockAt_ + kBlock;
      }
      for (; p < end_; p += kBlock) {
        blockAt_ = static_cast<std::size_t>(p - begin_);
        stops_ = search_.StopsAt(p, end_);
        if (stops_ != 0) return p + std::countr_zero(stops_);
      }
      return end_;
    }

   private:
    const ByteSearch& search_;
    const char* const begin_;
    const char* const end_;
    /// The 64 bytes from begin + blockAt_, and a bit for each of them in
    /// the set.
    std::size_t blockAt_ = SIZE_MAX - kBlock;
    std::uint64_t stops_ = 0;
  };

  /// How many of the bytes of [p, end) are `byte`.
  static std::size_t Count(const char* p, const char* end, char byte) {
    std::size_t count = 0;
#if defined(VORL_BYTE_SEARCH_SSSE3)
    const __m128i wanted = _mm_set1_epi8(byte);
    const auto matches = [wanted](const char* at) {
      return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), wanted);
    };
    while (end - p >= 64) {
      // Sixteen counters of a byte each, four runs at a time, added up
      // before they can overflow.
      const std::size_t rounds = std::min<std::size_t>(63, static_cast<std::size_t>(end - p) / 64);
      __m128i counters = _mm_setzero_si128();
      for (std::size_t round = 0; round < rounds; ++round, p += 64)
        counters = _mm_sub_epi8(_mm_sub_epi8(counters, _mm_add_epi8(matches(p), matches(p + 16))),
                                _mm_add_epi8(matches(p + 32), matches(p + 48)));
      const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
      count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
               static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
    }
#endif
    for (; p != end; ++p) count += *p == byte;
    return count;
  }

 private:
  /// A bit for each byte of [p, p + 64) before end that is in the set.
  std::uint64_t StopsAt(const char* p, const char* end) const {
    const std::size_t length = std::min(kBlock, static_cast<std::size_t>(end - p));
    std::uint64_t stops = 0;
    std::size_t done = 0;
#if defined(VORL_BYTE_SEARCH_SSSE3)
    if (highHalves_ <= 8 && canShuffle_) {
      if (length == kBlock && canShuffleWide_) return WideShuffledStops(p);
      done = length / 16 * 16;
      stops = ShuffledStops(p, done / 16);
    }
#endif
    for (; done < length; ++done) stops |= static_cast<std::uint64_t>(in_[static_cast<unsigned char>(p[done])]) << done;
    return stops;
  }

#if defined(VORL_BYTE_SEARCH_SSSE3)
  /// The bits of `chunks` runs of sixteen bytes from p, by the tables of halves.
  __attribute__((target("ssse3"))) std::uint64_t ShuffledStops(const char* p, std::size_t chunks) const {
    const __m128i lows = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lowBits_.data()));
    const __m128i highs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(highBits_.data()));
    std::uint64_t stops = 0;
    for (std::size_t chunk = 0; chunk < chunks; ++chunk) stops |= ChunkStops(p + 16 * chunk, lows, highs) << (16 * chunk);
    return stops;
  }
  /// The bits of the 64 bytes from p, 32 at a time (AVX2).
  __attribute__((target("avx2"))) std::uint64_t WideShuffledStops(const char* p) const {
    const __m256i lows = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(lowBits_.data())));
    const __m256i highs =
        _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(highBits_.data())));
    return WideRunStops(p, lows, highs) | WideRunStops(p + 32, lows, highs) << 32;
  }
  /// The bits of the 32 bytes from p.
  __attribute__((target("avx2"), always_inline)) static std::uint64_t WideRunStops(const char* p, __m256i lows,
                                                                                   __m256i highs) {
    const __m256i half = _mm256_set1_epi8(15);
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i low = _mm256_shuffle_epi8(lows, _mm256_and_si256(bytes, half));
    const __m256i high = _mm256_shuffle_epi8(highs, _mm256_and_si256(_mm256_srli_epi16(bytes, 4), half));
    const __m256i misses = _mm256_cmpeq_epi8(_mm256_and_si256(low, high), _mm256_setzero_si256());
    return ~static_cast<std::uint32_t>(_mm256_movemask_epi8(misses));
  }
  /// The bits of the sixteen bytes from p.
  __attribute__((target("ssse3"), always_inline)) static std::uint64_t ChunkStops(const char* p, __m128i lows,
                                                                                  __m128i highs) {
    const __m128i half = _mm_set1_epi8(15);
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i low = _mm_shuffle_epi8(lows, _mm_and_si128(bytes, half));
    const __m128i high = _mm_shuffle_epi8(highs, _mm_and_si128(_mm_srli_epi16(bytes, 4), half));
    const __m128i misses = _mm_cmpeq_epi8(_mm_and_si128(low, high), _mm_setzero_si128());
    return static_cast<std::uint16_t>(~_mm_movemask_epi8(misses));
  }
#endif

  std::array<bool, 256> in_{};
  /// A bit for each high half (of the first eight met) and, for each low
  /// half, the bits of the high halves it goes with.
  std::array<unsigned char, 16> highBits_{};
  std::array<unsigned char, 16> lowBits_{};
  int highHalves_ = 0;
#if defined(VORL_BYTE_SEARCH_SSSE3)
  bool canShuffle_ = __builtin_cpu_supports("ssse3");
  bool canShuffleWide_ = __builtin_cpu_supports("avx2");
#endif
};
