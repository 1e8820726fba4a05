// The graph for daily work: the level axis the user chooses in its dialog or with the wheel.
#include "app/frm_axis.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QPointer>
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

using GraphCurvesTest = GuiTest;

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
                   {"0", "-100", "3", -1, "Die Teilung muss", {0, -100, 20}},
                   {"10", "-30,5", "5", -1, "Oben, unten", {0, -100, 20}},
                   {"10", "-30", "5", -1, "", {10, -30, 5}}};
    for (const auto& e : entries) {
        QPointer<app::frmAxis> dialog = window->mnuAxis_Click();
        ASSERT_TRUE(dialog);
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
    window->cmdAutoRange->click();
    EXPECT_NE(axisOf(*window), (std::vector{10, -70, 10})) << "automatic again";

    platform::selectListIndex(window->cmbDisplay, kTimeView);
    const std::vector<int> timeAxis = axisOf(*window);
    EXPECT_EQ(window->mnuAxis_Click(), nullptr);
    turnWheel(window->picGraph, 120, false);
    EXPECT_EQ(axisOf(*window), timeAxis) << "the time view's axis is not chosen";
}

} // namespace
} // namespace terzlab::test
