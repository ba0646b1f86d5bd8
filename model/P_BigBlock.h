#ifndef MODEL_P_BIGBLOCK_H
#define MODEL_P_BIGBLOCK_H

#include <cstddef>

// Large memory blocks for the model's stores (interned texts, their index,
// pooled objects).  A block is aligned to and sized in multiples of 2 MiB
// and, where the system offers it, asks for huge pages: a large code base
// fills hundreds of megabytes, and touching them 4 KiB at a time costs more
// than building the model.  Blocks are never returned; the store holding
// them lives for the run.  Taking the first block also sets the general
// heap up for a large model: it grows in large steps, keeps what it has,
// serves tables of up to 32 MiB itself, and its new memory gets the same
// huge-page advice.
constexpr std::size_t P_kBigBlockSize = std::size_t{2} << 20;

// At least `bytes` bytes (rounded up to whole 2 MiB blocks), uninitialised.
// Throws std::bad_alloc when no memory is left.
void* P_allocateBigBlock(std::size_t bytes);
// Gives back a block of P_allocateBigBlock (for tables that grow).
void P_freeBigBlock(void* block);

#endif
