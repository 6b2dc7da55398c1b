#include "comms/qt/QtSerialDevice.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace kelvane {

namespace {

tcflag_t CharacterSize(int dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

tcflag_t ParityFlags(TComPortParity parity) {
    switch (parity) {
        case ptODD:
            return PARENB | PARODD;
        case ptEVEN:
            return PARENB;
        case ptMARK:
            return PARENB | CMSPAR | PARODD;
        case ptSPACE:
            return PARENB | CMSPAR;
        default:
            return 0;
    }
}

constexpr tcflag_t kManagedCflags = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS;

}  // namespace

QtSerialDevice::QtSerialDevice() {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (OnDataReady) OnDataReady();
    });
    // A device that went away (an adapter pulled, a pseudo-terminal whose far
    // end closed) makes every read of the port fail, over and over as fast as
    // the event loop turns. The first failure has the device looked at once
    // the port has finished the work it was doing; a device that has gone is
    // closed then.
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError || !port_.isOpen() || goneCheckQueued_) return;
        goneCheckQueued_ = true;
        QMetaObject::invokeMethod(
            &port_,
            [this] {
                goneCheckQueued_ = false;
                if (HasGone()) Gone();
            },
            Qt::QueuedConnection);
    });
}

bool QtSerialDevice::HasGone() const {
    const int fd = Handle();
    if (fd < 0) return false;
    pollfd polled{fd, 0, 0};
    if (::poll(&polled, 1, 0) > 0 && (polled.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return true;
    termios tio{};
    return ::tcgetattr(fd, &tio) != 0;
}

void QtSerialDevice::Gone() {
    if (!port_.isOpen()) return;
    SetError(ENODEV, "the device has gone (" + port_.errorString().toStdString() + ")");
    port_.close();
    if (OnGone) OnGone();
}

QtSerialDevice::~QtSerialDevice() {
    Close();
}

void QtSerialDevice::SetError(std::uint32_t code, const std::string& text) {
    lastError_ = code;
    lastErrorText_ = text;
}

int QtSerialDevice::Handle() const {
    return port_.isOpen() ? static_cast<int>(port_.handle()) : -1;
}

bool QtSerialDevice::Open(const std::string& path) {
    if (port_.isOpen()) Close();
    port_.setPortName(QString::fromLocal8Bit(path.c_str()));
    if (!port_.open(QIODevice::ReadWrite)) {
        SetError(port_.error() == QSerialPort::PermissionError ? EACCES : ENODEV,
                 port_.errorString().toStdString());
        return false;
    }
    // Nobody else may open the device while the tool holds it.
    if (::ioctl(Handle(), TIOCEXCL) != 0) {
        SetError(static_cast<std::uint32_t>(errno), "cannot take the device exclusively");
        port_.close();
        return false;
    }
    writtenSinceDrain_ = false;
    ClearError();
    return true;
}

void QtSerialDevice::Close() {
    if (port_.isOpen()) port_.close();
}

bool QtSerialDevice::Configure(const LineSettings& s) {
    const int fd = Handle();
    if (fd < 0) {
        SetError(EBADF, "the port is closed");
        return false;
    }
    // Qt handles the rates the terminal interface has no constant for.
    if (!port_.setBaudRate(static_cast<qint32>(s.BaudRate))) {
        SetError(EINVAL,
                 "bit rate " + std::to_string(s.BaudRate) + " refused: " + port_.errorString().toStdString());
        return false;
    }
    baudRate_ = s.BaudRate;

    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        SetError(static_cast<std::uint32_t>(errno), std::strerror(errno));
        return false;
    }
    std::string approximated;
    tio.c_cflag &= ~kManagedCflags;
    tio.c_cflag |= CLOCAL | CREAD | CharacterSize(s.DataBits) | ParityFlags(s.Parity);
    if (s.StopBits != sb1BITS) tio.c_cflag |= CSTOPB;
    if (s.StopBits == sb1HALFBITS) approximated = "1.5 stop bits are not available here; 2 are used";
    if (s.RtsCts) tio.c_cflag |= CRTSCTS;
    tio.c_iflag &=
        ~(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNPAR | PARMRK | BRKINT | ICRNL | INLCR | IGNCR);
    if (s.XonXoff) tio.c_iflag |= IXON | IXOFF;
    tio.c_cc[VSTART] = static_cast<cc_t>(s.XonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(s.XoffChar);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ICANON | ECHO | ECHOE | ECHONL | ISIG | IEXTEN);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        SetError(static_cast<std::uint32_t>(errno),
                 std::string("line settings refused: ") + std::strerror(errno));
        return false;
    }

    int lines = TIOCM_DTR;
    ::ioctl(fd, s.Dtr ? TIOCMBIS : TIOCMBIC, &lines);
    if (!s.RtsCts) {
        lines = TIOCM_RTS;
        ::ioctl(fd, TIOCMBIC, &lines);
    }

    // Read back: a driver (or a pseudo-terminal) may silently drop a setting.
    termios actual{};
    if (::tcgetattr(fd, &actual) == 0 &&
        (actual.c_cflag & kManagedCflags) != (tio.c_cflag & kManagedCflags)) {
        const bool parityLost =
            (actual.c_cflag & (PARENB | PARODD | CMSPAR)) != (tio.c_cflag & (PARENB | PARODD | CMSPAR));
        SetError(EINVAL, parityLost ? "the device did not take the parity setting"
                                    : "the device did not take all line settings");
        return true;
    }
    if (!approximated.empty()) {
        SetError(ENOTSUP, approximated);
        return true;
    }
    ClearError();
    return true;
}

