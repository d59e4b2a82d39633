#pragma once
// The real line: a QSerialPort at 1200 baud, 8 data bits, no parity, 2 stop
// bits, no flow control, raw bytes. Waits sleep in a nested QEventLoop woken
// by readyRead, bytesWritten, the drain, the 200 ms link tick or an abort, so a
// window stays responsive and the CPU idle during a transfer. Usable from the
// GUI's event loop and from a QCoreApplication alike.
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
    void wake();
    void onError(QSerialPort::SerialPortError error);

    QString portName_;
    QSerialPort port_;
    QTimer tick_;
    // Wakes a wait when the bytes still in the kernel should have left.
    QTimer drainTimer_;
    QEventLoop* loop_ = nullptr;
    int pendingTicks_ = 0;
    bool activity_ = false;
    bool interrupted_ = false;
};

}  // namespace vantrel::link
