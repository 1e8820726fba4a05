#include "app/frm_curves.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace terzlab::app {

frmCurves::frmCurves(ComparisonHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(tr("Vergleichskurven"));
    auto* grid = new QGridLayout(this);
    tblCurves = new QTableWidget(0, 2, this);
    tblCurves->setHorizontalHeaderLabels({tr("Titel"), tr("Datei")});
    tblCurves->horizontalHeader()->setStretchLastSection(true);
    tblCurves->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblCurves->setSelectionMode(QAbstractItemView::SingleSelection);
    tblCurves->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->addWidget(tblCurves, 0, 0, 1, 3);
    cmdRemove = new QPushButton(tr("&Entfernen"), this);
    cmdRemoveAll = new QPushButton(tr("&Alle entfernen"), this);
    cmdClose = new QPushButton(tr("&Schließen"), this);
    grid->addWidget(cmdRemove, 1, 0);
    grid->addWidget(cmdRemoveAll, 1, 1);
    grid->addWidget(cmdClose, 1, 2);
    connect(cmdRemove, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(cmdRemoveAll, &QPushButton::clicked, this, [this] { cmdRemoveAll_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(tblCurves, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_ || item->column() != 0) return;
        host_.showComparison(item->row(), item->checkState() == Qt::Checked);
    });
    fill();
    resize(560, 260);
}

void frmCurves::fill() {
    filling_ = true;
    const std::vector<ComparisonEntry> entries = host_.comparisons();
    tblCurves->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < tblCurves->rowCount(); ++row) {
        const ComparisonEntry& e = entries[static_cast<std::size_t>(row)];
        auto* title = new QTableWidgetItem(e.title);
        title->setForeground(e.colour);
        title->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        title->setCheckState(e.shown ? Qt::Checked : Qt::Unchecked);
        tblCurves->setItem(row, 0, title);
        tblCurves->setItem(row, 1, new QTableWidgetItem(e.file));
    }
    cmdRemove->setEnabled(!entries.empty());
    cmdRemoveAll->setEnabled(!entries.empty());
    filling_ = false;
}

void frmCurves::cmdRemove_Click() {
    const int row = tblCurves->currentRow();
    if (row < 0) return;
    host_.removeComparison(row);
    fill();
}

void frmCurves::cmdRemoveAll_Click() {
    for (int row = tblCurves->rowCount() - 1; row >= 0; --row)
        host_.removeComparison(row);
    fill();
}

} // namespace terzlab::app
