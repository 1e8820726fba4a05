// The instruction and help dialogs on their own: series resistor, keys, closing, the wiring
// sketch and every help page.
#include "app/dialog_state.h"
#include "app/main_state.h"
#include "display/recording_picture.h"
#include "guidance/frm_help.h"
#include "guidance/frm_meas.h"
#include "guidance/wiring_sketch.h"
#include "platform/qt_picture.h"

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
        settings.MeasTypeIndex = static_cast<int16_t>(type);
        dialogs.DialogPage = static_cast<int16_t>(page);
        dialog = new frmMeas(dialogs, settings, run);
        dialog->show();
        return dialog;
    }
    void TearDown() override { delete dialog.data(); }

    app::DialogState dialogs;
    app::Settings settings;
    app::RunState run;
    QPointer<frmMeas> dialog;
};

TEST_F(MeasDialogTest, ResistorOutsideItsRangeKeepsTheDialogWithTheFocusInTheField) {
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
}

TEST_F(MeasDialogTest, LimitsOfTheResistorAreAcceptedAndStored) {
    for (const auto& [text, value] : {std::pair{"0.1", 0.1f}, std::pair{"100", 100.0f}}) {
        open(3, 23);
        dialog->txtValue->setText(QString::fromLatin1(text));
        dialog->cmdOK->click();
        EXPECT_FLOAT_EQ(settings.SeriesResistor, value);
        EXPECT_EQ(dialogs.DialogPage, -1);
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

TEST_F(MeasDialogTest, ClosingConfirmsAndLevelTypesIgnoreTheField) {
    open(0, 20);
    dialog->txtValue->setText(QStringLiteral("0"));
    EXPECT_TRUE(dialog->close());
    EXPECT_EQ(dialogs.DialogPage, -1);
    EXPECT_FLOAT_EQ(settings.SeriesResistor, 10.0f);
    open(4, 24);
    dialog->txtValue->setText(QStringLiteral("8,2"));
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(dialogs.DialogPage, -1);
    EXPECT_FLOAT_EQ(settings.SeriesResistor, 8.2f);
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
    delete dialog.data();
    open(0, 7);
    EXPECT_EQ(dialog->lblMain->text(), QStringLiteral("Verkabelung:"));
    EXPECT_FALSE(dialog->txtValue->isVisible());
}

TEST_F(MeasDialogTest, CheckBoxesRedrawTheSketch) {
    open(4, 24);
    const QImage plain = dialog->sketch().Image().copy();
    dialog->chkImp->click();
    const QImage swappedParts = dialog->sketch().Image().copy();
    EXPECT_NE(swappedParts, plain);
    dialog->chkImp->click();
    EXPECT_EQ(dialog->sketch().Image(), plain);
    dialog->chkXchan->click();
    EXPECT_NE(dialog->sketch().Image(), plain);
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

TEST_F(SketchTest, TwoChannelImpedanceShowsEveryPartAndSwapsAsTheBoxesSay) {
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
}

TEST_F(SketchTest, OneChannelImpedancePutsTheMeasuredPartOnGround) {
    draw({3, true, 1, false, false}, "");
    EXPECT_GT(yOf("Rvor"), yOf("Testobjekt")) << "part 1 measures over Rvor";
    draw({3, true, 2, false, false}, "");
    EXPECT_LT(yOf("Rvor"), yOf("Testobjekt")) << "part 2 measures over the test object";
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

// The help dialog's pages.
struct PageCase {
    int page;
    bool lowSine;
    const char* caption;
    const char* text;
    const char* button;
};

class HelpPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(HelpPageTest, CaptionTextAndButton) {
    const PageCase& c = GetParam();
    app::DialogState dialogs;
    dialogs.DialogPage = static_cast<int16_t>(c.page);
    QPointer<frmHelp> help = new frmHelp(dialogs, nullptr, c.lowSine);
    help->show();
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8(c.caption));
    const QString shown = help->lblBigText->text() + help->lblNormText->text();
    EXPECT_EQ(shown, QString::fromUtf8(c.text));
    EXPECT_EQ(help->cmdOK->text(), QString::fromUtf8(c.button));
    help->cmdOK->click();
    EXPECT_EQ(dialogs.DialogPage, -1);
    delete help.data();
}

constexpr const char* kCd = "Manueller Start des Testsignals";

INSTANTIATE_TEST_SUITE_P(
    Pages, HelpPageTest,
    ::testing::Values(
        PageCase{1, false, "Generelle Hinweise",
                 "Die Liste der verfügbaren\nAufnahme- und Wiedergabegeräte\nwird nur während "
                 "des Programmstarts ermittelt\n-> ggf. Programm neu starten!\n\nZur Wiedergabe "
                 "kann nur das Standardgerät verwendet werden\n(oberste Position in der "
                 "Geräteliste)",
                 "OK"},
        PageCase{5, false, "Warnung", "Messung übersteuert!", "OK"},
        PageCase{10, false, kCd,
                 "Bitte starten Sie das Pseudo-Rauschen\nvon der Mess-CD!\n\nSpezifikation: "
                 "16384 Werte\nZeitfenster: nein",
                 "Messung &Start"},
        PageCase{11, false, kCd,
                 "Bitte starten Sie das Zufalls-Rauschen\nvon der Mess-CD!\n\nSpezifikation: "
                 "beliebig\nZeitfenster: Hanning",
                 "Messung &Start"},
        PageCase{12, false, kCd,
                 "Bitte starten Sie die Pulsfolge\nvon der Mess-CD\n\nSpezifikation: 8192 "
                 "Werte, davon 256 ON\nZeitfenster: nein",
                 "Messung &Start"},
        PageCase{13, false, kCd,
                 "Bitte starten Sie das Multi-Sinus-Signal\nvon der Mess-CD\n\nSpezifikation: "
                 "65536 Werte\nZeitfenster: nein",
                 "Messung &Start"},
        PageCase{14, false, kCd,
                 "Bitte starten Sie das Multi-Sinus-Signal\nvon der Mess-CD\n\nSpezifikation: "
                 "65536 Werte\nZeitfenster: nein",
                 "Messung &Start"},
        PageCase{15, true, "Manueller Start des Kalibriersignals",
                 "Bitte starten Sie das Sinus-Signal\nvon der Mess-CD\n\nFrequenz: 50 "
                 "Hz\nAnalyse: 16384 Werte\nZeitfenster: ja",
                 "OK"},
        PageCase{15, false, "Manueller Start des Kalibriersignals",
                 "Bitte starten Sie das Sinus-Signal\nvon der Mess-CD\n\nFrequenz: 1000 "
                 "Hz\nAnalyse: 16384 Werte\nZeitfenster: ja",
                 "OK"},
        PageCase{7, false, "Hinweis", "", "OK"}, PageCase{25, false, "Hinweis", "", "OK"}));

TEST(HelpDialog, InformationWindowReleasesTheStartOnlyOnce) {
    app::DialogState dialogs;
    dialogs.DialogPage = 0;
    dialogs.AboutOpen = true;
    QPointer<frmHelp> about = new frmHelp(dialogs);
    about->show();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Information"));
    EXPECT_FALSE(about->lblNormText->text().isEmpty());
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(dialogs.AboutOpen);
    EXPECT_EQ(dialogs.DialogPage, -1);
    delete about.data();
}

TEST(HelpDialog, LateCloseOfTheOverloadHintLeavesAnotherDialogsPage) {
    app::DialogState dialogs;
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
