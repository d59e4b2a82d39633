#include "gui/archive/frmArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "archive/ArchiveLocation.h"
#include "archive/ArchiveStore.h"
#include "base/AtomicFile.h"
#include "codeplug/CodeplugFile.h"
#include "gui/archive/EntryComparison.h"
#include "gui/common/CoreTexts.h"
#include "gui/common/Prompts.h"

namespace vantrel {

namespace {

using archive::ArchiveEntry;
using archive::ArchiveLocation;
using archive::ArchiveStore;

QString caption() { return QCoreApplication::translate("vantrel::frmArchive", "Radio Archive"); }
// The pattern stays as it is in every language.
QString fileFilter() {
    return QCoreApplication::translate("vantrel::frmArchive", "Programmer data file") + QStringLiteral(" (*.cpg)");
}
constexpr int kIdRole = Qt::UserRole;

QTreeWidget* makeList(const QString& name, const QStringList& columns, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

}  // namespace

QString ArchiveTimeText(const QDateTime& time) {
    return time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ArchiveEntryLabel(const ArchiveEntry& entry) {
    const QString radio = entry.radio.serial.isEmpty()
                              ? QCoreApplication::translate("vantrel::frmArchive", "Radio without serial number")
                              : QCoreApplication::translate("vantrel::frmArchive", "Radio %1").arg(entry.radio.serial);
    return QCoreApplication::translate("vantrel::frmArchive", "%1, %2 of %3 UTC")
        .arg(radio, QString::fromLatin1(archive::OperationName(entry.operation)), ArchiveTimeText(entry.time));
}

frmArchive::frmArchive(Prompts& prompts, QSettings& settings, Editor editor, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts), settings_(settings), editor_(std::move(editor)) {
    setObjectName(QStringLiteral("frmArchive"));
    setWindowTitle(caption());
    lblArchive_ = new QLabel(this);
    lblArchive_->setObjectName(QStringLiteral("lblArchive"));
    lblArchive_->setWordWrap(true);
    txtFilter_ = new QLineEdit(this);
    txtFilter_->setObjectName(QStringLiteral("txtFilter"));
    txtFilter_->setPlaceholderText(tr("Serial number"));
    txtFilter_->setClearButtonEnabled(true);
    lstRadios_ = makeList(QStringLiteral("lstRadios"),
                          {tr("Serial"), tr("Model"), tr("Last Entry"),
                           tr("Entries")},
                          this);
    lstHistory_ = makeList(QStringLiteral("lstHistory"),
                           {tr("Time (UTC)"), tr("Operation"), tr("Outcome"),
                            tr("Port")},
                           this);
    lstDifferences_ = makeList(QStringLiteral("lstDifferences"),
                               {tr("Field"), tr("Entry"), tr("Editor")}, this);
    cmdOpen_ = new QPushButton(tr("&Open"), this);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    cmdCompare_ = new QPushButton(tr("&Compare"), this);
    cmdCompare_->setObjectName(QStringLiteral("cmdCompare"));
    cmdSaveAs_ = new QPushButton(tr("Save &As..."), this);
    cmdSaveAs_->setObjectName(QStringLiteral("cmdSaveAs"));
    auto* cmdRefresh = new QPushButton(tr("&Refresh"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));

    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(txtFilter_);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(txtFilter_, 1);
    filterRow->addWidget(cmdRefresh);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOpen_);
    buttons->addWidget(cmdCompare_);
    buttons->addWidget(cmdSaveAs_);
    buttons->addStretch(1);
    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(lstRadios_);
    lists->addWidget(lstHistory_);
    lists->addWidget(lstDifferences_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblArchive_);
    layout->addLayout(filterRow);
    layout->addWidget(lists, 1);
    layout->addLayout(buttons);
    resize(720, 560);

    connect(txtFilter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { refresh(); });
    connect(lstRadios_, &QTreeWidget::itemSelectionChanged, this, [this] { showHistory(); });
    connect(lstHistory_, &QTreeWidget::itemSelectionChanged, this, [this] { enableEntryCommands(); });
    connect(lstHistory_, &QTreeWidget::itemDoubleClicked, this, [this] { cmdOpen_Click(); });
    connect(cmdOpen_, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cmdCompare_, &QPushButton::clicked, this, [this] { cmdCompare_Click(); });
    connect(cmdSaveAs_, &QPushButton::clicked, this, [this] { cmdSaveAs_Click(); });
    refresh();
}

frmArchive::~frmArchive() = default;

void frmArchive::refresh() {
    lstRadios_->clear();
    lstHistory_->clear();
    lstDifferences_->clear();
    enableEntryCommands();
    store_.reset();
    const ArchiveLocation where = archive::ChooseLocation(settings_.value(archive::kLocationSetting).toString());
    if (where.kind == ArchiveLocation::Kind::Off) {
        lblArchive_->setText(tr("The radio archive is turned off (VANTREL_ARCHIVE or the setting "
                                "Archive/Location is \"off\")."));
        return;
    }
    QString error;
    store_ = ArchiveStore::Open(where, error);
    if (!store_) {
        lblArchive_->setText(tr("The radio archive %1 cannot be opened: %2")
                                 .arg(QDir::toNativeSeparators(where.describe()), error));
        return;
    }
    const auto radios = store_->radios();
    if (!radios) {
        tellArchiveError();
        return;
    }
    lblArchive_->setText(tr("Archive: %1").arg(QDir::toNativeSeparators(where.describe())));
    for (const archive::RadioSummary& r : *radios) {
        auto* item = new QTreeWidgetItem(lstRadios_, {r.serial, r.modelNumber,
                                                      ArchiveTimeText(r.lastTime) + QLatin1Char(' ') + r.lastOperation,
                                                      QString::number(r.entries)});
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    applyFilter();
}

void frmArchive::tellArchiveError() {
    lblArchive_->setText(tr("The radio archive %1 cannot be read: %2")
                             .arg(QDir::toNativeSeparators(store_->location().describe()), store_->error()));
}

void frmArchive::applyFilter() {
    const QString wanted = txtFilter_->text().trimmed();
    for (int i = 0; i < lstRadios_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lstRadios_->topLevelItem(i);
        item->setHidden(!item->text(0).contains(wanted, Qt::CaseInsensitive));
        if (item->isHidden()) item->setSelected(false);
    }
}

void frmArchive::showHistory() {
    lstHistory_->clear();
    lstDifferences_->clear();
    const auto selected = lstRadios_->selectedItems();
    if (selected.isEmpty() || !store_) return enableEntryCommands();
    const auto entries = store_->list(selected.first()->text(0), QDateTime());
    if (!entries) return tellArchiveError();
    for (const ArchiveEntry& e : *entries) {
        auto* item = new QTreeWidgetItem(
            lstHistory_,
            {ArchiveTimeText(e.time), QString::fromLatin1(archive::OperationName(e.operation)), e.outcome, e.port});
        item->setData(0, kIdRole, e.id);
    }
    enableEntryCommands();
}

void frmArchive::enableEntryCommands() {
    const bool one = !lstHistory_->selectedItems().isEmpty();
    for (QPushButton* b : {cmdOpen_, cmdCompare_, cmdSaveAs_}) b->setEnabled(one);
}

std::optional<ArchiveEntry> frmArchive::selectedImage() {
    const auto selected = lstHistory_->selectedItems();
    if (selected.isEmpty() || !store_) return std::nullopt;
    auto entry = store_->entry(selected.first()->data(0, kIdRole).toLongLong());
    if (!entry) {
        prompts_.tell(store_->error().isEmpty() ? tr("This entry is no longer in the archive.")
                                                : store_->error(),
                      caption(), Prompts::Icon::Exclamation);
        return std::nullopt;
    }
    if (entry->image.isEmpty()) {
        prompts_.tell(tr("This %1 did not complete: the archive holds no image of it.")
                          .arg(QString::fromLatin1(archive::OperationName(entry->operation))),
                      caption(), Prompts::Icon::Exclamation);
        return std::nullopt;
    }
    if (!EntryImageSound(*entry)) {
        prompts_.tell(tr("This entry's image does not match its checksum and is not used."), caption(),
                      Prompts::Icon::Exclamation);
        return std::nullopt;
    }
    return entry;
}

void frmArchive::cmdOpen_Click() {
    if (const auto entry = selectedImage()) editor_.open(EntryBytes(*entry), ArchiveEntryLabel(*entry));
}

void frmArchive::cmdCompare_Click() {
    const auto entry = selectedImage();
    if (!entry) return;
    lstDifferences_->clear();
    const auto fields = CompareEntryWithEditor(*entry, editor_.model());
    for (const FieldDifference& d : fields)
        new QTreeWidgetItem(lstDifferences_, {QString::fromStdString(d.section + " " + d.name),
                                              QString::fromStdString(d.before), QString::fromStdString(d.after)});
    if (fields.empty()) new QTreeWidgetItem(lstDifferences_, {tr("No field differs.")});
}

void frmArchive::compareEntry(const QString& serial, qint64 id) {
    const auto radios = lstRadios_->findItems(serial, Qt::MatchExactly, 0);
    if (radios.isEmpty()) return;
    if (radios.first()->isHidden()) txtFilter_->clear();
    lstRadios_->setCurrentItem(radios.first());
    for (int i = 0; i < lstHistory_->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* item = lstHistory_->topLevelItem(i); item->data(0, kIdRole).toLongLong() == id) {
            lstHistory_->setCurrentItem(item);
            lstHistory_->scrollToItem(item);
            return cmdCompare_Click();
        }
}

void frmArchive::cmdSaveAs_Click() {
    const auto entry = selectedImage();
    if (!entry) return;
    const QString proposed = QStringLiteral("%1-%2.cpg")
                                 .arg(entry->radio.serial.isEmpty() ? QStringLiteral("radio") : entry->radio.serial,
                                      entry->time.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString path = prompts_.saveFileName(
        {tr("Save As"), QString(), proposed, fileFilter(), QStringLiteral("cpg")});
    if (path.isEmpty()) return;
    // The entry's bytes as they are: a save's fixed bytes and serial-number
    // fill would make the file differ from what the radio held.
    CodeplugImage image;
    image.replaceAll(EntryBytes(*entry));
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), FormatCodeplugFile(image), &error))
        prompts_.tell(tr("%1 could not be saved: %2").arg(QDir::toNativeSeparators(path),
                                                                      TrCoreText(error)),
                      caption(), Prompts::Icon::Exclamation);
}

}  // namespace vantrel
