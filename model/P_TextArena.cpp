#include "model/P_TextArena.h"

#include "model/P_BigBlock.h"

P_TextArena::~P_TextArena() = default;

void P_TextArena::FreeBlock::operator()(char* block) const { P_freeBigBlock(block); }

char* P_TextArena::reserve(std::size_t bytes) {
  if (bytes > P_kBigBlockSize / 4) {
    m_large.push_back(std::make_unique<char[]>(bytes));
    return m_large.back().get();
  }
  if (m_blocks.empty() || m_used + bytes > P_kBigBlockSize) {
    m_blocks.emplace_back(static_cast<char*>(P_allocateBigBlock(P_kBigBlockSize)));
    m_used = 0;
  }
  char* dest = m_blocks.back().get() + m_used;
  m_used += bytes;
  return dest;
}
