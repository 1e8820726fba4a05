#pragma once
// "Vergleichskurven": the comparison curves shown at once, each with its colour, title and
// file; each can be hidden or removed, or all removed. The dialog sees the curves only through
// ComparisonHost.
#include <QColor>
#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <vector>

class QPushButton;
class QTableWidget;

namespace terzlab::app {

struct ComparisonEntry {
    QColor colour;
    QString title;
    QString file;
    bool shown = true;
};

class ComparisonHost {
  public:
    virtual std::vector<ComparisonEntry> comparisons() const = 0;
    virtual void showComparison(int index, bool shown) = 0;
    virtual void removeComparison(int index) = 0;

  protected:
    ~ComparisonHost() = default;
};

class frmCurves final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmCurves)

  public:
    frmCurves(ComparisonHost& host, QWidget* parent);

    void cmdRemove_Click();
    void cmdRemoveAll_Click();

    QTableWidget* tblCurves = nullptr; // colour and title, file; the tick shows the curve
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdRemoveAll = nullptr;
    QPushButton* cmdClose = nullptr;

  private:
    void fill();

    ComparisonHost& host_;
    bool filling_ = false;
};

} // namespace terzlab::app
