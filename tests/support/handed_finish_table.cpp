// Linked into the test programs that search: they read the generator's table of the build tree,
// handed to the solver before any test runs, as the program hands it the one beside itself.
#include "solver/solver.h"

namespace {

const bool handed = [] {
    mossaline::solver::use_finish_table(MOSSALINE_TEST_FINISH_TABLE);
    return true;
}();

} // namespace
