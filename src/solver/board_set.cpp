#include "solver/board_set.h"

namespace mossaline::solver {

BoardSet::BoardSet(std::size_t max_entries)
    : slots_(1u << 12, kFree)
    , max_entries_(max_entries)
{
}

std::size_t BoardSet::slot_of(Bits key) const
{
    // Fibonacci hashing spreads the clustered bit patterns of nearby boards.
    const Bits mixed = (key ^ (key >> 29)) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(mixed >> 20) & (slots_.size() - 1);
}

bool BoardSet::contains(Bits key) const
{
    for (std::size_t i = slot_of(key);; i = (i + 1) & (slots_.size() - 1)) {
        if (slots_[i] == key)
            return true;
        if (slots_[i] == kFree)
            return false;
    }
}

void BoardSet::insert(Bits key)
{
    if (count_ >= max_entries_)
        return;
    if (2 * (count_ + 1) > slots_.size())
        grow();
    for (std::size_t i = slot_of(key);; i = (i + 1) & (slots_.size() - 1)) {
        if (slots_[i] == key)
            return;
        if (slots_[i] == kFree) {
            slots_[i] = key;
            ++count_;
            return;
        }
    }
}

void BoardSet::grow()
{
    std::vector<Bits> old(slots_.size() * 2, kFree);
    old.swap(slots_);
    for (Bits key : old)
        if (key != kFree)
            for (std::size_t i = slot_of(key);; i = (i + 1) & (slots_.size() - 1))
                if (slots_[i] == kFree) {
                    slots_[i] = key;
                    break;
                }
}

} // namespace mossaline::solver
