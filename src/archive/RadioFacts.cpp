#include "archive/RadioFacts.h"

#include "model/EditingModel.h"

namespace vantrel::archive {

namespace {

QString text(const std::string& s) { return QString::fromLatin1(s.c_str()).trimmed(); }

}  // namespace

RadioFacts RadioFactsOf(const CodeplugImage::Bytes& bytes) {
    AppState state;
    EditingModel model(state);
    model.LoadImage(LoadKind::FileOpen, bytes);
    const EditingCopies& shown = model.copies();
    return {text(shown.serial), text(shown.superNumber), text(shown.modelLabel), text(shown.firmwareLabel),
            text(shown.codeplugLabel)};
}

QString SerialOf(const CodeplugImage::Bytes& bytes) { return RadioFactsOf(bytes).serial; }

}  // namespace vantrel::archive
