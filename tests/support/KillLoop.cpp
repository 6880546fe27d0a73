#include "KillLoop.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace zt::test {

bool killAfterSteps(const std::function<void(const std::function<void()>& report)>& work, int steps) {
    int channel[2];
    if (::pipe(channel) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return false;
    }
    if (child == 0) {
        ::close(channel[0]);
        work([&] {
            const char step = 1;
            while (::write(channel[1], &step, 1) < 0 && errno == EINTR) {
            }
        });
        std::_Exit(0); // no destructors, no test framework: the parent owns those
    }
    ::close(channel[1]);
    for (int received = 0; received < steps;) {
        char step;
        const auto n = ::read(channel[0], &step, 1);
        if (n == 0)
            break; // the child ended first
        if (n > 0)
            ++received;
        else if (errno != EINTR)
            break;
    }
    ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ::close(channel[0]);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

int killRounds(int fallback) {
    const char* rounds = std::getenv("ZT_KILL_ROUNDS");
    return rounds ? std::atoi(rounds) : fallback;
}

} // namespace zt::test
