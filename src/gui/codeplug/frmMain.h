#pragma once
// The codeplug editor form `frmMain`: the tab control `sstMain` with the radio
// configuration and the channel grid, the scan list, and the status bar. Its
// controls are views of the image; the population copies the image into them.
#include <QWidget>
#include <functional>
#include <memory>

#include "gui/codeplug/EditorContext.h"
#include "model/EditingModel.h"

class QLabel;
class QSettings;
class QStatusBar;
class QTabWidget;
class QGroupBox;

namespace vantrel {

class ButtonFrame;
class ChannelGrid;
class RadioInfoFrame;
class RadioSettings;
class ScanListPanel;
class UserTplFrame;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // The four whole-image loads; they differ in the short-press lists.
    using LoadKind = vantrel::LoadKind;

    frmMain(AppState& state, Prompts& prompts, QSettings& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // The editing model the form displays. Every gesture and command runs
    // one of its operations; the form then repaints what the model says
    // changed (and the gesture's own section) and shows the operation's
    // messages.
    EditingModel& model() { return *model_; }
    const EditingModel& model() const { return *model_; }
    EditResult forward(const ModelEdit& edit, ChangeNotice gesture = {});
    // Repaints what the model changed since the last repaint, and more.
    void repaint(ChangeNotice more = {});
    // A kept state shown whole (undo, redo): every section, then the lock
    // and the enables it implies; an open cell edit is dropped.
    void showWhole();

    EditorContext& context() { return ctx_; }

    // The editor load: runs once, on the first call.
    void Load();
    bool loaded() const { return loaded_; }

    // Whole-image loads through the model: the image as it stands (Read),
    // or a data file (File Open, the command line); false when the file was
    // refused. The failed read's tail.
    void PopulateEditor(LoadKind kind);
    bool OpenDataFile(LoadKind kind, const QString& path);
    // Image bytes kept elsewhere (an archived transfer), loaded as a data
    // file of this kind would be.
    void LoadImage(LoadKind kind, const CodeplugImage::Bytes& bytes);
    void ReadFailed();
    void LockEditor();
    // The password prompt accepted the codeplug's password: the editor opens
    // with the password in its box.
    void UnlockProtected();
    void DefaultCommand();
    // Super-number entry: the text reaches the image, confirm() answers the
    // question, and a known number loads its radio's default data file.
    void EnterSuperNumber(const std::string& typed, const std::function<bool()>& confirm);

    // Shows or hides the editor (its MDI frame when it has one).
    void setEditorVisible(bool visible);
    bool editorVisible() const;

    QTabWidget* tabs() const { return sstMain_; }
    // Shows a tab without running its selection rules (a refresh from the
    // model), with the grid's place in the Tab-key order.
    void showTab(int index);
    QStatusBar* statusBar() const { return sbStatusBar_; }
    QString statusText() const;
    void setStatusText(const QString& text);

    ChannelGrid* grid() const { return grid_; }
    ScanListPanel* scanList() const { return scan_; }
    RadioInfoFrame* radioInfo() const { return info_; }
    RadioSettings* settings() const { return settings_; }
    ButtonFrame* buttons() const { return buttons_; }
    UserTplFrame* userTpl() const { return tpl_; }

    // Reads the port file and selects its port (editor load step); set by the
    // serial link.
    std::function<void()> readPortFile = [] {};

signals:
    // UnlockEditor: Save, Print Preview, Print, Default and Write usable.
    void commandsUnlocked();
    // A protected codeplug was loaded: Write unusable, the main window waits
    // for the password dialog.
    void protectedLoaded();
    // A whole-image load of this kind is being shown (PopulateEditor).
    void populating(frmMain::LoadKind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildForm();
    void tabChanged(int index);
    // Messages of a model operation, in order.
    void tell(const Messages& messages);
    // The model's lock and the factory boxes' enables on the controls; the
    // lock's own steps run again only when it changed or always is set.
    void showLock(bool always);
    void lockControls();
    void unlockControls();
    // A load's messages and signals after the model ran it.
    void showLoad(LoadKind kind, const Messages& messages);

    AppState& state_;
    QSettings& store_;
    std::unique_ptr<EditingModel> model_;
    EditorContext ctx_;
    bool loaded_ = false;
    bool shownLocked_ = false;

    QTabWidget* sstMain_ = nullptr;
    QStatusBar* sbStatusBar_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    ScanListPanel* scan_ = nullptr;
    RadioInfoFrame* info_ = nullptr;
    RadioSettings* settings_ = nullptr;
    ButtonFrame* buttons_ = nullptr;
    UserTplFrame* tpl_ = nullptr;
};

}  // namespace vantrel
