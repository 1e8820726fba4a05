// The file dialog's folder list and file list: which files are offered and how a row reads.
#include "analysis/meas_type.h"
#include "app/frm_sel.h"
#include "app/sel_host.h"
#include "platform/message_service.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QRegularExpression>

namespace terzlab::app {

namespace {

constexpr int kNameColumn = 18;

QString typeTag(int16_t type) {
    switch (type) {
    case kCurveLevel:
        return QStringLiteral("Amp ");
    case kCurveImpedance:
        return QStringLiteral("Imp ");
    case kCurveSensor:
        return QStringLiteral("Sen ");
    default:
        return QStringLiteral("???");
    }
}

// The hourglass while a folder of possibly many files is read.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

QString NormFolder(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
}

bool MatchesMask(const QString& name, const QString& mask) {
    return QRegularExpression::fromWildcard(mask, Qt::CaseInsensitive).match(name).hasMatch();
}

QString ListRow(const QString& name, int16_t type, const QString& title) {
    return name.leftJustified(kNameColumn, QLatin1Char(' '), true) + QLatin1Char(' ') +
           typeTag(type) + title;
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

void FolderList::setPath(const QString& folder) {
    path_ = folder;
    clear();
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    addEntry(QStringLiteral("/"), QStringLiteral("/"), 0);
    QString ancestor;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        ancestor += QLatin1Char('/') + parts[i];
        addEntry(ancestor, parts[i], static_cast<int>(i) + 1);
    }
    setCurrentRow(count() - 1);
    const QStringList subfolders =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        addEntry(NormFolder(folder) + QLatin1Char('/') + name, name,
                 static_cast<int>(parts.size()) + 1);
    pathChanged();
}

void FolderList::addEntry(const QString& folder, const QString& caption, int depth) {
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + caption, this);
    item->setData(Qt::UserRole, folder);
}

QString frmSel::filePath(const QString& name) const {
    return NormFolder(Dir1->path()) + QLatin1Char('/') + name;
}

void frmSel::FillList() {
    const WaitCursor hourglass;
    Liste1->clear();
    rows_.clear();
    RowType.clear();
    const QString folder = Dir1->path();
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        messages_.show(tr("Der Ordner %1 kann nicht gelesen werden!").arg(folder),
                       platform::MsgButtons::Ok, platform::MsgIcon::Exclamation, tr("Fehler"));
        return;
    }
    // A scratch store: probing must not disturb the file the curve store may be reading.
    DispOct probes;
    const QStringList names = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        if (MatchesMask(name, FileMask)) addFile(name, probes);
}

void frmSel::addFile(const QString& name, DispOct& probes) {
    const FileProbe probe = ProbeFile(probes, filePath(name).toStdString(), FileMask.toStdString());
    if (!isShown(probe.Type)) return;
    const QString title = QString::fromStdString(probe.Title);
    rows_.push_back({name, title});
    RowType.push_back(probe.Type);
    Liste1->addItem(ListRow(name, probe.Type, title));
}

bool frmSel::isShown(int16_t type) const {
    switch (state_.SelMode) {
    case sel::kSensor:
        return true;
    case sel::kReference:
        return type == kCurveLevel && PropertiesOf(measType()).Unit != ResultUnit::None;
    default:
        return ComparableCurve(measType(), type);
    }
}

} // namespace terzlab::app
