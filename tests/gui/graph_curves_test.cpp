// The graph for daily work: the level axis the user chooses in its dialog or with the wheel.
#include "app/frm_axis.h"
#include "app/frm_curves.h"
#include "display/curve_colour.h"
#include "filesel_files.h"
#include "gui_fixture.h"
#include "platform/qt_picture.h"

#include <QApplication>
#include <QPointer>
#include <QTableWidget>
#include <QWheelEvent>

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

// Pixels of the main graph in a comparison curve's colour.
int pixelsIn(app::frmMain& window, Colour colour) {
    const QColor wanted = platform::ToQColor(colour);
    return countPixels(window.picGraph->Surface().Image(),
                       [wanted](QColor pixel) { return pixel == wanted; });
}

class GraphCurvesTest : public GuiTest {
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
    int loads = 0;
};

TEST_F(GraphCurvesTest, ChosenAxisIsCheckedTakenFrozenAndMovedByTheWheel) {
    ASSERT_TRUE(load());
    platform::selectListIndex(window->cmbDisplay, kFrequencyView);
    window->run().Range = AxisRange{0, -100, 20};
    const struct {
        const char *top, *bottom, *step;
        int held; // the field refused on its own: 0 top, 1 bottom, 2 step, -1 none
        const char* note;
        std::vector<int> axis;
    } entries[] = {{"1200", "-100", "20", 0, "", {0, -100, 20}},
                   {"0", "-100", "0", 2, "", {0, -100, 20}},
                   {"10", "-30,5", "5", -1, "Oben, unten", {0, -100, 20}},
                   {"10", "-30", "5", -1, "", {10, -30, 5}}};
    for (const auto& e : entries) {
        QPointer<app::frmAxis> dialog = window->mnuAxis_Click();
        dialog->txtTop->setText(QString::fromUtf8(e.top));
        dialog->txtBottom->setText(QString::fromUtf8(e.bottom));
        dialog->txtStep->setText(QString::fromUtf8(e.step));
        dialog->cmdOK->click();
        QApplication::processEvents();
        EXPECT_EQ(axisOf(*window), e.axis) << e.top << " " << e.bottom << " " << e.step;
        const bool taken = e.held < 0 && *e.note == 0;
        ASSERT_EQ(dialog.isNull(), taken);
        if (taken) continue;
        const QLineEdit* fields[] = {dialog->txtTop, dialog->txtBottom, dialog->txtStep};
        for (int f = 0; f < 3; ++f)
            EXPECT_EQ(fields[f]->toolTip().startsWith(QStringLiteral("Erlaubt: ")), f == e.held);
        const QString note = QString::fromUtf8(e.note);
        EXPECT_EQ(dialog->lblNote->text().left(note.size()), note);
        dialog->cmdCancel->click();
    }
    EXPECT_EQ(window->cmdAutoRange->text(), QStringLiteral("A&uto Off"));
    startRun(1);
    EXPECT_EQ(axisOf(*window), (std::vector{10, -30, 5})) << "a run keeps the chosen axis";

    const struct {
        int angle;
        bool ctrl;
        std::vector<int> axis;
    } turns[] = {{120, false, {15, -25, 5}}, {60, false, {15, -25, 5}},
                 {60, false, {20, -20, 5}},  {-240, false, {10, -30, 5}},
                 {120, true, {10, -6, 2}},   {-240, true, {10, -70, 10}},
                 {-480, true, {10, -70, 10}}}; // a step of 200 would pass the limit
    for (const auto& t : turns) {
        turnWheel(window->picGraph, t.angle, t.ctrl);
        EXPECT_EQ(axisOf(*window), t.axis) << t.angle << " " << t.ctrl;
    }

    platform::selectListIndex(window->cmbDisplay, kTimeView);
    const std::vector<int> timeAxis = axisOf(*window);
    EXPECT_EQ(window->mnuAxis_Click(), nullptr);
    turnWheel(window->picGraph, 120, false);
    EXPECT_EQ(axisOf(*window), timeAxis) << "the time view's axis is not chosen";
}

TEST_F(GraphCurvesTest, SixComparisonCurvesAreAddedListedHiddenRemovedAndRemembered) {
    ASSERT_TRUE(load());
    platform::selectListIndex(window->cmbDisplay, kFrequencyView);
    scriptComparisonLoads();
    for (int i = 0; i < 7; ++i)
        window->mnuLoadComp->trigger();
    expectBoxesAsGolden(); // the seventh load is refused
    EXPECT_EQ(loads, 6);
    EXPECT_EQ(window->chkLoaded[kComparisonSlot]->text(), QStringLiteral("&Vergleich: Kurve 1"));
    for (Colour colour : kComparisonColours)
        EXPECT_GT(pixelsIn(*window, colour), 100) << colour; // the curve across the graph

    QPointer<app::frmCurves> dialog = window->mnuCurves_Click();
    ASSERT_EQ(dialog->tblCurves->rowCount(), 6);
    dialog->tblCurves->item(2, 0)->setCheckState(Qt::Unchecked);
    dialog->tblCurves->item(0, 0)->setCheckState(Qt::Unchecked);
    EXPECT_LT(pixelsIn(*window, kComparisonColours[2]), 20) << "hidden, at most its legend";
    EXPECT_FALSE(window->chkLoaded[kComparisonSlot]->isChecked()) << "the first is its box";
    dialog->tblCurves->setCurrentCell(0, 0);
    dialog->cmdRemove->click();
    EXPECT_EQ(titles(),
              (std::vector<QString>{"Kurve 2", "Kurve 3 (aus)", "Kurve 4", "Kurve 5", "Kurve 6"}));
    EXPECT_EQ(window->chkLoaded[kComparisonSlot]->text(), QStringLiteral("&Vergleich: Kurve 2"));
    EXPECT_EQ(pixelsIn(*window, kComparisonColours[5]), 0) << "colours follow the list";

    app::Settings remembered;
    window->rememberComparisons(remembered);
    EXPECT_EQ(remembered.MoreComparisonFiles[3], filePath("Kurve 6.OCT").toStdString());
    dialog->cmdRemoveAll->click();
    EXPECT_FALSE(window->chkLoaded[kComparisonSlot]->isEnabled());
    window->loadStoredComparisons(remembered);
    EXPECT_EQ(titles(), (std::vector<QString>{"Kurve 3", "Kurve 4", "Kurve 5", "Kurve 6"}));
}

} // namespace
} // namespace terzlab::test
