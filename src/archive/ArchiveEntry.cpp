#include "archive/ArchiveEntry.h"

#include <QCryptographicHash>

#include <iterator>

namespace vantrel::archive {

namespace {

constexpr const char* kOperationNames[] = {"read", "write", "verify"};

}  // namespace

const char* OperationName(Operation operation) { return kOperationNames[static_cast<int>(operation)]; }

std::optional<Operation> OperationNamed(const QString& name) {
    for (int k = 0; k < static_cast<int>(std::size(kOperationNames)); ++k)
        if (name == QLatin1String(kOperationNames[k])) return static_cast<Operation>(k);
    return std::nullopt;
}

QString ImageHash(const QByteArray& image) {
    return QString::fromLatin1(QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex());
}

QString StoredTime(const QDateTime& time) { return time.toUTC().toString(Qt::ISODateWithMs); }

}  // namespace vantrel::archive
