#ifndef MODEL_P_TEXTARENA_H
#define MODEL_P_TEXTARENA_H

#include <cstddef>
#include <memory>
#include <vector>

// Memory for texts that stay where they are until the arena goes: carved
// from big blocks (P_allocateBigBlock), a request over a quarter of a block
// getting memory of its own so that it wastes no block space.  The model's
// stores of texts (interned strings, the record cache) keep theirs here.
class P_TextArena {
 public:
  P_TextArena() = default;
  P_TextArena(const P_TextArena&) = delete;
  P_TextArena& operator=(const P_TextArena&) = delete;
  ~P_TextArena();

  // `bytes` uninitialised bytes, with no alignment.
  char* reserve(std::size_t bytes);

 private:
  struct FreeBlock {
    void operator()(char* block) const;
  };
  std::vector<std::unique_ptr<char, FreeBlock>> m_blocks;
  std::size_t m_used = 0;  // bytes used of the last block
  std::vector<std::unique_ptr<char[]>> m_large;
};

#endif
