#include "solver/board_set.h"

#include <algorithm>

namespace mossaline::solver {
namespace {

constexpr std::size_t kFirstSlots = std::size_t{1} << 12;

std::size_t slot_of(Bits key, std::size_t slot_count)
{
    // Fibonacci hashing spreads the clustered bit patterns of nearby boards.
    const Bits mixed = (key ^ (key >> 29)) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(mixed >> 20) & (slot_count - 1);
}

} // namespace

BoardSet::BoardSet(std::size_t max_entries)
    : slots_(kFirstSlots, kFree)
    , half_entries_(std::max<std::size_t>(max_entries / 2, 1))
{
}

bool BoardSet::holds(const std::vector<Bits>& slots, Bits key)
{
    if (slots.empty())
        return false;
    for (std::size_t i = slot_of(key, slots.size());; i = (i + 1) & (slots.size() - 1)) {
        if (slots[i] == key)
            return true;
        if (slots[i] == kFree)
            return false;
    }
}

void BoardSet::put(std::vector<Bits>& slots, Bits key)
{
    for (std::size_t i = slot_of(key, slots.size());; i = (i + 1) & (slots.size() - 1))
        if (slots[i] == kFree) {
            slots[i] = key;
            return;
        }
}

bool BoardSet::contains(Bits key) const
{
    return holds(slots_, key) || holds(older_, key);
}

void BoardSet::insert(Bits key)
{
    if (holds(slots_, key))
        return;
    if (count_ >= half_entries_) {
        older_ = std::move(slots_);
        older_count_ = count_;
        slots_.assign(kFirstSlots, kFree);
        count_ = 0;
    }
    if (2 * (count_ + 1) > slots_.size())
        grow();
    put(slots_, key);
    ++count_;
}

void BoardSet::grow()
{
    std::vector<Bits> old(slots_.size() * 2, kFree);
    old.swap(slots_);
    for (Bits key : old)
        if (key != kFree)
            put(slots_, key);
}

} // namespace mossaline::solver
