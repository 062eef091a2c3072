#pragma once
// Runs a check in a child process as the user nobody, so that file permissions apply even when
// the tests run as root. The child's exit status is the check's answer.
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace zolvik::test {

inline constexpr uid_t kNobody = 65534;

// The check's result in a child running as nobody (as the current user when not root);
// false also when the child could not be started or ended abnormally.
inline bool RunAsNobody(const std::function<bool()> &check)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace zolvik::test
