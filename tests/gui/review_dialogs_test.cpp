// The dialogs and the window as a new user meets them: number fields that refuse without
// trapping, numbers in the user's notation, access keys, the smallest screen, a quiet start.
#include "app/frm_sel.h"
#include "app/start.h"
#include "calibration/frm_calib.h"
#include "calibration/frm_level.h"
#include "calibration/numeric_input.h"
#include "gui_fixture.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/instruction_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace terzlab::test {

namespace {

class DialogReviewTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
    void TearDown() override {
        delete save.data();
        QLocale::setDefault(QLocale::c());
        GuiTest::TearDown();
    }
    app::frmSel* openSave() {
        window->selState().SelMode = app::sel::kSave;
        save = new app::frmSel(*window, window->selState(), boxes, folderPath());
        save->Form_Load();
        save->show();
        platform::selectListIndex(save->cmbInfoTyp, 1); // "d [cm]" and its neighbours
        return save;
    }
    QPointer<app::frmSel> save;
};

// A refused value keeps the focus and names what is allowed, the level total stays with the
// accepted values, and "Abbruch" clicked as a person clicks (the press takes the focus, events
// run, then the release) cancels whatever the field holds.
TEST_F(DialogReviewTest, RefusedFieldsHintTheirRangeAndNeverBlockCancelling) {
    auto* level = calibration::frmLevel::open(*window, boxes);
    const QPointer<QLineEdit> totalField = level->txtSens[1];
    const QString total = totalField->text();
    const struct {
        QPointer<QDialog> dialog;
        QLineEdit *field, *next;
        QPushButton* cancel;
        const char *typed, *hint;
    } rows[] = {{level, level->txtLevel[1], level->txtSens[0], level->cmdCancel, "5000",
                 "Erlaubt: 0.001 ... 99.99"},
                {openSave(), save->txtInfo[2], save->txtInfo[3], save->cmdEsc, "x",
                 "Erlaubt: eine Zahl oder nichts"}};
    for (const auto& row : rows) {
        row.dialog->activateWindow();
        platform::letEventsRun();
        row.field->setFocus(Qt::TabFocusReason);
        row.field->clear();
        QTest::keyClicks(row.field, QString::fromUtf8(row.typed));
        row.next->setFocus(Qt::TabFocusReason);
        platform::letEventsRun();
        EXPECT_EQ(QApplication::focusWidget(), row.field) << row.typed;
        EXPECT_EQ(row.field->toolTip(), QString::fromUtf8(row.hint));
        EXPECT_EQ(totalField ? totalField->text() : total, total) << row.typed;
        QTest::mousePress(row.cancel, Qt::LeftButton);
        platform::letEventsRun();
        QTest::mouseRelease(row.cancel, Qt::LeftButton);
        platform::letEventsRun();
        EXPECT_TRUE(row.dialog.isNull() || !row.dialog->isVisible()) << row.typed;
    }
}

// Every number shown to a person follows the locale: the start-up question, the calibration
// dialog's captions and the hints.
TEST_F(DialogReviewTest, NumbersShownFollowTheLocale) {
    QFile stored(filePath(QStringLiteral("Terzlab.def")));
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly));
    stored.write("CalibrationValueLeftChannel=1.5\r\n");
    stored.close();
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German)}) {
        QLocale::setDefault(locale);
        const QString sep = locale.decimalPoint();
        boxes.clear();
        boxes.answerNext(platform::MsgAnswer::Yes);
        app::startSettings(stored.fileName().toStdString(), boxes);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_TRUE(boxes.boxes()[0].text.contains(" von 1" + sep + "50 dB"));
        EXPECT_EQ(calibration::RangeHint(0.001, 99.99),
                  "Erlaubt: 0" + sep + "001 ... 99" + sep + "99");
        window->settings().CalibValue = {1.5, 0.0};
        QPointer<calibration::frmCalib> calib = calibration::frmCalib::open(*window, boxes);
        EXPECT_EQ(calib->optChan[0]->text(), "Li   (1" + sep + "50dB)");
        EXPECT_EQ(calib->optFreq[1]->text(), "980" + sep + "0 Hz");
        calib->close();
    }
}

// Alt+letter opens the menu with that letter first; the start button (Alt+G) and the check
// button (Alt+C) keep keys of their own; no caption changes.
TEST_F(DialogReviewTest, MenusOwnTheirLettersAndClashingControlsHaveTheirOwnKeys) {
    window->activateWindow();
    const auto alt = [this](Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, Qt::AltModifier);
        platform::letEventsRun();
    };
    for (const auto& [key, menu] : {std::pair{Qt::Key_S, window->mnuSpecial},
                                    {Qt::Key_D, window->mnuFile},
                                    {Qt::Key_P, window->mnuLevel},
                                    {Qt::Key_H, window->mnuHelp}}) {
        alt(key);
        EXPECT_TRUE(menu->isVisible()) << menu->title().toStdString();
        menu->hide();
    }
    alt(Qt::Key_C);
    EXPECT_EQ(window->cmdScope->text(), QStringLiteral("Check &Off"));
    alt(Qt::Key_C);
    platform::selectListIndex(window->cmbAvgCnt, 0);
    platform::setChecked(window->chkAvgType, true);
    alt(Qt::Key_G);
    EXPECT_GT(blocks(), 0) << "the run started";
    const QString captions = window->cmdStart->text() + window->cmdScope->text() +
                             window->chkLoaded[0]->text() + window->mnuSpecial->title();
    EXPECT_EQ(captions, QStringLiteral("&Starte MessungCheck &OnSens&or:&Spezial"));
}

// Every dialog fits an 800 x 600 screen with its frame (borders and title bar); a stored 48 kHz
// with the test CD starts silently at 44100 Hz.
TEST_F(DialogReviewTest, DialogsFitTheSmallestScreenAndTestCdStartsQuietly) {
    const QRect screen(QPoint(0, 0), QSize(800, 600) - QSize(16, 40));
    std::vector<QPointer<QDialog>> dialogs{calibration::frmLevel::open(*window, boxes),
                                           calibration::frmCalib::open(*window, boxes), openSave()};
    guidance::DialogState state;
    float resistor = 10.0f;
    for (int mode = 0; mode <= guidance::kLastInstructionMode * 3 + 2; ++mode) {
        state.DialogPage = static_cast<int16_t>(guidance::kInstructionPageBase + mode / 3);
        const auto type = static_cast<int16_t>(std::min(mode / 3, 4));
        dialogs.push_back(new guidance::frmMeas(state, {type, 0, int16_t(mode % 3), &resistor}));
    }
    for (int16_t page : {0, 5, 10, 15}) {
        state = {page, page == 0};
        dialogs.push_back(new guidance::frmHelp(state, nullptr, page == 15));
    }
    for (const QPointer<QDialog>& dialog : dialogs) {
        dialog->show();
        EXPECT_TRUE(screen.contains(QRect(QPoint(0, 0), dialog->frameGeometry().size())))
            << dialog->objectName().toStdString() << ' ' << dialog->width() << 'x'
            << dialog->height();
        if (dialog->parent() == nullptr) delete dialog.data();
    }

    app::Settings stored;
    stored.SampleRate = 48000;
    stored.WavOutDevIndex = 1;
    boxes.clear();
    ASSERT_TRUE(load({}, stored));
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(window->settings().SampleRate, 44100);
    EXPECT_FALSE(window->mnu48k->isChecked() || window->mnu48k->isEnabled());
}

} // namespace

} // namespace terzlab::test
