#include "sdl_allocation_meter.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace mossaline::testing::sdl_allocation_meter {

namespace {

// Each block carries its size in front, padded to keep the caller's block aligned.
struct alignas(std::max_align_t) Header {
    std::size_t size;
};

std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

void add(std::size_t bytes)
{
    const std::size_t now = held.fetch_add(bytes) + bytes;
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) { }
}

void* SDLCALL metered_malloc(std::size_t size)
{
    auto* header = static_cast<Header*>(std::malloc(sizeof(Header) + size));
    if (header == nullptr)
        return nullptr;
    header->size = size;
    add(size);
    return header + 1;
}

void* SDLCALL metered_calloc(std::size_t count, std::size_t size)
{
    if (size != 0 && count > (std::numeric_limits<std::size_t>::max() - sizeof(Header)) / size)
        return nullptr;
    void* block = metered_malloc(count * size);
    if (block != nullptr)
        std::memset(block, 0, count * size);
    return block;
}

void* SDLCALL metered_realloc(void* block, std::size_t size)
{
    if (block == nullptr)
        return metered_malloc(size);
    Header* header = static_cast<Header*>(block) - 1;
    const std::size_t old_size = header->size;
    auto* moved = static_cast<Header*>(std::realloc(header, sizeof(Header) + size));
    if (moved == nullptr)
        return nullptr;
    moved->size = size;
    held.fetch_sub(old_size);
    add(size);
    return moved + 1;
}

void SDLCALL metered_free(void* block)
{
    if (block == nullptr)
        return;
    Header* header = static_cast<Header*>(block) - 1;
    held.fetch_sub(header->size);
    std::free(header);
}

} // namespace

bool install()
{
    static const bool installed = SDL_GetNumAllocations() == 0
        && SDL_SetMemoryFunctions(metered_malloc, metered_calloc, metered_realloc, metered_free) == 0;
    return installed;
}

void reset_peak()
{
    peak.store(held.load());
}

std::size_t peak_bytes()
{
    return peak.load();
}

std::size_t held_bytes()
{
    return held.load();
}

} // namespace mossaline::testing::sdl_allocation_meter
