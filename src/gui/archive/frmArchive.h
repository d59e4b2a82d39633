#pragma once
// `frmArchive`, "Radio Archive": the radios of the archive the user chose
// (serial, model, last entry, entries) with a filter by serial number, and
// the selected radio's history (time, operation, outcome, port). An entry's
// image can be opened in the editor, compared with the editor's data field
// by field, or saved as a data file.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "archive/ArchiveEntry.h"
#include "codeplug/CodeplugImage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
class QTreeWidget;

namespace vantrel {

class EditingModel;
class Prompts;
namespace archive {
class ArchiveStore;
}

class frmArchive : public QWidget {
    Q_OBJECT
public:
    // What the window does with the editor.
    struct Editor {
        // Loads the bytes as File > Open loads a file and names where they
        // came from (label); false when the user cancelled.
        std::function<bool(const CodeplugImage::Bytes&, const QString& label)> open;
        std::function<const EditingModel&()> model;
    };

    frmArchive(Prompts& prompts, QSettings& settings, Editor editor, QWidget* parent = nullptr);
    ~frmArchive() override;

    QLabel* lblArchive() const { return lblArchive_; }
    QLineEdit* txtFilter() const { return txtFilter_; }
    QTreeWidget* lstRadios() const { return lstRadios_; }
    QTreeWidget* lstHistory() const { return lstHistory_; }
    QTreeWidget* lstDifferences() const { return lstDifferences_; }
    QPushButton* cmdOpen() const { return cmdOpen_; }
    QPushButton* cmdCompare() const { return cmdCompare_; }
    QPushButton* cmdSaveAs() const { return cmdSaveAs_; }

    // Opens the chosen archive again and lists its radios.
    void refresh();
    void cmdOpen_Click();
    void cmdCompare_Click();
    void cmdSaveAs_Click();
    // Selects the radio's entry and compares it with the editor's data, as
    // Compare does (nothing when the archive no longer lists it).
    void compareEntry(const QString& serial, qint64 id);

private:
    void applyFilter();
    void showHistory();
    void enableEntryCommands();
    // The selected entry with its image, checked against its hash; nothing
    // (after telling the user why) when it has no usable image.
    std::optional<archive::ArchiveEntry> selectedImage();
    void tellArchiveError();

    Prompts& prompts_;
    QSettings& settings_;
    Editor editor_;
    std::unique_ptr<archive::ArchiveStore> store_;
    QLabel* lblArchive_;
    QLineEdit* txtFilter_;
    QTreeWidget* lstRadios_;
    QTreeWidget* lstHistory_;
    QTreeWidget* lstDifferences_;
    QPushButton* cmdOpen_;
    QPushButton* cmdCompare_;
    QPushButton* cmdSaveAs_;
};

// "2026-12-11 07:30:00", in UTC.
QString ArchiveTimeText(const QDateTime& time);
// "Radio 0123456789, write of 2026-12-11 07:30:00 UTC".
QString ArchiveEntryLabel(const archive::ArchiveEntry& entry);

}  // namespace vantrel
