#pragma once
// The file dialog: saves the current measurement, or loads a sensor, reference or comparison
// curve into its slot. Every file is listed with its type and title as read from the file, and
// only the files that fit the current measurement type are offered.
#include "app/frm_sel_state.h"
#include "files/disp_oct.h"

#include <QCoreApplication>
#include <QDialog>
#include <QListWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace terzlab::platform {
class MessageService;
} // namespace terzlab::platform

namespace terzlab::app {

class SelHost;

// The folder without the separator that only the root carries, so that joining a name never
// doubles it.
QString NormFolder(const QString& folder);
// A file mask such as "Vela_*.OCT", matched without regard to case.
bool MatchesMask(const QString& name, const QString& mask);
// The list row of a file: name cut or padded to 18 characters, a blank, the type tag, the title.
QString ListRow(const QString& name, int16_t type, const QString& title);

// The folder list: the folder's ancestors from the root down, then its subfolders. A double
// click opens an entry.
class FolderList final : public QListWidget {
  public:
    explicit FolderList(QWidget* parent);
    const QString& path() const { return path_; }
    // Shows the folder and raises pathChanged, also when it is the one shown.
    void setPath(const QString& folder);
    std::function<void()> pathChanged = [] {};

  private:
    void addEntry(const QString& folder, const QString& caption, int depth);
    QString path_;
};

class frmSel final : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmSel)

  public:
    frmSel(SelHost& main, SelState& state, platform::MessageService& messages, QString startFolder,
           QWidget* parent = nullptr);

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void cmbInfoTyp_Click();
    // False when the field holds no number and must keep the focus.
    bool txtInfo_LostFocus(int Index);
    void Liste1_DblClick();
    void cmdDisp_Click();
    void cmdEsc_Click();
    // "Andere Datei ...": the system's file dialog, then loadOtherFile.
    void cmdOther_Click();
    void loadOtherFile(const QString& path);
    void FillList();

    QString FileMask;
    std::vector<int16_t> RowType;

    QComboBox* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QLabel* txtName = nullptr;
    QListWidget* Liste1 = nullptr;
    QComboBox* cmbInfoTyp = nullptr;
    std::array<QLineEdit*, 6> txtInfo{};
    std::array<QLabel*, 7> lblInfo{};
    QPushButton* cmdDisp = nullptr;
    QPushButton* cmdEsc = nullptr;
    QPushButton* cmdOther = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Row {
        QString file; // the full name, also when the row shows it cut
        QString title;
    };

    void buildControls();
    void buildInfoFields(QWidget* form);
    void connectHandlers();
    void setModeTexts();
    void showFolder(const QString& folder);
    void showInfoFields(bool visible);
    void followMeasurementType();
    bool isShown(int16_t type) const;
    void addFile(const QString& name, DispOct& probes);
    QString filePath(const QString& name) const;
    MeasType measType() const;

    bool rememberFields();
    void saveMeasurement();
    bool writeMeasurement(const QString& path);
    void loadSelection();
    bool keepValidRows();
    void putIntoSlot(int slot, int row);
    void loadIntoStore(int slot);
    void buildOtherButton();
    void showOtherButton();

    SelHost& main_;
    SelState& state_;
    platform::MessageService& messages_;
    QString startFolder_; // opened the first time, before any folder was chosen
    std::vector<Row> rows_;
};

} // namespace terzlab::app
