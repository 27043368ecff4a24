#include "crash_note.h"
#include "soak_driver.h"
#include "soak_invariants.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

namespace mossaline::testing {
namespace {

// The full million takes seconds even under the sanitizers; scripts/soak.sh runs more seeds.
constexpr long kDefaultEvents = 1000000;
constexpr std::uint64_t kDefaultSeed = 20240229;

std::uint64_t from_environment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    return std::stoull(text);
}

TEST(Soak, RandomEventsKeepTheBoardTheCountTheDiscsAndTheSettingsInStep)
{
    const std::uint64_t seed = from_environment("MOSSALINE_SOAK_SEED", kDefaultSeed);
    const long events = static_cast<long>(from_environment("MOSSALINE_SOAK_EVENTS", kDefaultEvents));
    RecordProperty("seed", std::to_string(seed));

    Module1 module;
    RecordingCuePlayer cues;
    SoakRandom random(seed ^ 0x9E3779B97F4A7C15u);
    int exits = 0;
    Form1 window_model(module, cues, random, [&exits] { ++exits; });
    Form1Names& form = design_names(window_model);
    SoakStream stream(seed);

    const auto check = [&](const SoakDriver& driver) {
        std::optional<std::string> fault = display_fault(form, module);
        if (!fault)
            fault = settings_fault(form, module, driver.panel_opened());
        if (!fault && module.show_moves == 1)
            fault = movable_colour_fault(form, module);
        if (fault)
            throw SoakFault(*fault);
    };
    SoakDriver driver(window_model, module, cues, stream, exits, check);
    // A cue blocks the game while it plays, so the board must already be whole by then.
    cues.while_playing = [&](Cue cue) {
        if (auto fault = display_fault(form, module))
            throw SoakFault(std::string("while ") + std::string(cue_file_name(cue)) + " played: " + *fault);
    };

    const auto started = std::chrono::steady_clock::now();
    const CrashNote crash_note(seed, driver.current_event());
    try {
        form.Form_Load();
        check(driver);
        while (driver.tally().events < events)
            driver.step();
    } catch (const std::exception& error) {
        std::string trail;
        for (const SoakEvent& event : driver.recent())
            trail += "\n  " + event.describe();
        const long failed_at = driver.recent().empty() ? 0 : driver.recent().back().number;
        FAIL() << "seed " << seed << (failed_at == 0 ? ", at load" : ", event " + std::to_string(failed_at)) << ": "
               << error.what() << "\nrerun with MOSSALINE_SOAK_SEED=" << seed << " MOSSALINE_SOAK_EVENTS=" << failed_at
               << "\nlast events:" << trail;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    const SoakTally& tally = driver.tally();
    std::cout << "[ soak     ] seed " << seed << ": " << tally.events << " events in " << seconds << " s, "
              << tally.clicks << " clicks (" << tally.slotless_marks << " onto cells 79..81), " << tally.jumps
              << " jumps, " << tally.games_reported << " games reported, " << tally.restarts << " restarts, "
              << tally.closes << " closes, " << tally.exits << " exits, " << tally.take_backs << " take-backs ("
              << tally.back_to_start << " to the start), " << tally.redos << " redos, " << tally.keys << " keys, "
              << tally.hints << " hints, " << tally.cues << " cues, " << random.reseeds << " reseeds\n";
    RecordProperty("events", std::to_string(tally.events));
    RecordProperty("jumps", std::to_string(tally.jumps));
    RecordProperty("games_reported", std::to_string(tally.games_reported));

    // A long run that never ends a game has not tried what it claims to.
    if (events >= 20000) {
        EXPECT_GT(tally.jumps, events / 100);
        EXPECT_GT(tally.games_reported, 10);
        EXPECT_GT(tally.restarts, 10);
        EXPECT_GT(tally.closes, 10);
        EXPECT_GT(tally.slotless_marks, 10) << "the marker never reached the cells without a slot";
        EXPECT_GT(tally.take_backs, 10);
        EXPECT_GT(tally.back_to_start, 10);
        EXPECT_GT(tally.redos, 10);
        EXPECT_GT(tally.keys, 10);
        EXPECT_GT(tally.hints, 10);
    }
}

} // namespace
} // namespace mossaline::testing
