// The file dialog: which files it offers, how it saves and what a load does to the main window.
#include "filesel_files.h"
#include "gui_fixture.h"

#include <QDir>
#include <QFileInfo>

namespace terzlab::test {

namespace {

using platform::MsgAnswer;
namespace sel = app::sel;

const std::string kSensorHeader =
    "#This file contains sensor information to be used by Terzlab.exe";

class FileSelTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
    void TearDown() override {
        dialog.reset();
        GuiTest::TearDown();
    }

    app::frmSel& open(int16_t mode) {
        dialog = openFileDialog(*window, boxes, folderPath(), mode);
        return *dialog;
    }
    void measureType(int type) { platform::selectListIndex(window->cmbMeasType, type); }
    // Each row, or only its first `width` characters, without the padding.
    QStringList rows(int width = -1) const {
        QStringList texts;
        for (int row = 0; row < dialog->Liste1->count(); ++row)
            texts << dialog->Liste1->item(row)->text().left(width).trimmed();
        return texts;
    }
    void select(std::initializer_list<int> rowsToSelect) {
        for (int row : rowsToSelect)
            dialog->Liste1->item(row)->setSelected(true);
    }
    void save(const QString& typed) {
        open(sel::kSave).txtInfo[0]->setText(typed);
        dialog->cmdDisp_Click();
    }
    void putFixtureFiles() {
        put("pegel.oct", measurementFile("Pegel", 1.0));
        put("Vela_pegel.OCT", measurementFile("VP", 2.0));
        put("imp.oct", measurementFile("Imp", 8.0, 3));
        put("vela_imp.oct", measurementFile("VI", 6.0, 3));
        std::string blankFirstLine = measurementFile("Blank", 1.0);
        blankFirstLine.insert(blankFirstLine.find("\r\n"), " ");
        put("blank.oct", blankFirstLine);
        put("leer.oct", "");
        put("mikro.sen", kSensorHeader + "\r\nTitle\tMikro\r\n");
        put("blank.SEN", kSensorHeader + " \r\nTitle\tMikro\r\n");
        put("leer.sen", "");
    }

