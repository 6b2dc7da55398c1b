#include "support/FileTestSupport.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>

#include <cerrno>

namespace kelvane::test {

std::optional<OtherUser> FindOtherUser() {
    if (::geteuid() != 0) return OtherUser{::geteuid(), ::getegid()};
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody || nobody->pw_uid == 0) return std::nullopt;
    return OtherUser{nobody->pw_uid, nobody->pw_gid};
}

std::optional<std::string> RunAs(const OtherUser& user, const std::function<std::string()>& body) {
    constexpr int kCannotBecomeUser = 77;
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        ::close(channel[0]);
        const bool become = ::geteuid() != user.uid;
        if (become && (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0))
            ::_exit(kCannotBecomeUser);
        const std::string report = body();
        const ssize_t written = ::write(channel[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[512];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) break;
        report.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(channel[0]);
    int status = 0;
    pid_t waited;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotBecomeUser) return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child process failed: " + report;
    return report;
}

}  // namespace kelvane::test
