// What a user would trust after a run: the spectrum view and the save command show only what the
// last run analysed, commands that change the measurement wait for the run; the window's fixed
// texts against one golden file; and the dialogs as a new user meets them: number fields that
// refuse without trapping, numbers in the user's notation, access keys.
#include "analysis/meas_type.h"
#include "app/start.h"
#include "calibration/frm_calib.h"
#include "calibration/frm_level.h"
#include "display/curve_colour.h"
#include "gui_fixture.h"
#include "platform/numeric_input.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

namespace terzlab::test {

namespace {

namespace sel = app::sel;

class ReviewTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        GuiTest::TearDown();
    }
    // Menu commands that change the measurement, the save command, the type list and the start.
    std::string commands() {
        app::frmMain& w = *window;
        return enabledNames({w.mnuLevel->menuAction(), w.mnuXchan, w.mnuLoadCorr, w.mnuLoadRef,
                             w.mnuLoadComp, w.mnuFileSaveAs, w.cmbMeasType, w.cmdStart});
    }
    // The file dialog saving, with the fields that hold numbers ("d [cm]" and neighbours).
    app::frmSel* openSave() {
        choose(openFileDialog(sel::kSave).cmbInfoTyp, 1);
        return fileDialog.get();
    }
};

// The spectrum view redraws the means of the last run and never feeds them a block again, and
// the time view of a longer run warns that it shows only the last measurement; a run watched in
// the time view or one whose device fell silent leaves nothing to show or save, and a new type
// starts from its own empty graph. The warnings and the device fault are worded in gui_boxes.txt.
TEST_F(ReviewTest, SpectrumViewAndSaveShowOnlyWhatTheLastRunAnalysed) {
    std::vector<double> measured;
    const auto look = [&](int display) {
        choose(window->cmbDisplay, display);
        return "save " + std::to_string(window->mnuFileSaveAs->isEnabled()) + " curve " +
               std::to_string(curvePixels(*window) > 100) + " same " +
               std::to_string(window->bands().BandValue == measured) + " | ";
    };
    startRun(1);
    measured = window->bands().BandValue;
    EXPECT_EQ(look(kTimeView) + look(kFrequencyView) + look(kTimeView) + look(kFrequencyView),
              "save 0 curve 1 same 1 | save 1 curve 1 same 1 | save 0 curve 1 same 1 | "
              "save 1 curve 1 same 1 | ");
    choose(window->cmbMeasType, 3);
    EXPECT_EQ(curvePixels(*window), 0) << "the level curve under the impedance type";
    choose(window->cmbMeasType, 0);
    choose(window->cmbDisplay, kTimeView); // no warning for a result that is gone
    startRun(0);                           // nor after a single measurement
    measured = window->bands().BandValue;
    EXPECT_EQ(look(kFrequencyView) + look(kTimeView) + look(kFrequencyView),
              "save 0 curve 0 same 1 | save 0 curve 1 same 1 | save 0 curve 0 same 1 | ");
    // The settling block and two measured ones, then one more.
    ASSERT_TRUE(load({.goneAfterBlocks = true, .blocksUntilGone = 4}));
    startRun(1);
    ASSERT_TRUE(window->mnuFileSaveAs->isEnabled());
    startRun(0);
    EXPECT_EQ(look(kFrequencyView), "save 0 curve 0 same 0 | ");
    expectBoxesAsGolden();
}

// During a run and while the calibration dialog drives one, nothing may change the type, the
// channels or the curves under it.
TEST_F(ReviewTest, CommandsThatChangeTheMeasurementWaitForTheRunAndTheCalibration) {
    choose(window->cmbMeasType, 1);
    std::vector<std::string> during;
    keys.onAsk = [this, &during] {
        if (window->isRunning()) during.push_back(commands());
        return false;
    };
    startRun(1);
    EXPECT_EQ(during, (std::vector<std::string>{"cmdStart", "cmdStart"}));
    const std::string measuring = "mnuLevel mnuXchan mnuLoadCorr mnuLoadRef mnuLoadComp";
    EXPECT_EQ(commands(), measuring + " mnuFileSaveAs cmbMeasType cmdStart");
    window->beginCalibration();
    EXPECT_EQ(commands(), "");
    window->endCalibration();
    EXPECT_EQ(commands(), measuring + " cmbMeasType cmdStart");
}

