// The graph for daily work on the main window: the level axis the user chooses in its dialog or
// with the wheel, the comparison curves, the impedance phase with the readout of the band under
// the pointer and its marker, and the held curve.
#include "app/frm_axis.h"
#include "display/curve_colour.h"
#include "display/mapping.h"
#include "filesel_files.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

namespace terzlab::test {

namespace {

void turnWheel(QWidget* widget, int angle, bool ctrl) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      ctrl ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

std::vector<int> axisOf(app::frmMain& window) {
    const AxisRange& r = window.run().Range;
    return {r.RangeTop, r.RangeBottom, r.RangeStep};
}

class GraphDailyTest : public GuiTest {
  protected:
    // The file dialog's part of a comparison load: the chosen file into the comparison slot and
    // its box ticked. Each load brings the next file, its level 10 dB below the one before, all
    // within the axis.
    void scriptComparisonLoads() {
        window->hooks.openFileDialog = [this](int) {
            const std::string title = "Kurve " + std::to_string(++loads);
            put(QString::fromStdString(title + ".OCT"), measurementFile(title, 5.0 - 10.0 * loads));
            const std::filesystem::path path = folder / (title + ".OCT");
            DispOct& store = window->dispOct();
            LoadProbedFile(store, kComparisonSlot, path, ProbeFile(store, path, kOctMask),
                           window->curveLastBand(), boxes);
            window->showCurveBox(kComparisonSlot, QString::fromStdString(title));
            window->chkLoaded[kComparisonSlot]->setEnabled(true);
            platform::setChecked(window->chkLoaded[kComparisonSlot], true);
        };
    }
    std::vector<QString> titles() const {
        std::vector<QString> out;
        for (const app::ComparisonEntry& e : window->comparisons())
            out.push_back(e.title + (e.shown ? "" : " (aus)"));
        return out;
    }
    // The hold command as the menu offers it: enabled only with something to hold or let go.
    void clickHold() {
        emit window->mnuSpecial->aboutToShow();
        if (window->mnuHoldCurve->isEnabled()) window->mnuHoldCurve->trigger();
    }
    int greyPixels() { return curvePixels(*window, kHeldCurveColour); }

