#pragma once

#include <sys/types.h>

#include <csignal>
#include <filesystem>
#include <string>

namespace mossaline::test {

/** A sound server of one test's own (scripts/pulse-server.sh serve), to stop and start at will. */
class OwnPulseServer {
public:
    /** A server that keeps its socket and state in `folder`; not started yet. */
    explicit OwnPulseServer(std::filesystem::path folder);
    /** Kills the server if it still runs. */
    ~OwnPulseServer();
    OwnPulseServer(const OwnPulseServer&) = delete;
    OwnPulseServer& operator=(const OwnPulseServer&) = delete;

    /** Starts the server and waits until it listens; false if it did not within a few seconds. */
    bool start();
    /** Sends `signal` and waits for the server to end: SIGTERM stops it as a desktop does, SIGKILL leaves its socket.
     */
    void stop(int signal = SIGTERM);
    /** Sends `signal` and returns at once (SIGSTOP freezes the server, SIGCONT lets it go on). */
    void send(int signal) const;
    /** The address to put in PULSE_SERVER. */
    std::string address() const;

private:
    std::filesystem::path folder_;
    pid_t pid_ = -1;
};

} // namespace mossaline::test
