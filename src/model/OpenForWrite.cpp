#include "model/OpenForWrite.h"

#include "codeplug/FactoryFields.h"

namespace vantrel {

PathReport OpenForWrite(EditingModel& model, const std::string& path) {
    PathReport report;
    report.opening = model.OpenDataFile(LoadKind::FileOpen, path);
    if (model.state().loadFailed) {
        report.refused = true;
        return report;
    }
    if (codeplugProtected(model.image())) model.UnlockProtected();
    EditResult checks = model.CheckBeforeWrite();
    report.writing = checks.messages;
    report.refused = !checks.ok;
    if (checks.ok) model.PrepareForWrite();
    return report;
}

}  // namespace vantrel
