#include "gui/common/DesktopPalette.h"

#include <QApplication>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>

namespace vantrel {

QPalette DarkPalette() {
    const QColor window(53, 53, 53), base(35, 35, 35), text(235, 235, 235), off(128, 128, 128);
    const QColor accent(42, 130, 218);
    QPalette p(window);
    const struct {
        QPalette::ColorRole role;
        QColor colour;
    } roles[] = {
        {QPalette::Window, window},         {QPalette::WindowText, text},     {QPalette::Base, base},
        {QPalette::AlternateBase, window},  {QPalette::ToolTipBase, base},    {QPalette::ToolTipText, text},
        {QPalette::PlaceholderText, off},   {QPalette::Text, text},           {QPalette::Button, window},
        {QPalette::ButtonText, text},       {QPalette::BrightText, Qt::red},  {QPalette::Link, accent},
        {QPalette::Highlight, accent},      {QPalette::HighlightedText, Qt::black},
    };
    for (const auto& r : roles) p.setColor(r.role, r.colour);
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, off);
    return p;
}

void ApplyPaletteSetting(QSettings& settings) {
    const QString choice = settings.value(QStringLiteral("Settings/Palette")).toString().trimmed().toLower();
    if (choice != QLatin1String("dark") && choice != QLatin1String("light")) return;
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(fusion);
    QApplication::setPalette(choice == QLatin1String("dark") ? DarkPalette() : fusion->standardPalette());
}

}  // namespace vantrel
