#ifndef MODEL_P_BIGBLOCK_H
#define MODEL_P_BIGBLOCK_H

#include <cstddef>

// Large memory blocks for the model's stores (interned texts, their index,
// pooled objects).  A block is aligned to and sized in multiples of 2 MiB
// and, where the system offers it, asks for huge pages: a large code base
// fills hundreds of megabytes, and touching them 4 KiB at a time costs more
// than building the model.  Blocks are never returned; the store holding
// them lives for the run.
//
// The large-model set-up goes further and changes the whole process: the
// general heap grows in large steps, keeps what it has and serves tables
// of up to 32 MiB itself (mallopt), blocks and new heap memory get
// huge-page advice, and a helper thread prepares blocks ahead.  A library
// must not do that to its host unasked, so it is off until the owner of
// the process turns it on (the generator program does, at start; a check
// may through PI_configureLargeModelMemory).
constexpr std::size_t P_kBigBlockSize = std::size_t{2} << 20;

// Turns the large-model set-up on for the rest of the process; the heap
// settings take effect with the next block taken.
void P_enableLargeModelMemory();
// Whether the large-model set-up is on.
bool P_isLargeModelMemoryEnabled();

// At least `bytes` bytes (rounded up to whole 2 MiB blocks), uninitialised.
// Throws std::bad_alloc when no memory is left.
void* P_allocateBigBlock(std::size_t bytes);
// Gives back a block of P_allocateBigBlock (for tables that grow).
void P_freeBigBlock(void* block);

#endif
