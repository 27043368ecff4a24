// The solver on the start position and on a seeded set of boards from 40 marbles down to 4:
// time to an answer, share decided within the budget, and every answer checked.
#include "plain_solver.h"
#include "solver_boards.h"

#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "solver/bitboard.h"
#include "solver/finish_table.h"
#include "solver/solver.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace mossaline;
using Clock = std::chrono::steady_clock;

namespace {

double milliseconds_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

bool leaves_one(Board board, const std::vector<solver::Step>& line)
{
    for (const solver::Step& step : line) {
        if (judge_move(board, step.from, step.to) != MoveVerdict::Jump)
            return false;
        apply_jump(board, step.from, step.to);
    }
    return board.marbles() == 1;
}

// Boards of every count from `highest` down to `lowest`, `per_count` of each, each from its own
// walk of random jumps from the start (a walk that ends early is thrown away).
std::vector<testing::SetBoard> random_play_set(unsigned seed, int highest, int lowest, std::size_t per_count)
{
    std::mt19937_64 random(seed);
    std::vector<testing::SetBoard> boards;
    for (int marbles = highest; marbles >= lowest; --marbles)
        for (std::size_t made = 0; made < per_count;) {
            Board board;
            set_start_position(board);
            std::vector<OpenJump> open;
            while (board.marbles() > marbles) {
                open.clear();
                for_each_open_jump(board, [&](const OpenJump& jump) { open.push_back(jump); });
                if (open.empty())
                    break;
                const OpenJump& jump = open[random() % open.size()];
                apply_jump(board, jump.from, jump.to);
            }
            if (board.marbles() != marbles)
                continue;
            boards.push_back({board, marbles, false});
            ++made;
        }
    return boards;
}

struct Row {
    std::vector<double> times;
    int decided_quickly = 0;
    int decided = 0;
    int possible = 0;
    int impossible = 0;
    int proven_best = 0;
};

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    unsigned seed = 20240610;
    int budget_ms = 100;
    int check_up_to = 16;
    bool start_only = false;
    int highest_shown = 40;
    int lowest_shown = 4;
    std::size_t per_count = 200;
    int quick_ms = 100;
    bool random_only = false;
    std::string table_file = MOSSALINE_BENCH_FINISH_TABLE;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--seed=", 7) == 0)
            seed = static_cast<unsigned>(std::strtoul(argv[i] + 7, nullptr, 10));
        else if (std::strncmp(argv[i], "--budget-ms=", 12) == 0)
            budget_ms = std::atoi(argv[i] + 12);
        else if (std::strncmp(argv[i], "--check-up-to=", 14) == 0)
            check_up_to = std::atoi(argv[i] + 14);
        else if (std::strncmp(argv[i], "--quick-ms=", 11) == 0)
            quick_ms = std::atoi(argv[i] + 11);
        else if (std::strcmp(argv[i], "--random-only") == 0)
            random_only = true;
        else if (std::strncmp(argv[i], "--table=", 8) == 0)
            table_file = argv[i] + 8;
        else if (std::strcmp(argv[i], "--start-only") == 0)
            start_only = true;
        else if (std::strncmp(argv[i], "--counts=", 9) == 0)
            std::sscanf(argv[i] + 9, "%d-%d", &lowest_shown, &highest_shown);
        else if (std::strncmp(argv[i], "--per-count=", 12) == 0)
            per_count = std::strtoul(argv[i] + 12, nullptr, 10);
    }

    if (!table_file.empty())
        solver::use_finish_table(table_file);
    {
        const auto begun = Clock::now();
        solver::prepare();
        const solver::FinishTable& table = solver::FinishTable::get();
        std::printf("prepare: %.2f ms; table of finishes: up to %d marbles, %zu boards, %.1f MiB\n",
            milliseconds_since(begun), table.most_marbles(), table.size(),
            static_cast<double>(table.bytes()) / (1024.0 * 1024.0));
    }
    Board start;
    set_start_position(start);
    std::vector<double> start_times;
    bool start_ok = true;
    for (int run = 0; run < 21; ++run) {
        const auto begun = Clock::now();
        const solver::Answer answer = solver::solve(start, {std::chrono::milliseconds(budget_ms)});
        start_times.push_back(milliseconds_since(begun));
        start_ok = start_ok && answer.verdict == solver::Verdict::OneMarbleFinish && leaves_one(start, answer.line);
    }
    std::printf("start position: first %.2f ms, median %.2f ms, max %.2f ms over 21 runs, line checked: %s\n",
        start_times.front(), percentile(start_times, 0.5), *std::max_element(start_times.begin(), start_times.end()),
        start_ok ? "yes" : "NO");

    if (start_only)
        return start_ok ? 0 : 1;

    const auto made = Clock::now();
    // Turns off a line count as winnable when a line is found within this many boards visited:
    // a count, not a time, so the set is the same on every run.
    constexpr std::uint64_t kTurnSearchBoards = 1'000'000;
    const std::vector<testing::SetBoard> made_boards = random_only
        ? random_play_set(seed, highest_shown, lowest_shown, per_count)
        : testing::SolverBoardSet::make(seed, 40, 4, 100, kTurnSearchBoards);
    std::uint64_t fingerprint = 14695981039346656037ull;
    for (const testing::SetBoard& entry : made_boards)
        fingerprint = (fingerprint ^ solver::bits_of(entry.board)) * 1099511628211ull;
    std::printf("set: %zu boards from seed %u, fingerprint %016llx, made in %.1f s\n", made_boards.size(), seed,
        static_cast<unsigned long long>(fingerprint), milliseconds_since(made) / 1000);
    // A subset for quick comparisons: of each chosen count, the first boards of each kind in the
    // set's order, half from random play and half from the lines.
    std::vector<testing::SetBoard> boards;
    std::map<std::pair<int, bool>, std::size_t> taken;
    for (const testing::SetBoard& entry : made_boards)
        if (entry.marbles >= lowest_shown && entry.marbles <= highest_shown
            && (random_only || taken[{entry.marbles, entry.from_line}]++ < (per_count + 1) / 2))
            boards.push_back(entry);

    std::map<int, Row, std::greater<>> rows;
    std::vector<double> all_times;
    int wrong = 0;
    int checked = 0;
    for (const testing::SetBoard& entry : boards) {
        const auto begun = Clock::now();
        const solver::Answer answer = solver::solve(entry.board, {std::chrono::milliseconds(budget_ms)});
        const double took = milliseconds_since(begun);
        Row& row = rows[entry.marbles];
        row.times.push_back(took);
        all_times.push_back(took);
        const bool decided = answer.verdict != solver::Verdict::Undecided;
        if (decided && took <= budget_ms)
            ++row.decided;
        if (decided && took <= quick_ms)
            ++row.decided_quickly;
        row.possible += answer.verdict == solver::Verdict::OneMarbleFinish;
        row.impossible += answer.verdict == solver::Verdict::NoOneMarbleFinish;
        row.proven_best += answer.best_proven && answer.verdict == solver::Verdict::NoOneMarbleFinish;
        bool right = true;
        if (answer.verdict == solver::Verdict::OneMarbleFinish)
            right = leaves_one(entry.board, answer.line);
        if (entry.marbles <= check_up_to) {
            ++checked;
            testing::PlainMinimum plain;
            const int fewest = plain.fewest(entry.board);
            if (answer.verdict == solver::Verdict::OneMarbleFinish)
                right = right && fewest == 1;
            if (answer.verdict == solver::Verdict::NoOneMarbleFinish)
                right = right && fewest > 1;
            if (answer.best_proven)
                right = right && fewest == answer.marbles_after_line;
            right = right && answer.marbles_after_line >= fewest;
        }
        if (!right) {
            ++wrong;
            std::printf("WRONG answer on a board of %d marbles\n", entry.marbles);
        }
    }

    std::printf("\n| marbles | boards | one-marble finish | none (proven) | best count proven | decided <= %d ms | "
                "decided <= %d ms | median ms | p99 ms | max ms |\n|---|---|---|---|---|---|---|---|---|---|\n",
        quick_ms, budget_ms);
    int decided_total = 0;
    for (const auto& [marbles, row] : rows) {
        decided_total += row.decided;
        const auto share = [&row](int count) { return 100.0 * count / static_cast<double>(row.times.size()); };
        std::printf("| %d | %zu | %d | %d | %d | %.1f %% | %.1f %% | %.2f | %.2f | %.2f |\n", marbles, row.times.size(),
            row.possible, row.impossible, row.proven_best, share(row.decided_quickly), share(row.decided),
            percentile(row.times, 0.5), percentile(row.times, 0.99),
            *std::max_element(row.times.begin(), row.times.end()));
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\nall: %zu boards, decided within %d ms: %.2f %%, median %.2f ms, p99 %.2f ms\n", all_times.size(),
        budget_ms, 100.0 * decided_total / static_cast<double>(all_times.size()), percentile(all_times, 0.5),
        percentile(all_times, 0.99));
    std::printf("checked against the plain search: %d boards (up to %d marbles); wrong answers: %d\n", checked,
        check_up_to, wrong);
    std::printf("peak resident memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return wrong == 0 && start_ok ? 0 : 1;
}
