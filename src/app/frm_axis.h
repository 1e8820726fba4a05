#pragma once
// "Achse einstellen": top, bottom and step of the spectrum's level axis in number fields. Each
// field is range-checked as in the other dialogs; the three together must make an axis the
// graph can draw. Only an accepted axis reaches the caller.
#include "analysis/types.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace terzlab::app {

class frmAxis final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmAxis)

  public:
    frmAxis(const AxisRange& current, std::function<void(const AxisRange&)> onChosen,
            QWidget* parent);

    void cmdOK_Click();

    QLineEdit* txtTop = nullptr;
    QLineEdit* txtBottom = nullptr;
    QLineEdit* txtStep = nullptr;
    QLabel* lblNote = nullptr; // why the three values make no axis
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

  private:
    QLineEdit* addField(const QString& caption, int value, int row);
    bool fieldsInRange();

    std::function<void(const AxisRange&)> onChosen_;
};

} // namespace terzlab::app
