#include "link/ModelWriteSteps.h"

namespace vantrel {

link::WriteSteps ModelWriteSteps(EditingModel& model) {
    link::WriteSteps steps;
    steps.storePassword = [&model](AppState&) { model.StorePassword(); };
    steps.encodeUserTones = [&model](CodeplugImage&) { model.EncodeUserTones(); };
    return steps;
}

}  // namespace vantrel
