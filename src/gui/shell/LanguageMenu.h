#pragma once
// Help > Language: "System" (the desktop's locale) or one of the languages
// by its own name. The choice is kept in the settings and takes effect when
// the program starts again.
#include <QObject>

class QSettings;

namespace vantrel {

class MDIFormMain;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    LanguageMenu(MDIFormMain& main, QSettings& settings);
};

}  // namespace vantrel
