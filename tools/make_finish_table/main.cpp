// Writes the table of boards that can still finish with one marble, up to symmetry, for the
// solver to read at run time:   make_finish_table OUTPUT [MOST_MARBLES]
// Or checks the pagoda bars the solver relies on, from every board the start reaches in 13
// jumps (about 80 s of one core and 0.8 GB):   make_finish_table --bars
#include "solver/finish_table.h"
#include "solver/forward_levels.h"
#include "solver/invariants.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace mossaline::solver;

int value_of(const Weights& weights, Bits board)
{
    int value = 0;
    for (int h = 0; h < kHoles; ++h)
        value += (board >> h & 1) ? weights[static_cast<std::size_t>(h)] : 0;
    return value;
}

// The boards of k marbles that finish are the complements of those reached in k - 1 jumps;
// the least value of each pagoda over them and their images is the bar for k marbles.
int check_bars()
{
    bool holds = true;
    std::vector<Bits> level{canonical(start_bits())};
    for (int jumps = 1; jumps < kBarMarbles; ++jumps) {
        level = next_level(level);
        if (jumps + 1 < kBarMarbles - 2)
            continue;
        std::printf("%d marbles, %zu boards, least pagoda values:", jumps + 1, level.size());
        for (const Weights& weights : pagodas()) {
            int least = INT_MAX;
            for (Bits reached : level)
                for (int s = 0; s < kSymmetries; ++s)
                    least = std::min(least, value_of(weights, transformed(kAllHoles & ~reached, s)));
            std::printf(" %d", least);
            if (jumps + 1 == kBarMarbles)
                holds = holds && least >= kPagodaBar;
        }
        std::printf("\n");
    }
    std::printf("bar of %d from %d marbles: %s\n", kPagodaBar, kBarMarbles, holds ? "holds" : "DOES NOT HOLD");
    return holds ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--bars") == 0)
        return check_bars();
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT [MOST_MARBLES] | --bars\n", argv[0]);
        return 2;
    }
    const int most = argc == 3 ? std::atoi(argv[2]) : FinishTable::kFileMarbles;
    if (most < 1 || most > 14) {
        std::fprintf(stderr, "%s: MOST_MARBLES must be 1..14\n", argv[0]);
        return 2;
    }
    const FinishTable table = FinishTable::build(most);
    if (!table.save(argv[1])) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%zu boards of 1..%d marbles, %zu bytes\n", table.size(), most, table.bytes());
    return 0;
}
