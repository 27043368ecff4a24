// Writes the table of boards that can still finish with one marble, up to symmetry, for the
// solver to read at run time:   make_finish_table OUTPUT [MOST_MARBLES]
// Or checks the pagoda bars the solver relies on (the solver's tests check them too):
//   make_finish_table --bars
#include "solver/bar_check.h"
#include "solver/finish_table.h"
#include "solver/invariants.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace mossaline::solver;

int check_bars()
{
    bool holds = true;
    for (const Weights& weights : pagodas()) {
        const auto below = finishing_board_below_bar(weights, kBarMarbles, kPagodaBar);
        std::printf("pagoda %zu: ", static_cast<std::size_t>(&weights - pagodas().data()));
        if (below)
            std::printf("board %011llx of %d marbles finishes below %d\n", static_cast<unsigned long long>(*below),
                kBarMarbles, kPagodaBar);
        else
            std::printf("at %d or more on every board of %d marbles that finishes\n", kPagodaBar, kBarMarbles);
        holds = holds && !below;
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
