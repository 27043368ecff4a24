#include "own_pulse_server.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

namespace mossaline::test {

namespace {

// True once something accepts connections on the socket: the file alone is
// left behind by a killed server.
bool listening(const std::filesystem::path& socket_path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_path.c_str(), sizeof(address.sun_path) - 1);
    const bool answered = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return answered;
}

} // namespace

OwnPulseServer::OwnPulseServer(std::filesystem::path folder)
    : folder_(std::move(folder))
{
}

OwnPulseServer::~OwnPulseServer()
{
    stop(SIGKILL);
}

bool OwnPulseServer::start()
{
    stop(SIGKILL);
    pid_ = fork();
    if (pid_ < 0) {
        return false;
    }
    if (pid_ == 0) {
        execl("/bin/bash", "bash", MOSSALINE_TEST_PULSE_SCRIPT, "serve", folder_.c_str(), nullptr);
        _exit(127);
    }
    for (int i = 0; i < 400; ++i) {
        if (listening(folder_ / "native")) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

void OwnPulseServer::stop(int signal)
{
    if (pid_ > 0) {
        send(signal);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

void OwnPulseServer::send(int signal) const
{
    if (pid_ > 0) {
        kill(pid_, signal);
    }
}

std::string OwnPulseServer::address() const
{
    return "unix:" + (folder_ / "native").string();
}

} // namespace mossaline::test
