// The settings file and the stored curves between one program start and the next.
#include "app/start.h"
#include "filesel_files.h"
#include "gui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>

namespace terzlab::test {

namespace {

using platform::MsgAnswer;

class SettingsFileTest : public GuiTest {
  protected:
    QString settingsPath() const { return filePath(QStringLiteral("Terzlab.def")); }
};

TEST_F(SettingsFileTest, SettingsAndCurvesSurviveStartAndUnload) {
    const QString reference = filePath(QStringLiteral("Bezug.oct"));
    writeBytes(reference, measurementFile("Bezug", 1.5));
    writeBytes(settingsPath(), "Fsample=48000\r\nCalibrationValueRightChannel=1.5\r\n"
                               "SensorCompFile=" +
                                   filePath(QStringLiteral("weg.sen")).toStdString() +
                                   "\r\nRefMeasFile=" + reference.toStdString() +
                                   "\r\nFileDescriptionMic=Box\t\t100\r\n");
    boxes.answerNext(MsgAnswer::No);
    const app::Settings start = app::startSettings(settingsPath().toStdString(), boxes);
    ASSERT_EQ(boxes.boxes().size(), 1u); // the calibration question, worded in the files tests
    EXPECT_EQ(start.CalibValue[1], 0.0);
    EXPECT_EQ(start.SampleRate, 48000);

    makeWindow({}, start);
    app::loadStoredCurves(*window, start, boxes);
    ASSERT_EQ(boxes.boxes().size(), 2u); // the sensor file that is gone
    EXPECT_TRUE(boxes.boxes()[1].text.contains(QStringLiteral("weg.sen")));
    ASSERT_TRUE(window->Form_Load());
    EXPECT_TRUE(window->mnu48k->isChecked() && window->chkLoaded[kReferenceSlot]->isChecked());
    EXPECT_EQ(window->chkLoaded[kReferenceSlot]->text(), QStringLiteral("R&eferenz: Bezug"));
    EXPECT_FALSE(window->chkLoaded[kSensorSlot]->isChecked());
    EXPECT_EQ(window->dispOct().Curves[kReferenceSlot].CurveAmp[0], 1.5f);

    window->settings().InfoTexts[0][1] = "Nahfeld";
    window->Form_Unload();
    EXPECT_EQ(boxes.boxes().size(), 2u);
    Settings stored;
    ReadSettings(settingsPath().toStdString(), stored);
    EXPECT_EQ(std::pair(stored.SampleRate, stored.CalibValue[1]), std::pair(48000, 0.0));
    EXPECT_EQ(stored.CurveFiles, (std::array<std::string, 3>{"", reference.toStdString(), ""}));
    EXPECT_EQ(stored.InfoTexts[1][2], "100");
    EXPECT_EQ(stored.InfoTexts[0][1], "Nahfeld");
}

TEST_F(SettingsFileTest, AFailedSettingsWriteIsReportedOnceAtUnload) {
    ASSERT_TRUE(load());
    ASSERT_TRUE(QDir(folderPath()).mkdir(QStringLiteral("Terzlab.def")));
    window->Form_Unload();
    window->close();
    expectLastBox(1,
                  QStringLiteral("Die Datei ") + settingsPath() +
                      QStringLiteral(" konnte nicht geschrieben werden!"),
                  QStringLiteral("Fehler"));
}

} // namespace

} // namespace terzlab::test
