#include "sim/PtyPort.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kelvane::sim {

PtyPort::~PtyPort() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

bool PtyPort::Create() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        error_ = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ >= 0) {
        // Raw until the tool opens it and sets its own line settings.
        termios tio{};
        if (::tcgetattr(slave_, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(slave_, TCSANOW, &tio);
        }
    }
    return true;
}

std::vector<LineByte> PtyPort::Receive() {
    std::vector<LineByte> bytes;
    unsigned char buffer[512];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) break;  // nothing waiting (EAGAIN), or no one on the other end (EIO)
        for (ssize_t i = 0; i < n; ++i) bytes.push_back({buffer[i], ptNONE});
    }
    return bytes;
}

void PtyPort::Transmit(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the terminal's queue is full: the rest is lost like on a real line
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace kelvane::sim
