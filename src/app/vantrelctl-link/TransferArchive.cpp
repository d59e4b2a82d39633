#include "TransferArchive.h"

#include <QSettings>

#include <cstdio>

#include "LinkPort.h"
#include "link/serial/PortResolver.h"

namespace vantrelctl {

namespace {

vantrel::archive::ArchiveLocation chosen() {
    const auto settings = vantrel::link::OpenProgramSettings();
    return vantrel::archive::ChooseLocation(settings->value(vantrel::archive::kLocationSetting).toString());
}

}  // namespace

TransferArchive::TransferArchive()
    : recorder_(chosen(), [](const QString& warning) {
          std::fprintf(stderr, "vantrelctl: warning: archive: %s\n", warning.toLocal8Bit().constData());
      }) {}

void TransferArchive::record(vantrel::archive::Operation operation, const std::string& port, bool completed,
                             const std::string& status, const vantrel::CodeplugImage::Bytes* bytes,
                             const vantrel::CodeplugImage::Bytes* written) {
    vantrel::archive::FinishedTransfer t;
    t.operation = operation;
    t.completed = completed && bytes;
    t.outcome = status;
    t.port = port;
    t.device = PortDevice(QString::fromStdString(port)).toStdString();
    if (t.completed) t.bytes = *bytes;
    if (written) t.written = *written;
    recorder_.record(std::move(t));
}

}  // namespace vantrelctl
