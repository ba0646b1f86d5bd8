#ifndef MODEL_P_HASH_H
#define MODEL_P_HASH_H

#include <cstddef>
#include <cstdint>
#include <cstring>

// Fast hashes for the model's lookup tables.  They only need to spread keys
// well over power-of-two tables; they are not stable across versions and
// never leave the process.

// Final mixing step: every input bit affects every output bit.
inline uint64_t P_hashMix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

// Hash of a byte string, eight bytes at a time.
inline uint64_t P_hashBytes(const char* data, std::size_t size) {
  constexpr uint64_t kMul = 0x9E3779B97F4A7C15ULL;
  uint64_t h = size * kMul;
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    uint64_t word;
    std::memcpy(&word, data + i, 8);
    h = (h ^ word) * kMul;
    h ^= h >> 32;
  }
  if (i < size) {
    uint64_t word = 0;
    std::memcpy(&word, data + i, size - i);
    h = (h ^ word) * kMul;
  }
  return P_hashMix(h);
}

// Hash of an (interned) pointer.
inline uint64_t P_hashPointer(const void* p) { return P_hashMix(reinterpret_cast<uintptr_t>(p)); }

#endif
