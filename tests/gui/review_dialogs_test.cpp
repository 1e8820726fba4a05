// The dialogs and the window as a new user meets them: number fields that refuse without
// trapping, numbers in the user's notation, access keys, the smallest screen and a quiet start.
#include "app/frm_sel.h"
#include "app/start.h"
#include "calibration/frm_calib.h"
#include "calibration/frm_level.h"
#include "calibration/numeric_input.h"
#include "gui_fixture.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/instruction_text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace terzlab::test {

namespace {

class ReviewTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
    void TearDown() override {
        save.reset();
        QLocale::setDefault(QLocale::c());
        GuiTest::TearDown();
    }
    app::frmSel* openSave() {
        window->selState().SelMode = app::sel::kSave;
        save = std::make_unique<app::frmSel>(*window, window->selState(), boxes, folderPath());
        save->Form_Load();
        save->show();
        platform::selectListIndex(save->cmbInfoTyp, 1); // "d [cm]" and its neighbours
        return save.get();
    }

    std::unique_ptr<app::frmSel> save;
};

struct OpenedField {
    QDialog* dialog;
    QLineEdit* field;
    QLineEdit* next;
    QPushButton* cancel;
    QLineEdit* total; // keeps its text while the field is refused; may be null
};

// A refused value keeps the focus and names what is allowed, the level dialog's total stays
// with the accepted values, and "Abbruch" clicked with the mouse (which takes the focus first)
// cancels whatever the field holds.
TEST_F(ReviewTest, RefusedFieldsHintTheirRangeAndNeverBlockCancelling) {
    const struct {
        const char* name;
        std::function<OpenedField()> open;
        const char* typed;
        const char* hint;
    } rows[] = {
        {"Ist",
         [this] {
             auto* level = calibration::frmLevel::open(*window, boxes);
             return OpenedField{level, level->txtLevel[1], level->txtSens[0], level->cmdCancel,
                                level->txtSens[1]};
         },
         "5000", "Erlaubt: 0.001 ... 99.99"},
        {"d [cm]",
         [this] {
             auto* sel = openSave();
             return OpenedField{sel, sel->txtInfo[2], sel->txtInfo[3], sel->cmdEsc, nullptr};
         },
         "x", "Erlaubt: eine Zahl oder nichts"},
    };
    for (const auto& row : rows) {
        const OpenedField d = row.open();
        QPointer<QDialog> dialog = d.dialog;
        dialog->activateWindow();
        platform::letEventsRun();
        const QString total = d.total ? d.total->text() : QString();
        d.field->setFocus(Qt::TabFocusReason);
        d.field->clear();
        QTest::keyClicks(d.field, QString::fromUtf8(row.typed));
        d.next->setFocus(Qt::TabFocusReason);
        platform::letEventsRun();
        EXPECT_EQ(QApplication::focusWidget(), d.field) << row.name;
        EXPECT_EQ(d.field->toolTip(), QString::fromUtf8(row.hint)) << row.name;
        EXPECT_EQ(d.total ? d.total->text() : QString(), total) << row.name;
        // A person's click: the press takes the focus, events run, then the release.
        QTest::mousePress(d.cancel, Qt::LeftButton);
        platform::letEventsRun();
        QTest::mouseRelease(d.cancel, Qt::LeftButton);
        platform::letEventsRun();
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible()) << row.name;
    }
}

// Every number shown to a person follows the locale: the start-up question, the calibration
// dialog's captions and the hints; files keep the point.
TEST_F(ReviewTest, NumbersShownFollowTheLocale) {
    QFile settingsFile(filePath(QStringLiteral("Terzlab.def")));
    ASSERT_TRUE(settingsFile.open(QIODevice::WriteOnly));
    settingsFile.write("CalibrationValueLeftChannel=1.5\r\n");
    settingsFile.close();
    for (const auto& [locale, separator] :
         {std::pair{QLocale::c(), "."}, std::pair{QLocale(QLocale::German), ","}}) {
        QLocale::setDefault(locale);
        const QString sep = QString::fromLatin1(separator);
        boxes.clear();
        boxes.answerNext(platform::MsgAnswer::Yes);
        app::startSettings(settingsFile.fileName().toStdString(), boxes);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_TRUE(boxes.boxes()[0].text.contains(" von 1" + sep + "50 dB"))
            << boxes.boxes()[0].text.toStdString();
        EXPECT_EQ(calibration::RangeHint(0.001, 99.99),
                  "Erlaubt: 0" + sep + "001 ... 99" + sep + "99");
        window->settings().CalibValue = {1.5, 0.0};
        QPointer<calibration::frmCalib> calib = calibration::frmCalib::open(*window, boxes);
        EXPECT_EQ(calib->optChan[0]->text(), "Li   (1" + sep + "50dB)");
        EXPECT_EQ(calib->optFreq[1]->text(), "980" + sep + "0 Hz");
        calib->close();
        platform::letEventsRun();
    }
}