// The exact texts of lists, menus, messages and colours that a user reads or a manual names.
TEST_F(ReviewTest, WindowTextsReadAsTheGoldenFile) {
    app::frmMain& w = *window;
    QString doc = "== lists\n";
    for (QComboBox* list : {w.cmbMeasType, w.cmbAvgCnt, w.cmbFreqRes, w.cmbDisplay}) {
        doc += list->objectName() + ':';
        for (int i = 0; i < list->count(); ++i)
            doc += " [" + list->itemText(i) + ']';
        doc += '\n';
    }
    doc += "== menus\n";
    for (QAction* top : w.menuBar()->actions()) {
        doc += top->text() + '\n';
        for (QAction* a : top->menu()->actions())
            doc += a->isSeparator() ? QStringLiteral("  ----\n")
                                    : "  [" + a->text() + "] " + a->shortcut().toString() +
                                          (a->isCheckable() ? " check" : "") +
                                          (a->isVisible() ? "" : " hidden") + '\n';
    }
    doc += "== boxes\n";
    boxes.answerNext(platform::MsgAnswer::Cancel);
    w.mnuCalib_Click();
    DispOct store;
    const std::string data = TERZLAB_TEST_DATA;
    for (const auto& [slot, name] : {std::pair{kComparisonSlot, "oct_word_in_line.OCT"},
                                     {kReferenceSlot, "sen_flat_s10.SEN"}}) {
        store.Curves[slot].CurveDir = data;
        store.Curves[slot].CurveFile = name;
        LoadCurve(store, slot, 134, boxes);
    }
    for (const platform::RecordedBox& box : boxes.boxes())
        doc += "[" + box.title + "] " + QString::number(static_cast<int>(box.icon)) + '\n' +
               QString::fromStdString(showLineEnds(box.text.toStdString()))
                   .replace(QString::fromStdString(data), "<data>") +
               '\n';
    doc += "== file list heading\n";
    w.selState().SelMode = sel::kSensor;
    doc += '[' + app::frmSel(w, w.selState(), boxes, folderPath()).txtName->text() + "]\n";
    doc += "== curve colour by type, display, part: left right\n";
    for (int type = 0; type < kMeasTypeCount; ++type)
        for (int display = 0; display < (type == 2 ? 1 : 2); ++display)
            for (int part = type == 3 ? 1 : 0; part <= (type == 3 ? 2 : 0); ++part) {
                doc += QStringLiteral("%1 %2 %3:").arg(type).arg(display).arg(part);
                for (int16_t channel : {0, 1}) {
                    const Colour colour = LiveCurveColour(2, channel, *MeasTypeOf(type),
                                                          static_cast<int16_t>(part), display == 1);
                    doc += QStringLiteral(" %1").arg(colour, 6, 16, QChar(u'0'));
                }
                doc += '\n';
            }
    expectGoldenFile("window_texts.txt", doc.toStdString());
}