bool QtSerialDevice::SetQueueSizes(std::uint16_t input, std::uint16_t output) {
    // The kernel's queue sizes are fixed; Qt's own buffer grows as needed.
    SetError(ENOTSUP, "driver queue sizes (" + std::to_string(input) + "/" + std::to_string(output) +
                          ") cannot be set here; the driver's own are used");
    return false;
}

void QtSerialDevice::Purge(bool input, bool output) {
    if (!port_.isOpen()) return;
    if (input && output)
        port_.clear(QSerialPort::AllDirections);
    else if (input)
        port_.clear(QSerialPort::Input);
    else if (output)
        port_.clear(QSerialPort::Output);
}

std::size_t QtSerialDevice::BytesToWrite() {
    if (!port_.isOpen()) return 0;
    port_.flush();
    int kernelQueue = 0;
    ::ioctl(Handle(), TIOCOUTQ, &kernelQueue);
    return static_cast<std::size_t>(port_.bytesToWrite()) +
           static_cast<std::size_t>(kernelQueue > 0 ? kernelQueue : 0);
}

long QtSerialDevice::Write(const std::uint8_t* data, std::size_t count) {
    const qint64 taken = port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(count));
    if (taken < 0) {
        SetError(EIO, port_.errorString().toStdString());
        return -1;
    }
    port_.flush();
    writtenSinceDrain_ = writtenSinceDrain_ || taken > 0;
    return static_cast<long>(taken);
}

long QtSerialDevice::Read(std::uint8_t* buffer, std::size_t max) {
    if (!port_.isOpen()) {
        SetError(EBADF, "the port is closed");
        return -1;
    }
    const qint64 n = port_.read(reinterpret_cast<char*>(buffer), static_cast<qint64>(max));
    if (n < 0) {
        SetError(EIO, port_.errorString().toStdString());
        return -1;
    }
    return static_cast<long>(n);
}

void QtSerialDevice::Drain() {
    if (!port_.isOpen() || !writtenSinceDrain_) return;
    // Qt's buffer reaches the kernel, the kernel's reaches the UART, and one
    // more character time lets a USB adapter's own buffer empty.
    while (port_.bytesToWrite() > 0 && port_.waitForBytesWritten(100)) {
    }
    ::tcdrain(Handle());
    const auto characterTime = std::chrono::microseconds(11'000'000 / (baudRate_ ? baudRate_ : 9600) + 1);
    std::this_thread::sleep_for(characterTime);
    writtenSinceDrain_ = false;
}

}  // namespace kelvane
