#pragma once

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace childprocess {

/// Runs `body` in a forked copy of the test process, so that a hang or a fatal signal (SIGXFSZ)
/// ends the child and not the test run. Expectations inside the body print as usual and make the
/// child fail. Returns how the child ended in words, empty when it finished without a failure:
/// `EXPECT_EQ(runInChild(...), "")`. A child still running after `limit` is killed.
inline std::string runInChild(
    const std::function<void()>& body, std::chrono::milliseconds limit = std::chrono::seconds(10))
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return std::string("fork failed: ") + std::strerror(errno);
    if (pid == 0) {
        try {
            body();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "exception: " << e.what();
        } catch (...) {
            ADD_FAILURE() << "unknown exception";
        }
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }

    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0)
            return std::string("waitpid failed: ") + std::strerror(errno);
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return "still running after " + std::to_string(limit.count()) + " ms: killed";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status) == 0 ? std::string() : "failed (see above)";
    if (WIFSIGNALED(status))
        return std::string("ended by signal ") + ::strsignal(WTERMSIG(status));
    return "ended in an unknown way";
}

} // namespace childprocess
