// Records what reaches the sound server's default sink, from its monitor, into a raw file of
// 16-bit mono 44.1 kHz samples, the format cue_tones reads.
//   monitor_record FILE [PIECE_MS]   prints "recording" once samples flow, stops on SIGTERM or SIGINT
// The server hands the samples over in pieces of PIECE_MS (10 by default). Long pieces let the
// sink run at a long latency, rendering far ahead, as it does when no client asks for less.

#include "monitor_recorder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <thread>

namespace {

volatile std::sig_atomic_t stop_asked = 0;

void ask_stop(int)
{
    stop_asked = 1;
}

void append(std::ofstream& out, const std::vector<mossaline::test::MonitorRecorder::Piece>& pieces)
{
    for (const auto& piece : pieces)
        out.write(reinterpret_cast<const char*>(piece.samples.data()),
            static_cast<std::streamsize>(piece.samples.size() * sizeof(piece.samples[0])));
    out.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    const int piece_ms = argc == 3 ? std::atoi(argv[2]) : 10;
    if ((argc != 2 && argc != 3) || piece_ms < 1 || piece_ms > 5000) {
        std::cerr << "usage: monitor_record FILE [PIECE_MS]\n";
        return 2;
    }
    std::signal(SIGTERM, ask_stop);
    std::signal(SIGINT, ask_stop);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    mossaline::test::MonitorRecorder recorder(44100 * piece_ms / 1000);
    if (!out || !recorder.ok()) {
        std::cerr << "monitor_record: " << (out ? recorder.error() : "cannot write the file") << '\n';
        return 1;
    }
    std::cout << "recording" << std::endl;
    while (stop_asked == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        append(out, recorder.take());
    }
    // Whatever the server had played when the stop came is in.
    recorder.wait_past(mossaline::test::MonitorRecorder::Clock::now());
    append(out, recorder.take());
    return out ? 0 : 1;
}
