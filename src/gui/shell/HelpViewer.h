#pragma once
// The help window `frmHelp`: the program's HTML help pages in a small
// browser that needs nothing but the files in the data folder.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace vantrel {

// The contents page of the shipped help.
QString HelpIndexPath();

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the page and raises the window; false, with nothing shown, when
    // the file is missing.
    bool showPage(const QString& file);

    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QTextBrowser* browser_;
};

}  // namespace vantrel
