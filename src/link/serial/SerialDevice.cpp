#include "link/serial/SerialDevice.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

#include "link/Link.h"
#include "link/PortPath.h"

namespace vantrel::link {

namespace {
constexpr qint32 kBaudRate = 1200;
// 1 start bit, 8 data bits, 2 stop bits.
constexpr double kByteMs = 11.0 * 1000.0 / kBaudRate;
}  // namespace

SerialDevice::SerialDevice(QObject* parent) : QObject(parent), nextTick_(Clock::now() + kTickPeriod) {
    connect(&port_, &QSerialPort::readyRead, this, [this] { activity_ = true; wake(); });
    connect(&port_, &QSerialPort::bytesWritten, this, [this] { activity_ = true; wake(); });
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialDevice::onError);
    drainTimer_.setSingleShot(true);
    drainTimer_.setTimerType(Qt::PreciseTimer);
    connect(&drainTimer_, &QTimer::timeout, this, [this] { activity_ = true; wake(); });
}

SerialDevice::~SerialDevice() { close(); }

bool SerialDevice::open(std::string& error) {
    close();
    lost_ = false;
    // The device PortPath means by the name, as the port check means it.
    const std::string path = PortPath(portName_.toLocal8Bit().toStdString());
    port_.setPortName(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    const bool ok = !portName_.isEmpty() && port_.open(QIODevice::ReadWrite) &&
                    port_.setBaudRate(kBaudRate) && port_.setDataBits(QSerialPort::Data8) &&
                    port_.setParity(QSerialPort::NoParity) &&
                    port_.setStopBits(QSerialPort::TwoStop) &&
                    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        error = portName_.isEmpty() ? std::string("no serial device for this port")
                                    : port_.errorString().toStdString();
        close();
        return false;
    }
    port_.clear();
    return true;
}

void SerialDevice::close() {
    if (port_.isOpen()) port_.close();
    port_.clearError();
    drainTimer_.stop();
}

bool SerialDevice::isOpen() const { return port_.isOpen(); }

void SerialDevice::clearInput() {
    if (port_.isOpen()) port_.clear(QSerialPort::Input);
}

bool SerialDevice::queue(const Bytes& bytes) {
    if (!port_.isOpen()) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
    // Hand the bytes to the kernel now rather than on the next loop pass.
    port_.flush();
    return true;
}

bool SerialDevice::drained() {
    if (!port_.isOpen() || port_.bytesToWrite() > 0) return false;
#ifdef Q_OS_UNIX
    // The bytes are in the kernel. Sleep (in the event loop) for as long as
    // the ones still queued there take on the line, then let tcdrain wait for
    // the last one to leave the UART: with the kernel's queue empty that is a
    // FIFO's worth at most, so the wait stays abortable within a tick.
    int queued = 0;
    if (::ioctl(port_.handle(), TIOCOUTQ, &queued) == 0 && queued > 0) {
        if (!drainTimer_.isActive())
            drainTimer_.start(std::max(1, static_cast<int>(queued * kByteMs)));
        return false;
    }
    return ::tcdrain(port_.handle()) == 0;
#else
    return true;
#endif
}

std::size_t SerialDevice::available() {
    return port_.isOpen() ? static_cast<std::size_t>(port_.bytesAvailable()) : 0;
}

Bytes SerialDevice::readAll() {
    const QByteArray data = port_.readAll();
    return Bytes(data.begin(), data.end());
}

ByteDevice::Wake SerialDevice::wait(Clock::time_point deadline) {
    const Wake woke = sleep(deadline);
    lastWaitEnd_ = Clock::now();
    return woke;
}

ByteDevice::Wake SerialDevice::sleep(Clock::time_point deadline) {
    if (QCoreApplication::closingDown()) return Wake::Closing;
    const auto start = Clock::now();
    auto tickDue = [this, start] {
        const auto now = Clock::now();
        if (now < nextTick_) return false;
        // The schedule keeps its phase. A tick counts when it fell during
        // this wait, or just before it while the link's own code ran between
        // two waits; ticks from idle time are dropped.
        const bool counts = nextTick_ >= start || start - lastWaitEnd_ < kTickPeriod;
        do nextTick_ += kTickPeriod;
        while (nextTick_ <= now);
        return counts;
    };
    auto pending = [&]() -> std::optional<Wake> {
        if (lost_) return Wake::Lost;
        if (interrupted_) {
            interrupted_ = false;
            return Wake::Interrupted;
        }
        if (tickDue()) return Wake::Tick;
        if (activity_) {
            activity_ = false;
            return Wake::Activity;
        }
        return std::nullopt;
    };
    if (auto woke = pending()) return *woke;
    const auto now = Clock::now();
    if (now >= deadline) return Wake::Deadline;

    QEventLoop loop;
    QTimer alarm;
    alarm.setSingleShot(true);
    alarm.setTimerType(Qt::PreciseTimer);
    connect(&alarm, &QTimer::timeout, &loop, [this] { wake(); });
    const auto until = std::min(deadline, nextTick_);
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(until - now).count();
    alarm.start(static_cast<int>(std::min<long long>((us + 999) / 1000, 1 << 30)));
    loop_ = &loop;
    woken_ = false;
    loop.exec();
    loop_ = nullptr;
    // Only quitting the application ends the loop without wake().
    if (!woken_) return Wake::Closing;
    if (auto woke = pending()) return *woke;
    return Clock::now() >= deadline ? Wake::Deadline : Wake::Activity;
}

void SerialDevice::interrupt() {
    interrupted_ = true;
    wake();
}

void SerialDevice::wake() {
    if (!loop_) return;
    woken_ = true;
    loop_->quit();
}

void SerialDevice::onError(QSerialPort::SerialPortError error) {
    // A device that went away (USB cable pulled, simulator gone) or a line
    // that hung up (a read finds it ended) is closed and reported as lost:
    // the transfer ends now rather than at its time-out, and a closed port
    // cannot wake every wait at once with an ended line.
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!gone || !port_.isOpen()) return;
    port_.close();
    lost_ = true;
    wake();
}

}  // namespace vantrel::link
