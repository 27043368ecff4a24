#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "file_bytes.h"
#include "mapped_libraries.h"
#include "monitor_recorder.h"
#include "own_pulse_server.h"
#include "scoped_env.h"
#include "scratch_folder.h"
#include "server_streams.h"
#include "sound/cue_decoder.h"
#include "sound/late_cue_player.h"
#include "sound/make_cue_player.h"
#include "sound/pulse_cue_player.h"
#include "sound/sdl_cue_player.h"
#include "wav_bytes.h"

namespace mossaline {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::filesystem::path kGenerated(MOSSALINE_TEST_SOUND_DIR);
constexpr milliseconds kConnectLimit{2000};

#define SKIP_WITHOUT_SERVER()                                                                                          \
    if (std::getenv("PULSE_SERVER") == nullptr) {                                                                      \
        GTEST_SKIP() << "PULSE_SERVER is not set: scripts/test.sh starts the sound server these tests use";            \
    }

std::vector<std::int16_t> joined(const std::vector<test::MonitorRecorder::Piece>& pieces)
{
    std::vector<std::int16_t> all;
    for (const auto& piece : pieces) {
        all.insert(all.end(), piece.samples.begin(), piece.samples.end());
    }
    return all;
}

// When the piece holding the recording's last loud sample arrived.
Clock::time_point last_loud_arrival(const std::vector<test::MonitorRecorder::Piece>& pieces)
{
    Clock::time_point last{};
    for (const auto& piece : pieces) {
        if (test::end_of_loud(piece.samples) > 0) {
            last = piece.arrived;
        }
    }
    return last;
}

// How many of the cue's first samples are missing before `heard[start]`, if
// the following ones match exactly; more than `limit` when none does.
constexpr std::size_t kMaxMissedHead = 882; // 20 ms
std::size_t matching_offset(const std::vector<std::int16_t>& heard, std::size_t start,
    const std::vector<std::int16_t>& expected, std::size_t limit)
{
    constexpr std::size_t kWindow = 441;
    for (std::size_t skip = 0; skip <= limit && skip + kWindow <= expected.size(); ++skip) {
        if (start + kWindow <= heard.size()
            && std::equal(expected.begin() + static_cast<long>(skip),
                expected.begin() + static_cast<long>(skip + kWindow), heard.begin() + static_cast<long>(start))) {
            return skip;
        }
    }
    return expected.size();
}

long process_switches()
{
    long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream status(task.path() / "status");
        std::string key;
        while (status >> key) {
            long value = 0;
            if ((key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") && status >> value) {
                total += value;
            }
        }
    }
    return total;
}

// The sink sees the cue sample for sample, and play() returns once the whole
// of it has reached the sink and not long after: a player returning when the
// samples are sent, or waiting for a server-side drain of the sink's whole
// latency, fails here.
TEST(PulseCuePlayerTest, ServerReceivesTheWholeCueBeforePlayReturns)
{
    SKIP_WITHOUT_SERVER();
    auto player = PulseCuePlayer::connect(kGenerated, kConnectLimit);
    ASSERT_TRUE(player);
    test::MonitorRecorder recorder;
    ASSERT_TRUE(recorder.ok()) << recorder.error();
    for (Cue cue : {Cue::ChimeUp, Cue::Bird}) {
        SCOPED_TRACE(std::string(cue_file_name(cue)));
        const auto decoded = decode_cue(test::read_file(kGenerated / cue_file_name(cue)), PulseCuePlayer::kFormat);
        ASSERT_TRUE(decoded);
        const std::vector<std::int16_t> expected(decoded->begin() + static_cast<long>(test::first_loud(*decoded)),
            decoded->begin() + static_cast<long>(test::end_of_loud(*decoded)));
        recorder.take();
        player->play(cue);
        const Clock::time_point returned = Clock::now();
        recorder.wait_past(returned + milliseconds(100));
        const auto pieces = recorder.take();
        const std::vector<std::int16_t> heard = joined(pieces);
        const std::size_t start = test::first_loud(heard);
        ASSERT_LT(start, heard.size()) << "nothing reached the sink";
        // A new stream makes the sink render again over the few milliseconds it
        // had rendered ahead, which its monitor had already passed on: the
        // recording may miss the first of them, never any later sample.
        const std::size_t skipped = matching_offset(heard, start, expected, kMaxMissedHead);
        ASSERT_LT(skipped, expected.size()) << "the sink got other samples than the cue's";
        const std::size_t length = expected.size() - skipped;
        ASSERT_LE(start + length, heard.size()) << "the sink got less than the cue";
        EXPECT_TRUE(std::equal(
            expected.begin() + static_cast<long>(skipped), expected.end(), heard.begin() + static_cast<long>(start)))
            << "the sink got other samples than the cue's";
        EXPECT_EQ(test::end_of_loud(heard), start + length) << "more sound after the cue";
        // Generous: the recorder's own thread stamps late on a busy machine.
        const Clock::time_point end = last_loud_arrival(pieces);
        EXPECT_LT(end, returned + milliseconds(60)) << "play() returned before the cue reached the sink";
        EXPECT_LT(returned, end + milliseconds(250)) << "play() held on long after the cue had played";
    }
}

// Nothing of the player wakes the process between cues: an audio thread
// feeding silence, or a loop with a timer, would show here.
TEST(PulseCuePlayerTest, NothingWakesWhileNoCuePlays)
{
    SKIP_WITHOUT_SERVER();
    auto player = PulseCuePlayer::connect(kGenerated, kConnectLimit);
    ASSERT_TRUE(player);
    player->play(Cue::Gain);
    constexpr int kSeconds = 3;
    const long before = process_switches();
    std::this_thread::sleep_for(std::chrono::seconds(kSeconds));
    const long woke = process_switches() - before;
    EXPECT_LE(woke, 3 * kSeconds) << "context switches over " << kSeconds << " s with no cue playing";
    EXPECT_TRUE(player->connected());
}

// Between cues every stream of the game at the server is corked: one left playing, even
// silence, keeps a desktop's sink from suspending for as long as the game sits idle. The
// first cue is left out: an idle sink rendering far ahead may not have started it by its
// end, and its stream plays on until the next cue.
TEST(PulseCuePlayerTest, BetweenCuesEveryStreamOfTheGameIsCorked)
{
    SKIP_WITHOUT_SERVER();
    auto player = PulseCuePlayer::connect(kGenerated, kConnectLimit);
    ASSERT_TRUE(player);
    player->play(Cue::ChimeUp);
    for (Cue cue : {Cue::Gain, Cue::Normal, Cue::Loss}) {
        player->play(cue);
        const auto corked = test::streams_corked("MOSSALINE");
        ASSERT_TRUE(corked) << "the server could not be asked";
        EXPECT_FALSE(corked->empty()) << "no stream ready for the next cue";
        EXPECT_EQ(std::count(corked->begin(), corked->end(), false), 0)
            << "streams left playing after " << cue_file_name(cue);
    }
}

// A server of this test's own, killed while a long cue plays: play() must
// come back long before the cue would have ended, and every later cue at once.
TEST(PulseCuePlayerTest, ServerKilledMidCueDoesNotHoldTheGame)
{
    SKIP_WITHOUT_SERVER();
    const test::ScratchFolder scratch("pulse_killed");
    const std::filesystem::path sounds = scratch.path() / "sound";
    std::filesystem::create_directories(sounds);
    const std::vector<std::int16_t> long_tone(44100 * 6, 3000);
    test::write_file(sounds / cue_file_name(Cue::Gain), test::make_wav16({}, long_tone));

    test::OwnPulseServer server(scratch.path());
    ASSERT_TRUE(server.start()) << "the test's own server did not start";
    const test::ScopedEnv address("PULSE_SERVER", server.address());
    auto player = PulseCuePlayer::connect(sounds, kConnectLimit);
    ASSERT_TRUE(player) << "the test's own server did not answer";
    std::thread killer([&server] {
        std::this_thread::sleep_for(milliseconds(300));
        server.stop(SIGKILL);
    });
    const Clock::time_point start = Clock::now();
    player->play(Cue::Gain);
    const auto took = Clock::now() - start;
    killer.join();
    EXPECT_LT(took, std::chrono::seconds(3)) << "a 6 s cue on a server killed after 0.3 s";
    EXPECT_FALSE(player->connected());
    const Clock::time_point again = Clock::now();
    player->play(Cue::Gain);
    EXPECT_LT(Clock::now() - again, std::chrono::seconds(1)) << "a cue after the server went";
}

// Whether the cue reached the sink of the server PULSE_SERVER names.
bool heard(CuePlayer& player, Cue cue)
{
    test::MonitorRecorder recorder;
    EXPECT_TRUE(recorder.ok()) << recorder.error();
    player.play(cue);
    recorder.wait_past(Clock::now() + milliseconds(100));
    const std::vector<std::int16_t> samples = joined(recorder.take());
    return test::first_loud(samples) < samples.size();
}

// A desktop stops its sound server and starts it again: cues in between are
// skipped and return, the first attempts to reach the server again are spaced
// by the retry interval (the player's clock is this test's), and sound comes
// back with the server. A player that gives up for good, or one that tries on
// every cue, fails here. The cues go the way the game's go: the start cue held
// until the player arrives, every later one through the same stand-in.
TEST(PulseCuePlayerTest, SoundComesBackWithTheServer)
{
    SKIP_WITHOUT_SERVER();
    const test::ScratchFolder scratch("pulse_restarted");
    test::OwnPulseServer server(scratch.path());
    ASSERT_TRUE(server.start()) << "the test's own server did not start";
    const test::ScopedEnv address("PULSE_SERVER", server.address());
    Clock::time_point now = Clock::now();
    LateCuePlayer game_cues;
    auto player = PulseCuePlayer::connect(kGenerated, kConnectLimit, {}, [&now] { return now; });
    ASSERT_TRUE(player) << "the test's own server did not answer";
    {
        test::MonitorRecorder recorder;
        ASSERT_TRUE(recorder.ok()) << recorder.error();
        game_cues.play(Cue::ChimeUp);
        game_cues.arrive(player.get());
        recorder.wait_past(Clock::now() + milliseconds(100));
        const std::vector<std::int16_t> samples = joined(recorder.take());
        EXPECT_LT(test::first_loud(samples), samples.size()) << "the start cue, held until the player came";
    }
    EXPECT_TRUE(heard(game_cues, Cue::Gain)) << "a cue after the start, before the server stopped";

    server.stop();
    for (Cue cue : {Cue::Gain, Cue::Normal, Cue::Loss}) {
        game_cues.play(cue);
    }
    EXPECT_FALSE(player->connected());

    ASSERT_TRUE(server.start()) << "the test's own server did not start again";
    now += PulseCuePlayer::kRetryInterval / 2;
    EXPECT_FALSE(heard(game_cues, Cue::ChimeUp)) << "tried the server again sooner than the retry interval";
    now += PulseCuePlayer::kRetryInterval;
    EXPECT_TRUE(heard(game_cues, Cue::ChimeUp)) << "no sound once the server was back";
    EXPECT_TRUE(player->connected());
    EXPECT_TRUE(heard(game_cues, Cue::Gain)) << "the cue after the one that reconnected";
}

// The game gets the server's player where one answers, SDL's where the user
// named an SDL driver or no server answers.
TEST(MakeCuePlayerTest, ChoosesTheServerOnlyWhenItAnswersAndNoSdlDriverIsNamed)
{
    SKIP_WITHOUT_SERVER();
    {
        const test::ScopedEnv driver("SDL_AUDIODRIVER", "");
        EXPECT_NE(dynamic_cast<PulseCuePlayer*>(make_cue_player(kGenerated).get()), nullptr);
    }
    {
        const test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
        EXPECT_NE(dynamic_cast<SdlCuePlayer*>(make_cue_player(kGenerated).get()), nullptr);
    }
    {
        const test::ScopedEnv driver("SDL_AUDIODRIVER", "");
        const test::ScopedEnv address("PULSE_SERVER", "unix:/nonexistent/mossaline/native");
        EXPECT_NE(dynamic_cast<SdlCuePlayer*>(make_cue_player(kGenerated).get()), nullptr);
    }
}

// The server is reached on a thread of its own while the toolkit starts. Starting SDL
// there would bring up D-Bus beside the toolkit's own, and a bus being started forks:
// a start-up that sometimes never showed its window. So that part must never touch SDL.
TEST(MakeCuePlayerTest, ReachingTheServerNeverStartsSdl)
{
    if (test::library_mapped("libSDL2")) {
        GTEST_SKIP() << "an earlier test in this process loaded SDL";
    }
    {
        const test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
        EXPECT_EQ(reach_sound_server(kGenerated), nullptr);
    }
    {
        const test::ScopedEnv driver("SDL_AUDIODRIVER", "");
        const test::ScopedEnv address("PULSE_SERVER", "unix:/nonexistent/mossaline/native");
        EXPECT_EQ(reach_sound_server(kGenerated), nullptr);
    }
    EXPECT_FALSE(test::library_mapped("libSDL2"));

    const test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    EXPECT_NE(make_local_cue_player(kGenerated), nullptr);
    EXPECT_TRUE(test::library_mapped("libSDL2"));
}

} // namespace
} // namespace mossaline
