#include "model/P_BigBlock.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

void* P_allocateBigBlock(std::size_t bytes) {
  const std::size_t size = (bytes + P_kBigBlockSize - 1) / P_kBigBlockSize * P_kBigBlockSize;
  void* block = std::aligned_alloc(P_kBigBlockSize, size == 0 ? P_kBigBlockSize : size);
  if (block == nullptr) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  // Only advice: without huge pages the block works the same.
  madvise(block, size, MADV_HUGEPAGE);
#endif
  return block;
}

void P_freeBigBlock(void* block) { std::free(block); }