    int loads = 0;
};

TEST_F(GraphDailyTest, ChosenAxisIsCheckedTakenFrozenAndMovedByTheWheelAndTheKeys) {
    ASSERT_TRUE(load());
    choose(window->cmbDisplay, kFrequencyView);
    window->run().Range = AxisRange{0, -100, 20};
    // top, bottom, step typed; the field refused on its own (0 top, 1 bottom, 2 step, -1 none);
    // the start of the note; the axis then
    const std::tuple<std::array<const char*, 3>, int, const char*, std::vector<int>> entries[] = {
        {{"1200", "-100", "20"}, 0, "", {0, -100, 20}},
        {{"0", "-100", "0"}, 2, "", {0, -100, 20}},
        {{"10", "-30,5", "5"}, -1, "Oben, unten", {0, -100, 20}},
        {{"10", "-30", "5"}, -1, "", {10, -30, 5}}};
    for (const auto& [typed, held, note, axis] : entries) {
        SCOPED_TRACE(typed[0] + std::string(" ") + typed[1] + " " + typed[2]);
        QPointer<app::frmAxis> dialog = window->mnuAxis_Click();
        const std::array<QLineEdit*, 3> fields{dialog->txtTop, dialog->txtBottom, dialog->txtStep};
        for (int f = 0; f < 3; ++f)
            fields[f]->setText(QString::fromUtf8(typed[f]));
        dialog->cmdOK->click();
        QApplication::processEvents();
        EXPECT_EQ(axisOf(*window), axis);
        const bool taken = held < 0 && *note == 0;
        ASSERT_EQ(dialog.isNull(), taken);
        if (taken) continue;
        for (int f = 0; f < 3; ++f)
            EXPECT_EQ(fields[f]->toolTip().startsWith(QStringLiteral("Erlaubt: ")), f == held);
        EXPECT_EQ(dialog->lblNote->text().left(QString(note).size()), note);
        dialog->cmdCancel->click();
    }
    EXPECT_EQ(window->cmdAutoRange->text(), QStringLiteral("A&uto Off"));
    startRun(1);
    EXPECT_EQ(axisOf(*window), (std::vector{10, -30, 5})) << "a run keeps the chosen axis";

    // Half notches add up; Ctrl changes the span. A step of 200 would pass the limit.
    const std::tuple<int, bool, std::vector<int>> turns[] = {
        {120, false, {15, -25, 5}},  {60, false, {15, -25, 5}}, {60, false, {20, -20, 5}},
        {-240, false, {10, -30, 5}}, {120, true, {10, -6, 2}},  {-240, true, {10, -70, 10}},
        {-480, true, {10, -70, 10}}};
    for (const auto& [angle, ctrl, axis] : turns) {
        turnWheel(window->picGraph, angle, ctrl);
        EXPECT_EQ(axisOf(*window), axis) << angle << " " << ctrl;
    }
    // The keyboard does what the wheel does, in a graph that takes the focus; the dialog is in
    // "Spezial" too.
    EXPECT_EQ(window->picGraph->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(window->mnuSpecial->actions().contains(window->mnuAxis));
    const std::pair<Qt::Key, std::vector<int>> keys[] = {{Qt::Key_Up, {20, -60, 10}},
                                                         {Qt::Key_Down, {10, -70, 10}},
                                                         {Qt::Key_Plus, {10, -30, 5}},
                                                         {Qt::Key_Minus, {10, -70, 10}}};
    for (const auto& [key, axis] : keys) {
        QTest::keyClick(window->picGraph, key);
        EXPECT_EQ(axisOf(*window), axis) << QKeySequence(key).toString().toStdString();
    }

    choose(window->cmbDisplay, kTimeView);
    const std::vector<int> timeAxis = axisOf(*window);
    EXPECT_EQ(window->mnuAxis_Click(), nullptr);
    turnWheel(window->picGraph, 120, false);
    QTest::keyClick(window->picGraph, Qt::Key_Up);
    EXPECT_EQ(axisOf(*window), timeAxis) << "the time view's axis is not chosen";
}

TEST_F(GraphDailyTest, SixComparisonCurvesAreAddedListedHiddenRemovedAndRemembered) {
    ASSERT_TRUE(load());
    choose(window->cmbDisplay, kFrequencyView);
    scriptComparisonLoads();
    for (int i = 0; i < 7; ++i)
        window->mnuLoadComp->trigger();
    expectBoxesAsGolden(); // the seventh load is refused
    EXPECT_EQ(loads, 6);
    EXPECT_EQ(window->chkLoaded[kComparisonSlot]->text(), QStringLiteral("&Vergleich: Kurve 1"));
    for (Colour colour : kComparisonColours)
        EXPECT_GT(curvePixels(*window, colour), 100) << colour; // the curve across the graph

    QPointer<app::frmCurves> dialog = window->mnuCurves_Click();
    ASSERT_EQ(dialog->tblCurves->rowCount(), 6);
    dialog->tblCurves->item(2, 0)->setCheckState(Qt::Unchecked);
    dialog->tblCurves->item(0, 0)->setCheckState(Qt::Unchecked);
    EXPECT_LT(curvePixels(*window, kComparisonColours[2]), 20) << "hidden, at most its legend";
    EXPECT_FALSE(window->chkLoaded[kComparisonSlot]->isChecked()) << "the first is its box";
    dialog->tblCurves->setCurrentCell(0, 0);
    dialog->cmdRemove->click();
    EXPECT_EQ(titles(),
              (std::vector<QString>{"Kurve 2", "Kurve 3 (aus)", "Kurve 4", "Kurve 5", "Kurve 6"}));
    EXPECT_EQ(window->chkLoaded[kComparisonSlot]->text(), QStringLiteral("&Vergleich: Kurve 2"));
    EXPECT_EQ(curvePixels(*window, kComparisonColours[5]), 0) << "colours follow the list";

    app::Settings remembered;
    window->rememberComparisons(remembered);
    EXPECT_EQ(remembered.MoreComparisonFiles[3], filePath("Kurve 6.OCT").toStdString());
    dialog->cmdRemoveAll->click();
    EXPECT_FALSE(window->chkLoaded[kComparisonSlot]->isEnabled());
    window->loadStoredComparisons(remembered);
    EXPECT_EQ(titles(), (std::vector<QString>{"Kurve 3", "Kurve 4", "Kurve 5", "Kurve 6"}));
}

// The remembered choice shows the bench speaker's phase; the pointer reads the band's value and
// phase and marks the band. Switched off and with the pointer gone, the graph is as before.
TEST_F(GraphDailyTest, PhaseAndTheBandUnderThePointer) {
    ASSERT_NO_FATAL_FAILURE(loadWithProgramStimuli({{.ShowPhase = true}}));
    choose(window->cmbMeasType, IndexOf(MeasType::ImpedanceTwoChannel));
    window->cmdStart->click();
    const int plain = curvePixels(*window);
    EXPECT_GT(curvePixels(*window, kPhaseCurveColour), window->picGraph->width() / 2);
    const BandState& bands = window->bands();
    constexpr int kBand = 60;
    const double f = bands.Table.BandFreq[kBand];
    const double x = FrequencyX(f, window->picGraph->width() - 1, window->settings().SampleRate);
    moveMouse(window->picGraph, QPointF(std::round(x), 10));
    const QLocale l;
    EXPECT_EQ(window->lblCurveValue->text(), QStringLiteral("Messung: %1 Hz  %2 Ohm  %3\u00B0")
                                                 .arg(l.toString(f, 'f', f < 100 ? 1 : 0),
                                                      l.toString(bands.BandValue[kBand], 'f', 2),
                                                      l.toString(bands.Results(4, kBand), 'f', 1)));
    EXPECT_GT(curvePixels(*window), plain) << "marker";
    moveMouse(window->centralWidget(), QPointF(5, 5));
    EXPECT_TRUE(window->lblCurveValue->isHidden());
    EXPECT_EQ(curvePixels(*window), plain);
    window->mnuPhase->trigger();
    EXPECT_FALSE(window->settings().ShowPhase);
    EXPECT_EQ(curvePixels(*window, kPhaseCurveColour), 0);
}

// The held curve stays through a run at another level and a resize; a second click or a type
// change lets it go, and a type change back does not bring it back.
TEST_F(GraphDailyTest, HeldCurveStaysUntilReleasedOrTheTypeChanges) {
    ASSERT_TRUE(load());
    clickHold();
    EXPECT_FALSE(window->mnuHoldCurve->isChecked()) << "nothing measured to hold";
    startRun(1);
    clickHold();
    setGain(0.2); // the held curve shows where the new one leaves it
    startRun(1);
    window->resize(window->width() + 120, window->height() + 60);
    QCoreApplication::processEvents();
    EXPECT_GT(greyPixels(), window->picGraph->width() / 2);
    clickHold();
    EXPECT_EQ(greyPixels(), 0);
    clickHold();
    setGain(0.5);
    startRun(1);
    ASSERT_GT(greyPixels(), 0);
    choose(window->cmbMeasType, 1);
    EXPECT_FALSE(window->mnuHoldCurve->isChecked());
    choose(window->cmbMeasType, 0);
    EXPECT_EQ(greyPixels(), 0);
}

} // namespace

} // namespace terzlab::test
