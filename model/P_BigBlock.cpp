#include "model/P_BigBlock.h"

#include <malloc.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Off until the process owner asks (P_enableLargeModelMemory).  The helper
// thread reads it too.
std::atomic<bool>& largeModelMemory() {
  static std::atomic<bool> enabled{false};
  return enabled;
}

void* allocateUntouched(std::size_t size) {
  void* block = std::aligned_alloc(P_kBigBlockSize, size);
  if (block == nullptr) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  // Only advice: without huge pages the block works the same.
  if (largeModelMemory()) madvise(block, size, MADV_HUGEPAGE);
#endif
  return block;
}

// Writes one byte of every page, so that the system maps and clears the
// block now rather than at the model's first write to each page.
void touchPages(void* block, std::size_t size) {
  static const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  volatile char* bytes = static_cast<char*>(block);
  for (std::size_t at = 0; at < size; at += page) bytes[at] = 0;
}

// The general heap holds what the model does not cut from blocks: growing
// tables, tree nodes, texts.  Left alone, it grows in small steps, gives
// freed memory back to the system and takes it again, and every 4 KiB page
// costs a fault on first touch (some 10 us on a virtual machine, a tenth of
// the read phase of a big code base).  So, once the model starts taking
// blocks, the heap is told to grow in large steps and keep what it has, to
// serve tables of up to 32 MiB itself, and its new memory gets the same
// huge-page advice as the blocks.
class HeapAdvice {
 public:
  HeapAdvice() {
    mallopt(M_TOP_PAD, kGrowth);
    mallopt(M_MMAP_THRESHOLD, kGrowth);
    mallopt(M_TRIM_THRESHOLD, 2 * kGrowth);
    m_advisedUpTo = currentBreak();
  }

  // Advises the heap's memory added since the last call.  The heap grows at
  // its break, so that is the part between the break then and now.
  void adviseGrowth() {
    const std::uintptr_t end = currentBreak();
#ifdef MADV_HUGEPAGE
    if (end > m_advisedUpTo) madvise(reinterpret_cast<void*>(m_advisedUpTo), end - m_advisedUpTo, MADV_HUGEPAGE);
#endif
    m_advisedUpTo = end;
  }

 private:
  static constexpr int kGrowth = 32 << 20;

  // The system's own break, not the C library's copy of it: the helper
  // thread may be inside the allocator meanwhile.
  static std::uintptr_t currentBreak() {
    static const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    return static_cast<std::uintptr_t>(syscall(SYS_brk, 0)) / page * page;
  }

  std::uintptr_t m_advisedUpTo = 0;
};

// Standard-size blocks made ready ahead of need.  Clearing fresh memory is
// a large share of building the model of a big code base, and it is work
// the system does page by page on first touch; a helper thread does it for
// the next few blocks while the reader goes on.  Small runs never start
// the helper: it starts with the block after the first kStartAfter.  Without
// the large-model set-up every block is allocated when asked for.
class BlockSupply {
 public:
  void* take() {
    if (!largeModelMemory()) return allocateUntouched(P_kBigBlockSize);
    std::unique_lock<std::mutex> lock(m_mutex);
    // The heap is set up with the first block taken after the opt-in.
    if (!m_heap) m_heap.emplace();
    m_heap->adviseGrowth();
    if (++m_taken <= kStartAfter) {
      lock.unlock();
      return allocateUntouched(P_kBigBlockSize);
    }
    if (!m_started) start();
    if (m_ready.empty()) {
      // The helper is behind (or could not start): no waiting for it.
      lock.unlock();
      return allocateUntouched(P_kBigBlockSize);
    }
    void* block = m_ready.back();
    m_ready.pop_back();
    m_wanted.notify_one();
    return block;
  }

 private:
  static constexpr unsigned kStartAfter = 8;  // 16 MiB
  static constexpr std::size_t kAhead = 2;    // 4 MiB prepared at most

  void start() {
    m_started = true;
    try {
      std::thread(&BlockSupply::prepare, this).detach();
    } catch (const std::system_error&) {
      // No helper: every block is then allocated when asked for.
    }
  }

  // Runs for the rest of the process, sleeping while enough blocks wait.
  void prepare() {
    for (;;) {
      {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wanted.wait(lock, [this] { return m_ready.size() < kAhead; });
      }
      void* block = nullptr;
      try {
        block = allocateUntouched(P_kBigBlockSize);
      } catch (const std::bad_alloc&) {
        return;  // the reader will meet the shortage itself
      }
      touchPages(block, P_kBigBlockSize);
      std::lock_guard<std::mutex> lock(m_mutex);
      m_ready.push_back(block);
    }
  }

  std::optional<HeapAdvice> m_heap;
  std::mutex m_mutex;
  std::condition_variable m_wanted;
  std::vector<void*> m_ready;
  unsigned m_taken = 0;
  bool m_started = false;
};

BlockSupply& supply() {
  static auto* s = new BlockSupply();  // lives until the process ends, with its helper
  return *s;
}

}  // namespace

void P_enableLargeModelMemory() { largeModelMemory() = true; }

bool P_isLargeModelMemoryEnabled() { return largeModelMemory(); }

void* P_allocateBigBlock(std::size_t bytes) {
  if (bytes <= P_kBigBlockSize) return supply().take();
  return allocateUntouched((bytes + P_kBigBlockSize - 1) / P_kBigBlockSize * P_kBigBlockSize);
}

void P_freeBigBlock(void* block) { std::free(block); }