// A refused value keeps the focus and names what is allowed, the level total stays with the
// accepted values, and "Abbruch" clicked as a person clicks (the press takes the focus, events
// run, then the release) cancels whatever the field holds.
TEST_F(ReviewTest, RefusedFieldsHintTheirRangeAndNeverBlockCancelling) {
    auto* level = calibration::frmLevel::open(*window, boxes);
    const QPointer<QLineEdit> totalField = level->txtSens[1];
    const QString total = totalField->text();
    const std::tuple<QPointer<QDialog>, QLineEdit*, QLineEdit*, QPushButton*, const char*,
                     const char*>
        rows[] = {{level, level->txtLevel[1], level->txtSens[0], level->cmdCancel, "5000",
                   "Erlaubt: 0.001 ... 99.99"},
                  {openSave(), fileDialog->txtInfo[2], fileDialog->txtInfo[3], fileDialog->cmdEsc,
                   "x", "Erlaubt: eine Zahl oder nichts"}};
    for (const auto& [owner, field, next, cancel, typed, hint] : rows) {
        SCOPED_TRACE(typed);
        owner->activateWindow();
        platform::letEventsRun();
        field->setFocus(Qt::TabFocusReason);
        field->clear();
        QTest::keyClicks(field, typed);
        next->setFocus(Qt::TabFocusReason);
        platform::letEventsRun();
        EXPECT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(field->toolTip(), QString::fromUtf8(hint));
        EXPECT_EQ(totalField ? totalField->text() : total, total);
        QTest::mousePress(cancel, Qt::LeftButton);
        platform::letEventsRun();
        QTest::mouseRelease(cancel, Qt::LeftButton);
        platform::letEventsRun();
        EXPECT_TRUE(owner.isNull() || !owner->isVisible());
    }
}

// Every number shown to a person follows the locale: the start-up question, the calibration
// dialog's captions and the hints.
TEST_F(ReviewTest, NumbersShownFollowTheLocale) {
    put("Terzlab.def", "CalibrationValueLeftChannel=1.5\r\n");
    window->settings().CalibValue = {1.5, 0.0};
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German)}) {
        QLocale::setDefault(locale);
        const QString sep = locale.decimalPoint();
        boxes.clear();
        boxes.answerNext(platform::MsgAnswer::Yes);
        app::startSettings(filePath("Terzlab.def").toStdString(), boxes);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_TRUE(boxes.boxes()[0].text.contains(" von 1" + sep + "50 dB"));
        EXPECT_EQ(platform::RangeHint(0.001, 99.99),
                  "Erlaubt: 0" + sep + "001 ... 99" + sep + "99");
        QPointer<calibration::frmCalib> calib = calibration::frmCalib::open(*window, boxes);
        EXPECT_EQ(calib->optChan[0]->text() + calib->optFreq[1]->text(),
                  "Li   (1" + sep + "50dB)980" + sep + "0 Hz");
        calib->close();
    }
}

// Alt+letter opens each menu, presses the check button (Alt+C) and starts (Alt+S): the letters the
// captions mark; no caption changes.
TEST_F(ReviewTest, MenusOwnTheirLettersAndClashingControlsHaveTheirOwnKeys) {
    window->activateWindow();
    const auto alt = [this](Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, Qt::AltModifier);
        platform::letEventsRun();
    };
    for (QMenu* menu : {window->mnuSpecial, window->mnuFile, window->mnuLevel, window->mnuHelp}) {
        const QString title = menu->title(); // its letter is held by the golden window texts
        alt(Qt::Key(title.at(title.indexOf(u'&') + 1).toUpper().unicode()));
        EXPECT_TRUE(menu->isVisible()) << menu->title().toStdString();
        menu->hide();
    }
    alt(Qt::Key_C);
    EXPECT_EQ(window->cmdScope->text(), QStringLiteral("&Check Off"));
    alt(Qt::Key_C);
    choose(window->cmbAvgCnt, 0);
    platform::setChecked(window->chkAvgType, true);
    alt(Qt::Key_S);
    EXPECT_GT(blocks(), 0) << "the run started";
    const QString captions = window->cmdStart->text() + window->cmdScope->text() +
                             window->chkLoaded[0]->text() + window->mnuSpecial->title();
    EXPECT_EQ(captions, QStringLiteral("&Starte Messung&Check OnSens&or:Spez&ial"));
}

} // namespace

} // namespace terzlab::test
