// The instruction and help dialogs on their own: series resistor, keys, closing, the wiring
// sketch and every help page.
#include "app/main_state.h"
#include "guidance/dialog_state.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/help_pages.h"
#include "guidance/wiring_sketch.h"
#include "platform/qt_picture.h"
#include "support/recording_picture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace terzlab::test {

namespace {

using guidance::frmHelp;
using guidance::frmMeas;

class MeasDialogTest : public ::testing::Test {
  protected:
    frmMeas* open(int type, int page) {
        delete dialog.data();
        settings.MeasTypeIndex = static_cast<int16_t>(type);
        dialogs.DialogPage = static_cast<int16_t>(page);
        dialog = new frmMeas(dialogs, {settings.MeasTypeIndex, settings.ActiveChannel,
                                       run.ImpedancePart, &settings.SeriesResistor});
        dialog->show();
        return dialog;
    }
    void TearDown() override { delete dialog.data(); }

    guidance::DialogState dialogs;
    app::Settings settings;
    app::RunState run;
    QPointer<frmMeas> dialog;
};

TEST_F(MeasDialogTest, ResistorOutsideItsRangeKeepsTheDialogAndTheBoxesRedrawTheSketch) {
    open(4, 24);
    for (const char* refused : {"0.05", "101", "", "."}) {
        dialog->txtValue->setText(QString::fromLatin1(refused));
        dialog->cmdOK->setFocus();
        EXPECT_FALSE(dialog->cmdOK_Click()) << refused;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->focusWidget(), dialog->txtValue);
        EXPECT_EQ(dialogs.DialogPage, 24);
        EXPECT_FLOAT_EQ(settings.SeriesResistor, 10.0f);
    }
    // Closing by the frame is refused the same way: the run must not take an unconfirmed value.
    EXPECT_FALSE(dialog->close());
    EXPECT_EQ(dialogs.DialogPage, 24);
    // The check boxes redraw the sketch, and unticking restores it.
    const QImage plain = dialog->sketch().Image().copy();
    dialog->chkImp->click();
    EXPECT_NE(dialog->sketch().Image(), plain);
    dialog->chkImp->click();
    EXPECT_EQ(dialog->sketch().Image(), plain);
    dialog->chkXchan->click();
    EXPECT_NE(dialog->sketch().Image(), plain);
}

// OK, the frame and ESC all confirm; the limits are inclusive; level types ignore the field.
TEST_F(MeasDialogTest, EveryWayOfClosingConfirmsAValidResistor) {
    enum How { Ok, Close, Escape };
    const struct {
        int type;
        const char* text;
        How how;
        float stored;
    } cases[] = {{0, "0", Close, 10.0f},
                 {3, "0.1", Ok, 0.1f},
                 {3, "100", Close, 100.0f},
                 {4, "8,2", Escape, 8.2f}};
    for (const auto& c : cases) {
        open(c.type, 20 + c.type);
        dialog->txtValue->setText(QString::fromLatin1(c.text));
        if (c.how == Ok) dialog->cmdOK->click();
        if (c.how == Escape) QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(c.how != Close || dialog->close());
        EXPECT_EQ(dialogs.DialogPage, -1) << c.text;
        EXPECT_FLOAT_EQ(settings.SeriesResistor, c.stored);
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    }
}

TEST_F(MeasDialogTest, KeysMakeOnlyANumberWithOnePoint) {
    open(3, 23);
    dialog->txtValue->clear();
    QTest::keyClicks(dialog->txtValue, QStringLiteral("-4,7x-,2"));
    EXPECT_EQ(dialog->txtValue->text(), QStringLiteral("4.72"));
    QTest::keyClick(dialog->txtValue, Qt::Key_Backspace);
    EXPECT_EQ(dialog->txtValue->text(), QStringLiteral("4.7"));
    dialog->txtValue->selectAll();
    QTest::keyClicks(dialog->txtValue, QStringLiteral(",5"));
    EXPECT_EQ(dialog->txtValue->text(), QStringLiteral(".5"));
}

TEST_F(MeasDialogTest, TextChannelAndControlsFollowThePage) {
    settings.ActiveChannel = 1;
    run.ImpedancePart = 2;
    open(3, 23);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Hinweise zur Messung"));
    EXPECT_EQ(dialog->cmdOK->text(), QStringLiteral("Messung &Start"));
    EXPECT_TRUE(dialog->lblMain->text().startsWith(
        QStringLiteral("Verkabelung:\nIm 2. Teil der Messung wird die Spannung über der "
                       "unbekannten Impedanz am rechten Kanal")));
    EXPECT_FALSE(dialog->lblMain->text().contains(QLatin1Char('\r')));
    EXPECT_TRUE(dialog->txtValue->isVisible());
    EXPECT_TRUE(dialog->chkImp->isVisible());
    open(0, 7);
    EXPECT_EQ(dialog->lblMain->text(), QStringLiteral("Verkabelung:"));
    EXPECT_FALSE(dialog->txtValue->isVisible());
}

// The wiring sketch as drawn: which labels, where, and in which colours.
class SketchTest : public ::testing::Test {
  protected:
    const RecordedText* draw(const guidance::SketchInputs& inputs, const std::string& label) {
        picture.Cls();
        guidance::DrawWiringSketch(picture, inputs);
        return find(label);
    }
    const RecordedText* find(const std::string& label) const {
        for (const RecordedText& text : picture.Texts)
            if (text.text == label) return &text;
        return nullptr;
    }
    double yOf(const std::string& label) const {
        const RecordedText* text = find(label);
        return text ? text->y : -1.0;
    }

    RecordingPicture picture{guidance::kSketchWidth, guidance::kSketchHeight, 20.0};
};

