// The QSerialPort device against a pseudo-terminal held by the test.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "link/Link.h"
#include "link/serial/OpenCommPort.h"
#include "link/serial/SerialDevice.h"

namespace vantrel::link {
namespace {

// The far end of the line: the pty master.
class PtyEnd {
public:
    PtyEnd() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        slave_ = ::ptsname(master_);
        // Keep a slave descriptor so the master survives the device's closing.
        hold_ = ::open(slave_.c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        ::tcgetattr(hold_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(hold_, TCSANOW, &tio);
    }
    ~PtyEnd() {
        ::close(hold_);
        if (master_ >= 0) ::close(master_);
    }
    // The far end goes away (a radio simulator that quits): the line hangs up.
    void hangUp() {
        ::close(master_);
        master_ = -1;
    }
    QString path() const { return QString::fromStdString(slave_); }
    void send(const Bytes& bytes) { ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    Bytes take(std::size_t n) {
        Bytes out(n);
        std::size_t got = 0;
        while (got < n) {
            const ssize_t r = ::read(master_, out.data() + got, n - got);
            if (r <= 0) break;
            got += static_cast<std::size_t>(r);
        }
        out.resize(got);
        return out;
    }

private:
    int master_ = -1;
    int hold_ = -1;
    std::string slave_;
};

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

TEST(SerialDevice, SendsPairsAndReceivesAnswers) {
    PtyEnd far;
    SerialDevice device;
    ASSERT_TRUE(OpenCommPort(device, far.path(), nullptr));
    Link link(device);
    // Input from before the request is stale; an answer that comes before
    // the receive starts counts.
    far.send({0x99});
    link.Pause(std::chrono::milliseconds(20));
    link.SendByte(0x52);
    ASSERT_FALSE(link.linkError());
    EXPECT_EQ(far.take(2), (Bytes{0x52, 0x00}));
    far.send({0x31, 0x32});
    link.Pause(std::chrono::milliseconds(20));
    link.ReceiveByte();
    ASSERT_FALSE(link.linkError());
    EXPECT_EQ(link.lastByte(), 0x31);

    link.SendBlock({1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0});
    EXPECT_EQ(far.take(16), (Bytes{1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0}));
    // Every byte value passes unchanged, 0x11 and 0x13 among them.
    QTimer::singleShot(10, [&] { far.send({0x11, 0x13, 0x00, 0xFF, 0x0D, 0x0A, 0x7F, 0x03, 0x1A}); });
    link.ReceiveBlock(9);
    ASSERT_FALSE(link.linkError());
    EXPECT_EQ(link.lastBlock(), (Bytes{0x11, 0x13, 0x00, 0xFF, 0x0D, 0x0A, 0x7F, 0x03, 0x1A}));
}

TEST(SerialDevice, TimeOutSleepsTwoSecondsWithoutSpinning) {
    PtyEnd far;
    SerialDevice device;
    ASSERT_TRUE(OpenCommPort(device, far.path(), nullptr));
    Link link(device);
    const auto start = Clock::now();
    const std::clock_t cpu = std::clock();
    link.ReceiveByte();
    EXPECT_TRUE(link.linkError());
    const double wall = Seconds(start);
    // 9 to 10 ticks of 200 ms; the upper bound leaves room for a loaded machine.
    EXPECT_GE(wall, 1.75);
    EXPECT_LE(wall, 2.6);
    EXPECT_LT(double(std::clock() - cpu) / CLOCKS_PER_SEC, 0.05 * wall);
}

TEST(SerialDevice, IdleTimeBeforeATransferDoesNotShortenItsTimeOut) {
    // Between transfers the program sits in its own event loop while the link
    // tick goes on; those ticks belong to no wait and must not count against
    // the next armed time-out.
    PtyEnd far;
    SerialDevice device;
    ASSERT_TRUE(OpenCommPort(device, far.path(), nullptr));
    Link link(device);
    QEventLoop idle;
    QTimer::singleShot(2500, &idle, &QEventLoop::quit);
    idle.exec();
    QTimer::singleShot(300, &device, [&] { far.send({0x31}); });
    link.ReceiveByte();
    ASSERT_FALSE(link.linkError());
    EXPECT_EQ(link.lastByte(), 0x31);
}

TEST(SerialDevice, LineThatHangsUpEndsTheWaitWithinATick) {
    // The far end goes away 100 ms into a receive that would wait 2 s: the
    // device closes and the receive ends at once, reporting the lost line.
    PtyEnd far;
    SerialDevice device;
    ASSERT_TRUE(OpenCommPort(device, far.path(), nullptr));
    Link link(device);
    link.BeginTransfer();
    QTimer::singleShot(100, &device, [&] { far.hangUp(); });
    const auto start = Clock::now();
    const std::clock_t cpu = std::clock();
    link.ReceiveByte();
    EXPECT_TRUE(link.linkError());
    EXPECT_TRUE(link.lineLost());
    EXPECT_FALSE(device.isOpen());
    // One tick after the hang-up, with room for a loaded machine.
    EXPECT_LT(Seconds(start), 0.1 + 0.2 + 0.3);
    EXPECT_LT(double(std::clock() - cpu) / CLOCKS_PER_SEC, 0.1);
}

TEST(SerialDevice, QuittingTheApplicationEndsAWait) {
    // The application is asked to quit 300 ms into a wait of 10 s. Every
    // event loop then returns at once; the wait ends as an abort instead of
    // spinning, and the transfer's later waits end at once too.
    PtyEnd far;
    SerialDevice device;
    ASSERT_TRUE(OpenCommPort(device, far.path(), nullptr));
    Link link(device);
    double took = -1;
    std::clock_t cpu = 0;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(300, [] { QCoreApplication::quit(); });
        const auto start = Clock::now();
        cpu = std::clock();
        link.ReceiveBytePolled(500000);
        EXPECT_TRUE(link.linkError());
        EXPECT_TRUE(link.aborted());
        link.ReceiveByte();
        EXPECT_TRUE(link.linkError());
        took = Seconds(start);
        cpu = std::clock() - cpu;
    });
    QCoreApplication::exec();
    EXPECT_GE(took, 0.25);
    EXPECT_LT(took, 0.3 + 0.5);
    EXPECT_LT(double(cpu) / CLOCKS_PER_SEC, 0.1);
}

TEST(SerialDevice, AbortEndsAPolledWaitAtOnce) {
    PtyEnd far;
    SerialDevice device;
    ASSERT_TRUE(OpenCommPort(device, far.path(), nullptr));
    Link link(device);
    QTimer::singleShot(100, [&] { link.Abort(); });
    const auto start = Clock::now();
    link.ReceiveBytePolled(500000);  // 10 s unless the abort ends it
    EXPECT_TRUE(link.linkError());
    EXPECT_LT(Seconds(start), 1.0);
}

}  // namespace
}  // namespace vantrel::link
