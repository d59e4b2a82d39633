#pragma once
// The print preview window: a borderless full-screen window showing the pages
// the engine drew, with scrolling, dragging, a fit-to-window view, first and
// last page keys, Print and Exit. It lends its page picture to the engine
// while a document is open; closing it deletes the page files.
#include <QIcon>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <string>

#include "report/PreviewHost.h"
#include "report/print/ImageSurface.h"

class QToolButton;
class QScrollBar;

namespace vantrel::report {

class ImageView;

class frmMultiPgPreview : public QWidget, public PreviewHost {
    Q_OBJECT
public:
    explicit frmMultiPgPreview(QWidget* owner = nullptr);
    ~frmMultiPgPreview() override;

    // Index of the last page file of the document (set by the engine).
    int PageNumber = 0;
    int currentPage() const { return currentPage_; }

    // Runs after the Print button has closed the window.
    void setPrintHandler(std::function<void()> handler) { printHandler_ = std::move(handler); }

    // The engine's view of the window.
    PageSurface& loadPreview() override { return surface_; }
    void setScrollRanges(const ScrollRange& vertical, const ScrollRange& horizontal) override;
    void setPageNumber(int lastPageIndex) override { PageNumber = lastPageIndex; }
    bool showPageFile(const std::string& path) override;
    void showPreview(bool modal) override;

    // Window positions in twips, converted at the screen's pixels per twip.
    int toPixels(double twips) const;
    double toTwips(double pixels) const;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void RefreshLayout();
    void ShowPage(int index);
    void cmd_quit_Click();
    void cmd_print_Click();
    void cmdFullPage_Click();
    void VScroll1_Change(int value);
    void HScroll1_Change(int value);
    bool PageKeyUp(int key);
    bool VScrollKeyUp(int key);
    bool HScrollKeyUp(int key);
    void StepScroll(QScrollBar* bar, int direction, bool onlyIfVisible);
    void Picture1_MouseDown(const QPointF& pos, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void Picture1_MouseMove(const QPointF& pos, Qt::MouseButtons buttons);
    void Picture1_MouseUp();
    int pageAreaWidth() const;

    ImageSurface surface_;
    ImageView* Picture1_;
    ImageView* picFullPage_;
    QWidget* picPrintPic_;
    QWidget* Picture2_;
    QToolButton* cmd_quit_;
    QToolButton* cmd_print_;
    QToolButton* cmdFullPage_;
    QScrollBar* VScroll1_;
    QWidget* picHScroll_;
    QScrollBar* HScroll1_;
    QIcon imgFit_[2];

    int currentPage_ = 0;
    QPoint dragOrigin_;
    bool dragging_ = false;
    std::string tempFolder_;
    std::function<void()> printHandler_;
};

}  // namespace vantrel::report
