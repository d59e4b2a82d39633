#pragma once
// The texts of the Qt-free layers (model, channels, codeplug, link, fleet,
// shell) as the desktop program shows them. Those layers speak English for
// vantrelctl too; the desktop looks their texts up here by the English text.
// A text made with numbers or names matches a source pattern ("Cannot open
// %1: %2"); its variable parts are looked up in turn. A text or line that
// matches nothing is shown as it came.
#include <QString>
#include <string>

namespace vantrel {

QString TrCoreText(const QString& english);
QString TrCoreText(const std::string& english);

}  // namespace vantrel
