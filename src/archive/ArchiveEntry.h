#pragma once
// One archived transfer: a read, a write or a verify, completed or not.
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace vantrel::archive {

enum class Operation { Read, Write, Verify };

// The words stored and printed for each operation.
const char* OperationName(Operation operation);
std::optional<Operation> OperationNamed(const QString& name);

// What the image says about the radio, as the editor shows it.
struct RadioFacts {
    QString serial;
    QString superNumber;
    QString modelNumber;
    QString firmwareVersion;
    QString codeplugVersion;
};

struct ArchiveEntry {
    qint64 id = 0;           // in the archive that holds it; 0 before it is stored
    QString uuid;            // the same in every archive a copy of it reaches
    QDateTime time;          // UTC
    Operation operation = Operation::Read;
    bool completed = false;
    QString outcome;         // the status text the user saw
    QString port;            // "Com1", or the device the user named
    QString device;          // the device path behind the port
    RadioFacts radio;        // radio.serial is the radio the entry is filed under
    bool serialFromFile = false;  // a write filed under the written image's serial
    QByteArray image;        // the 384 bytes of a completed transfer, else empty
    QString sha256;          // hex SHA-256 of image; empty without one
    QString programVersion;
    QString user;
    QString host;
};

// Hex SHA-256 of the bytes.
QString ImageHash(const QByteArray& image);

// The text a time is stored as: UTC, ISO 8601 with milliseconds, so that
// comparing the texts compares the times.
QString StoredTime(const QDateTime& time);

}  // namespace vantrel::archive
