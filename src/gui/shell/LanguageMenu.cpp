#include "gui/shell/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include "gui/common/Translations.h"
#include "gui/shell/MDIFormMain.h"

namespace vantrel {

LanguageMenu::LanguageMenu(MDIFormMain& main, QSettings& settings) : QObject(&main) {
    QAction* about = main.menuAction(QStringLiteral("mnuHelpBar2"));
    auto* help = main.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    if (!about || !help) return;
    auto* menu = new QMenu(tr("&Language"), help);
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    help->insertMenu(about, menu);

    auto* group = new QActionGroup(menu);
    const QString chosen = settings.value(kLanguageKey).toString();
    auto add = [&](const QString& code, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QStringLiteral("mnuLanguage_") + (code.isEmpty() ? QStringLiteral("System") : code));
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [&main, &settings, code] {
            if (settings.value(kLanguageKey).toString() == code) return;
            settings.setValue(kLanguageKey, code);
            main.prompts().tell(tr("The language changes when Vantrel CPS starts again."));
        });
    };
    add(QString(), tr("System"));
    menu->addSeparator();
    // Each language by its own name, the same in every language.
    for (const ProgramLanguage& l : ProgramLanguages())
        add(QString::fromLatin1(l.code), QString::fromUtf8(l.nativeName));
    if (!group->checkedAction()) group->actions().constFirst()->setChecked(true);
}

}  // namespace vantrel
