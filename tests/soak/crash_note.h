#pragma once

#include <cstdint>

namespace mossaline::testing {

/// While it lives, a crash (a fault, an abort) first writes the seed and the event being run
/// to stderr, then goes on to the signal's earlier handler, which reports it as before.
class CrashNote {
public:
    /// Starts noting; `event_number` is read at the crash.
    CrashNote(std::uint64_t seed, const long* event_number);
    /// Restores the earlier handlers.
    ~CrashNote();
    CrashNote(const CrashNote&) = delete;
    CrashNote& operator=(const CrashNote&) = delete;
};

} // namespace mossaline::testing
