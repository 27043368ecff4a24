#include "crash_note.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cstddef>

namespace mossaline::testing {

namespace {

constexpr std::array<int, 5> kSignals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

std::array<struct sigaction, kSignals.size()> earlier{};
std::uint64_t noted_seed = 0;
const long* volatile noted_event = nullptr;

// Only async-signal-safe work from here on: digits by hand, one write(2).
char* put_number(char* at, std::uint64_t value)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0)
        *at++ = digits[--count];
    return at;
}

char* put_text(char* at, const char* text)
{
    while (*text != '\0')
        *at++ = *text++;
    return at;
}

void on_crash(int signal_number)
{
    char line[160];
    char* at = put_text(line, "\nsoak crashed: seed ");
    at = put_number(at, noted_seed);
    at = put_text(at, ", event ");
    const long* event = noted_event;
    at = put_number(at, event == nullptr ? 0 : static_cast<std::uint64_t>(*event));
    at = put_text(at, " (rerun with MOSSALINE_SOAK_SEED and MOSSALINE_SOAK_EVENTS set to these)\n");
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line, static_cast<std::size_t>(at - line));

    // Hand the signal back to whoever had it: a fault repeats when this returns, an abort is raised again.
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &earlier[i], nullptr);
    if (signal_number == SIGABRT)
        raise(SIGABRT);
}

} // namespace

CrashNote::CrashNote(std::uint64_t seed, const long* event_number)
{
    noted_seed = seed;
    noted_event = event_number;
    struct sigaction action { };
    action.sa_handler = on_crash;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &earlier[i]);
}

CrashNote::~CrashNote()
{
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &earlier[i], nullptr);
    noted_event = nullptr;
}

} // namespace mossaline::testing