    std::unique_ptr<app::frmSel> dialog;
};

TEST_F(FileSelTest, SavingNamesTheFileAndNeverLosesAnOldOne) {
    save("Probe.OcT");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(QFileInfo::exists(filePath("Probe.OcT")));
    put("alt.oct", "alt");
    boxes.answerNext(MsgAnswer::No);
    save("alt");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(contents("alt.oct"), "alt");

    boxes.answerNext(MsgAnswer::Yes);
    save("alt");
    EXPECT_TRUE(contents("alt.oct").starts_with("#This file contains data created by Terzlab"));

    // A folder of that name cannot be replaced by a file: reported, and the dialog stays open.
    ASSERT_TRUE(QDir(folderPath()).mkdir("ordner.oct"));
    boxes.answerNext(MsgAnswer::Yes);
    save("ordner.oct");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(QFileInfo(filePath("ordner.oct")).isDir());
    expectBoxesAsGolden(); // the overwrite questions and the failed write
}

TEST_F(FileSelTest, OnlyFilesThatFitModeAndMeasurementAreListed) {
    putFixtureFiles();
    open(sel::kSave);
    EXPECT_EQ(rows(), (QStringList{"pegel.oct          Amp Pegel", "Vela_pegel.OCT     Amp VP"}));
    open(sel::kSensor);
    EXPECT_EQ(rows(18), (QStringList{"blank.SEN", "leer.sen", "mikro.sen"}));
    EXPECT_EQ(rows()[0].mid(19), "???");
    EXPECT_EQ(rows()[2].mid(19), "Sen Mikro");
    EXPECT_EQ(dialog->RowType, (std::vector<int16_t>{0, 0, 10}));

    measureType(meas::kImpedanceOneChannel);
    open(sel::kReference);
    EXPECT_EQ(rows(18), (QStringList{"pegel.oct", "Vela_pegel.OCT"}));
    open(sel::kComparison);
    EXPECT_EQ(rows(), (QStringList{"vela_imp.oct       Imp VI"}));
    open(sel::kSave);
    EXPECT_EQ(rows(18), (QStringList{"imp.oct", "vela_imp.oct"}));
    measureType(meas::kPulse);
    open(sel::kReference);
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(FileSelTest, ALongNameIsListedCutAndLoadedWhole) {
    const std::string title =
        "Referenz im Messraum, Mikrofon 1 m vor der Box, Raumecke links, Schaumstoffkeile";
    put("Referenzmessung_lang_2024.oct", measurementFile(title, 4.25));
    open(sel::kReference);
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(rows()[0].startsWith("Referenzmessung_la Amp Referenz im"));
    select({0});
    dialog->cmdDisp_Click();
    EXPECT_FALSE(dialog->isVisible());
    const StoredCurve& curve = window->dispOct().Curves[kReferenceSlot];
    EXPECT_EQ(curve.CurveFile, "Referenzmessung_lang_2024.oct");
    EXPECT_EQ(curve.CurveDir, folderPath().toStdString());
    EXPECT_EQ(curve.CurveTitle, title);
    EXPECT_EQ(curve.CurveAmp[0], 4.25f);
    QCheckBox* box = window->chkLoaded[kReferenceSlot];
    EXPECT_TRUE(box->isEnabled() && box->isChecked());
    EXPECT_EQ(box->text(), "R&eferenz: " + QString::fromStdString(title).left(60));
}

TEST_F(FileSelTest, InvalidRowsAreDroppedFromTheChoiceAndTheLastValidRowStays) {
    putFixtureFiles();
    open(sel::kSensor);
    select({0, 1});
    dialog->cmdDisp_Click();
    expectBoxesAsGolden(); // at least one valid file must be chosen
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->Liste1->selectedItems().isEmpty());
    EXPECT_EQ(window->dispOct().Curves[kSensorSlot].CurveLoaded, 0);

    open(sel::kComparison);
    ASSERT_EQ(rows(18), (QStringList{"Vela_pegel.OCT"}));
    put("Vela_zwei.oct", measurementFile("Zwei", 7.5));
    dialog->FillList();
    select({0, 1});
    dialog->cmdDisp_Click();
    const StoredCurve& curve = window->dispOct().Curves[kComparisonSlot];
    EXPECT_EQ(curve.CurveFile, "Vela_zwei.oct");
    EXPECT_EQ(curve.CurveAmp[10], 7.5f);
    EXPECT_EQ(window->chkLoaded[kComparisonSlot]->text(), "&Vergleich: Zwei");
}

TEST_F(FileSelTest, AFolderChangeIsRememberedAndAnUnreadableFolderIsReported) {
    ASSERT_TRUE(QDir(folderPath()).mkdir("sub"));
    put("sub/tief.oct", measurementFile("Tief", 1.0));
    open(sel::kSave);
    EXPECT_TRUE(rows().isEmpty());
    dialog->Dir1->setPath(filePath("sub"));
    EXPECT_EQ(rows(18), QStringList{"tief.oct"});
    dialog->cmdEsc_Click();
    open(sel::kReference);
    EXPECT_EQ(dialog->Dir1->path(), filePath("sub"));
    EXPECT_EQ(rows(18), QStringList{"tief.oct"});

    dialog->Dir1->setPath(filePath("fehlt"));
    expectLastBox(1, "Der Ordner " + filePath("fehlt") + " kann nicht gelesen werden!", "Fehler");
    EXPECT_EQ(dialog->Liste1->count(), 0);
}

TEST_F(FileSelTest, InfoFieldsFollowTheTypeHoldNumbersAndTheFileKeepsTwelfthOctaves) {
    measureType(meas::kImpedanceOneChannel);
    open(sel::kSave);
    EXPECT_EQ(dialog->cmbInfoTyp->currentIndex(), 2);
    EXPECT_EQ(dialog->lblInfo[2]->text(), "Rv [Ohm]:");
    EXPECT_FALSE(dialog->txtInfo[4]->isHidden());
    EXPECT_TRUE(dialog->txtInfo[5]->isHidden());
    EXPECT_EQ(dialog->txtInfo[1]->text(), "Beschreibung der Messung");
    dialog->txtInfo[2]->setText("4,7");
    EXPECT_TRUE(dialog->txtInfo_LostFocus(2));
    EXPECT_EQ(dialog->txtInfo[2]->text(), "4.7");
    dialog->txtInfo[0]->setText("tt");
    dialog->cmdDisp_Click();
    EXPECT_NE(contents("tt.oct").find("\t4.7"), std::string::npos);
    EXPECT_EQ(window->settings().InfoTexts[2][2], "4.7");

    open(sel::kReference);
    EXPECT_TRUE(dialog->cmbInfoTyp->isHidden());
    EXPECT_TRUE(dialog->txtInfo[0]->isHidden());
    measureType(meas::kLevelOneChannel);
    open(sel::kSave);
    EXPECT_EQ(dialog->cmbInfoTyp->currentIndex(), 0);
    dialog->cmbInfoTyp->setCurrentIndex(2);
    EXPECT_EQ(dialog->txtInfo[2]->text(), "4.7");

    // The file keeps the 1/12-octave values whatever resolution is shown: alternate bands 10 dB
    // apart stay apart in the file, where 1/3-octave smoothing would blend them.
    platform::selectListIndex(window->cmbFreqRes, 0);
    BandState& bands = window->bands();
    const int row = window->settings().ActiveChannel + 1;
    for (int band = 0; band <= bands.Table.LastBand; ++band)
        bands.Results(row, band) = band % 2 == 0 ? 1e-3 : 1e-4;
    window->run().MeasValid = true;
    save("drittel");
    const std::string file = contents("drittel.oct");
    EXPECT_NE(file.find("\t3.50\t"), std::string::npos);
    EXPECT_NE(file.find("\t-6.50\t"), std::string::npos);
    EXPECT_EQ(window->cmbFreqRes->currentIndex(), 0);
}

} // namespace

} // namespace terzlab::test