// Alt+letter opens the menu with that letter first; the start button (Alt+G) and the check
// button (Alt+C) keep keys of their own; no caption changes.
TEST_F(ReviewTest, MenusOwnTheirLettersAndClashingControlsHaveTheirOwnKeys) {
    window->activateWindow();
    platform::letEventsRun();
    const auto alt = [this](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        key, Qt::AltModifier);
        platform::letEventsRun();
    };
    const struct {
        Qt::Key key;
        QMenu* menu;
    } menus[] = {{Qt::Key_S, window->mnuSpecial},
                 {Qt::Key_D, window->mnuFile},
                 {Qt::Key_P, window->mnuLevel},
                 {Qt::Key_H, window->mnuHelp}};
    for (const auto& row : menus) {
        alt(row.key);
        EXPECT_TRUE(row.menu->isVisible()) << row.menu->title().toStdString();
        row.menu->hide();
        platform::letEventsRun();
    }
    alt(Qt::Key_C);
    EXPECT_EQ(window->cmdScope->text(), QStringLiteral("Check &Off"));
    alt(Qt::Key_C);
    EXPECT_EQ(window->cmdScope->text(), QStringLiteral("Check &On"));
    platform::selectListIndex(window->cmbAvgCnt, 0);
    platform::setChecked(window->chkAvgType, true);
    alt(Qt::Key_G);
    EXPECT_GT(blocks(), 0) << "the run started";
    EXPECT_EQ(window->cmdStart->text(), QStringLiteral("&Starte Messung"));
    EXPECT_EQ(window->chkLoaded[0]->text(), QStringLiteral("Sens&or:"));
    EXPECT_EQ(window->mnuSpecial->title(), QStringLiteral("&Spezial"));
}

// Every dialog fits an 800 x 600 screen with its frame; a stored 48 kHz with the test CD starts
// silently at 44100 Hz.
TEST_F(ReviewTest, DialogsFitTheSmallestScreenAndTestCdStartsQuietly) {
    const QSize frame(16, 40); // borders and title bar
    const QSize screen(800, 600);
    std::vector<QPointer<QDialog>> dialogs;
    guidance::DialogState state;
    float resistor = 10.0f;
    for (int mode = 0; mode <= guidance::kLastInstructionMode; ++mode) {
        for (int16_t part = 0; part <= 2; ++part) {
            state.DialogPage = static_cast<int16_t>(guidance::kInstructionPageBase + mode);
            const int16_t type = static_cast<int16_t>(std::min(mode, 4));
            dialogs.push_back(new guidance::frmMeas(state, {type, 0, part, &resistor}));
        }
    }
    for (int16_t page : {0, 5, 10, 15}) {
        state = {page, page == 0};
        dialogs.push_back(new guidance::frmHelp(state, nullptr, page == 15));
    }
    dialogs.push_back(calibration::frmLevel::open(*window, boxes));
    dialogs.push_back(calibration::frmCalib::open(*window, boxes));
    dialogs.push_back(openSave());
    for (const QPointer<QDialog>& dialog : dialogs) {
        dialog->show();
        const QSize outer = dialog->frameGeometry().size() + frame;
        EXPECT_TRUE(outer.width() <= screen.width() && outer.height() <= screen.height())
            << dialog->objectName().toStdString() << ' ' << outer.width() << 'x' << outer.height();
    }
    for (size_t i = 0; i + 3 < dialogs.size(); ++i)
        delete dialogs[i].data();

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