TEST_F(SketchTest, ImpedanceShowsEveryPartAndPutsTheMeasuredOneOnGround) {
    ASSERT_NE(draw({4, true, 0, false, false}, "Rechts (Anregung)"), nullptr);
    for (const char* label :
         {"Steckerbelegung:", "Messaufbau:", "Soundkarte", "Line Out", "Line In", "Verstärker",
          "Testobjekt", "Rvor", "Links", "Rechts", "Masse", "Links (Antwort)"})
        EXPECT_NE(find(label), nullptr) << label;
    // The response is the voltage over the test object, so that one sits on ground.
    EXPECT_LT(yOf("Rvor"), yOf("Testobjekt"));
    draw({4, true, 0, true, false}, "Rvor");
    EXPECT_GT(yOf("Rvor"), yOf("Testobjekt"));
    draw({4, true, 0, false, true}, "Links (Anregung)");
    EXPECT_NE(find("Links (Anregung)"), nullptr);
    EXPECT_NE(find("Rechts (Antwort)"), nullptr);
    EXPECT_EQ(find("Rechts (Anregung)"), nullptr);
    // One channel: each part puts the part it measures on ground.
    draw({3, true, 1, false, false}, "");
    EXPECT_GT(yOf("Rvor"), yOf("Testobjekt"));
    draw({3, true, 2, false, false}, "");
    EXPECT_LT(yOf("Rvor"), yOf("Testobjekt"));
    EXPECT_EQ(find("Links (Antwort)"), nullptr);
}

TEST_F(SketchTest, OneChannelModesShowThePlugWithTheUsedContactInColour) {
    for (const int mode : {0, 2, 5}) {
        const RecordedText* left = draw({mode, false, 0, false, false}, "Links");
        ASSERT_NE(left, nullptr);
        EXPECT_EQ(find("Messaufbau:"), nullptr) << mode;
        EXPECT_EQ(left->colour, kDarkGrey);
        EXPECT_EQ(find("Rechts")->colour, guidance::kRightLead);
    }
    draw({9, true, 0, false, false}, "");
    EXPECT_TRUE(picture.Texts.empty());
    EXPECT_TRUE(picture.Segments.empty());
}

TEST_F(SketchTest, EveryConnectionEndsInAnArrowOfItsOwnColour) {
    for (const int mode : {1, 3, 4}) {
        draw({mode, true, 1, false, false}, "");
        int arrows = 0;
        for (const RecordedSegment& stroke : picture.Segments) {
            const double length = std::hypot(stroke.x2 - stroke.x1, stroke.y2 - stroke.y1);
            if (std::abs(length - guidance::kArrowStroke) > 1.5) continue;
            ++arrows;
            bool onLine = false;
            for (const RecordedSegment& line : picture.Segments)
                onLine |= &line != &stroke && line.x2 == stroke.x1 && line.y2 == stroke.y1 &&
                          line.colour == stroke.colour;
            EXPECT_TRUE(onLine) << "mode " << mode << " stroke at " << stroke.x1 << ","
                                << stroke.y1;
        }
        EXPECT_GE(arrows, 2 * 5) << mode;
        EXPECT_EQ(arrows % 2, 0) << mode;
    }
}

// The dialog shows its page's words (golden-checked in the guidance text test) with LF line
// ends; pages outside the table keep the design caption.
TEST(HelpDialog, ShowsThePagesWordsAndButtonAndOkReleasesThePage) {
    const struct {
        int page;
        bool lowSine;
    } pages[] = {{5, false}, {10, false}, {15, true}, {15, false}, {7, false}, {25, false}};
    for (const auto& c : pages) {
        const auto words = guidance::HelpPageFor(c.page, c.lowSine)
                               .value_or(guidance::HelpPage{"Hinweis", "", "", "OK"});
        guidance::DialogState dialogs;
        dialogs.DialogPage = static_cast<int16_t>(c.page);
        QPointer<frmHelp> help = new frmHelp(dialogs, nullptr, c.lowSine);
        help->show();
        EXPECT_EQ(help->windowTitle().toStdString(), words.caption) << c.page;
        EXPECT_EQ(help->lblBigText->text().toStdString(), words.bigText) << c.page;
        EXPECT_EQ(help->lblNormText->text(),
                  QString::fromStdString(words.normText).replace(QStringLiteral("\r\n"), "\n"));
        EXPECT_EQ(help->cmdOK->text().toStdString(), words.button) << c.page;
        help->cmdOK->click();
        EXPECT_EQ(dialogs.DialogPage, -1) << c.page;
        delete help.data();
    }
}

TEST(HelpDialog, InformationWindowAndALateOverloadHintReleaseOnlyTheirOwnPage) {
    guidance::DialogState dialogs;
    for (const int how : {0, 1, 2}) { // ESC, button, frame: each releases the start
        dialogs = {0, true};
        QPointer<frmHelp> about = new frmHelp(dialogs);
        about->show();
        EXPECT_EQ(about->windowTitle(), QStringLiteral("Information"));
        EXPECT_FALSE(about->lblNormText->text().isEmpty());
        if (how == 0) QTest::keyClick(about, Qt::Key_Escape);
        if (how == 1) about->cmdOK->click();
        if (how == 2) about->close();
        EXPECT_FALSE(dialogs.AboutOpen) << how;
        EXPECT_EQ(dialogs.DialogPage, -1);
        delete about.data();
    }

    dialogs.DialogPage = 5;
    QPointer<frmHelp> hint = new frmHelp(dialogs);
    hint->show();
    dialogs.DialogPage = 23; // the next run's instructions are open and waited for
    hint->cmdOK->click();
    EXPECT_EQ(dialogs.DialogPage, 23);
    delete hint.data();
}

} // namespace

} // namespace terzlab::test
