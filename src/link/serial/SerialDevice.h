#pragma once
// The real line: a QSerialPort at 1200 baud, 8 data bits, no parity, 2 stop
// bits, no flow control, raw bytes. Waits sleep in a nested QEventLoop woken
// by readyRead, bytesWritten, the drain, the 200 ms link tick or an abort, so a
// window stays responsive and the CPU idle during a transfer. Usable from the
// GUI's event loop and from a QCoreApplication alike.
//
// The tick is no periodic timer: each wait sleeps until the next tick of a
// fixed 200 ms schedule at the latest, so nothing runs between waits.
// Quitting the application ends every nested loop at once and makes each new
// one return at once; a wait then reports Closing instead of spinning. A
// device that disappears or hangs up (QSerialPort::ResourceError, a read that
// finds the line ended) is closed and reported as Lost by every wait until it
// is opened again.
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include "link/ByteDevice.h"

class QEventLoop;

namespace vantrel::link {

class SerialDevice : public QObject, public ByteDevice {
public:
    explicit SerialDevice(QObject* parent = nullptr);
    ~SerialDevice() override;

    // A device path such as /dev/ttyUSB0 (or COM3 on Windows); used by open().
    void setPortName(const QString& name) { portName_ = name; }
    const QString& portName() const { return portName_; }

    bool open(std::string& error) override;
    void close() override;
    bool isOpen() const override;
    void clearInput() override;
    bool queue(const Bytes& bytes) override;
    bool drained() override;
    std::size_t available() override;
    Bytes readAll() override;
    Clock::time_point now() const override { return Clock::now(); }
    Wake wait(Clock::time_point deadline) override;
    void interrupt() override;

private:
    Wake sleep(Clock::time_point deadline);
    // Ends the running wait's loop; only a loop ended here counts as woken.
    void wake();
    void onError(QSerialPort::SerialPortError error);

    QString portName_;
    QSerialPort port_;
    // Wakes a wait when the bytes still in the kernel should have left.
    QTimer drainTimer_;
    QEventLoop* loop_ = nullptr;
    bool woken_ = false;
    Clock::time_point nextTick_;
    Clock::time_point lastWaitEnd_{};
    bool activity_ = false;
    bool interrupted_ = false;
    bool lost_ = false;
};

}  // namespace vantrel::link
