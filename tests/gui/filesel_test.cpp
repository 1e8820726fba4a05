// The file dialog: which files it offers, how it saves and what a load does to the main window;
// a failed load leaves nothing behind.
#include "filesel_files.h"
#include "gui_fixture.h"

#include <QDir>
#include <QFileInfo>

namespace terzlab::test {

namespace {

using platform::MsgAnswer;
namespace sel = app::sel;

class FileSelTest : public GuiTest {
  protected:
    void SetUp() override { ASSERT_TRUE(load()); }
    // The rows, each without the padding of its name column, joined by "|".
    std::string rows() const {
        QStringList texts;
        for (int row = 0; row < fileDialog->Liste1->count(); ++row)
            texts << fileDialog->Liste1->item(row)->text().simplified();
        return texts.join(u'|').toStdString();
    }
    // The files of the mode whose rows start with the names, chosen and loaded.
    void loadFiles(int16_t mode, std::initializer_list<const char*> names) {
        openFileDialog(mode);
        for (const char* name : names)
            for (QListWidgetItem* row : fileDialog->Liste1->findItems(name, Qt::MatchStartsWith))
                row->setSelected(true);
        fileDialog->cmdDisp_Click();
    }
    void save(const QString& typed) {
        openFileDialog(sel::kSave).txtInfo[0]->setText(typed);
        fileDialog->cmdDisp_Click();
    }
    // The sensor's and the reference's header lines of a saved measurement file, without keys.
    std::string savedCurveLines() {
        QDir(folderPath()).remove("kopf.oct");
        save("kopf");
        const std::string file = contents("kopf.oct");
        std::string lines;
        for (const std::string key :
             {"\nSensor Compensation Spectrum\t", "\nReference Spectrum\t"}) {
            const size_t at = file.find(key) + key.size();
            lines += file.substr(at, file.find('\r', at) - at) + ' ';
        }
        return lines;
    }
    void putFixtureFiles() {
        const std::string sensorHeader =
            "#This file contains sensor information to be used by Terzlab.exe";
        put("pegel.oct", measurementFile("Pegel", 1.0));
        put("Vela_pegel.OCT", measurementFile("VP", 2.0));
        put("imp.oct", measurementFile("Imp", 8.0, MeasType::ImpedanceOneChannel));
        put("vela_imp.oct", measurementFile("VI", 6.0, MeasType::ImpedanceOneChannel));
        std::string blankFirstLine = measurementFile("Blank", 1.0);
        blankFirstLine.insert(blankFirstLine.find("\r\n"), " ");
        put("blank.oct", blankFirstLine);
        put("leer.oct", "");
        put("mikro.sen", sensorHeader + "\r\nTitle\tMikro\r\n");
        put("blank.SEN", sensorHeader + " \r\nTitle\tMikro\r\n");
        put("leer.sen", "");
    }
};

// The questions before overwriting and the failed write into a folder are worded in
// gui_boxes.txt.
TEST_F(FileSelTest, SavingNamesTheFileAndNeverLosesAnOldOne) {
    const auto saved = [this](const char* typed, const QString& file) {
        save(typed);
        return std::to_string(fileDialog->isVisible()) + ' ' + contents(file).substr(0, 25);
    };
    const std::string written = "0 #This file contains data ";
    EXPECT_EQ(saved("Probe.OcT", "Probe.OcT"), written);
    put("alt.oct", "alt");
    boxes.answerNext(MsgAnswer::No);
    EXPECT_EQ(saved("alt", "alt.oct"), "0 alt");
    boxes.answerNext(MsgAnswer::Yes);
    EXPECT_EQ(saved("alt", "alt.oct"), written);
    // A folder of that name cannot be replaced by a file: reported, and the dialog stays open.
    ASSERT_TRUE(QDir(folderPath()).mkdir("ordner.oct"));
    boxes.answerNext(MsgAnswer::Yes);
    save("ordner.oct");
    EXPECT_TRUE(fileDialog->isVisible());
    EXPECT_TRUE(QFileInfo(filePath("ordner.oct")).isDir());
    expectBoxesAsGolden();
}

// Files that cannot be read are offered for a sensor only, marked "???".
TEST_F(FileSelTest, OnlyFilesThatFitModeAndMeasurementAreListed) {
    putFixtureFiles();
    const std::tuple<MeasType, int16_t, const char*> cases[] = {
        {MeasType::LevelOneChannel, sel::kSave, "pegel.oct Amp Pegel|Vela_pegel.OCT Amp VP"},
        {MeasType::LevelOneChannel, sel::kSensor, "blank.SEN ???|leer.sen ???|mikro.sen Sen Mikro"},
        {MeasType::ImpedanceOneChannel, sel::kReference,
         "pegel.oct Amp Pegel|Vela_pegel.OCT Amp VP"},
        {MeasType::ImpedanceOneChannel, sel::kComparison, "vela_imp.oct Imp VI"},
        {MeasType::ImpedanceOneChannel, sel::kSave, "imp.oct Imp Imp|vela_imp.oct Imp VI"},
        {MeasType::Pulse, sel::kReference, ""},
    };
    for (const auto& [type, mode, expected] : cases) {
        choose(window->cmbMeasType, IndexOf(type));
        openFileDialog(mode);
        EXPECT_EQ(rows(), expected) << IndexOf(type) << ' ' << mode;
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(FileSelTest, ALongNameIsListedCutAndLoadedWhole) {
    const std::string title =
        "Referenz im Messraum, Mikrofon 1 m vor der Box, Raumecke links, Schaumstoffkeile";
    put("Referenzmessung_lang_2024.oct", measurementFile(title, 4.25));
    openFileDialog(sel::kReference);
    EXPECT_EQ(rows(), "Referenzmessung_la Amp " + title);
    loadFiles(sel::kReference, {"Referenzmessung_la"});
    const StoredCurve& curve = window->dispOct().Curves[kReferenceSlot];
    QCheckBox* box = window->chkLoaded[kReferenceSlot];
    EXPECT_EQ(std::tuple(fileDialog->isVisible(), curve.CurveDir + '/' + curve.CurveFile,
                         curve.CurveTitle, curve.CurveAmp[0], box->isEnabled() && box->isChecked(),
                         box->text()),
              std::tuple(false, filePath("Referenzmessung_lang_2024.oct").toStdString(), title,
                         4.25f, true, "R&eferenz: " + QString::fromStdString(title).left(60)));
}

// The notice for a choice without a valid file is worded in gui_boxes.txt.
TEST_F(FileSelTest, InvalidRowsAreDroppedFromTheChoiceAndTheLastValidRowStays) {
    putFixtureFiles();
    loadFiles(sel::kSensor, {"blank.SEN", "leer.sen"});
    expectBoxesAsGolden();
    EXPECT_TRUE(fileDialog->isVisible());
    EXPECT_TRUE(fileDialog->Liste1->selectedItems().isEmpty());
    EXPECT_EQ(window->dispOct().Curves[kSensorSlot].CurveLoaded, 0);
    openFileDialog(sel::kComparison);
    ASSERT_EQ(rows(), "Vela_pegel.OCT Amp VP");
    put("Vela_zwei.oct", measurementFile("Zwei", 7.5));
    loadFiles(sel::kComparison, {"Vela_pegel.OCT", "Vela_zwei.oct"});
    const StoredCurve& curve = window->dispOct().Curves[kComparisonSlot];
    EXPECT_EQ(std::pair(curve.CurveFile, curve.CurveAmp[10]),
              std::pair(std::string("Vela_zwei.oct"), 7.5f));
    EXPECT_EQ(window->chkLoaded[kComparisonSlot]->text(), "&Vergleich: Zwei");
}

// A file that cannot be read is reported once and leaves an empty slot; the header says "Yes"
// only for a curve that took part in the saved values.
TEST_F(FileSelTest, AFailedLoadLeavesAnEmptySlotAndTheHeaderNamesOnlyCurvesInUse) {
    const std::string good = readFile(TERZLAB_TEST_DATA "/sen_flat_s10.SEN");
    std::string twoFields = good;
    twoFields.replace(twoFields.find("F [Hz]\t"), 7, "F [Hz] ");
    put("zwei.SEN", twoFields);
    put("fallend.SEN", readFile(TERZLAB_TEST_DATA "/sen_descending.SEN"));
    put("gut.SEN", good);
    put("pegel.oct", measurementFile("Pegel", 1.0));
    startRun(0);
    QCheckBox* sensor = window->chkLoaded[kSensorSlot];
    for (const char* bad : {"zwei.SEN", "fallend.SEN"}) {
        loadFiles(sel::kSensor, {"gut.SEN"});
        ASSERT_TRUE(sensor->isChecked());
        boxes.clear();
        loadFiles(sel::kSensor, {bad});
        EXPECT_EQ(std::tuple(boxes.boxes().size(), sensor->isChecked() || sensor->isEnabled(),
                             sensor->text().toStdString(), savedCurveLines()),
                  std::tuple(1u, false, "Sens&or:", "No\tNone No\tNone "))
            << bad;
    }
    loadFiles(sel::kSensor, {"gut.SEN"});
    loadFiles(sel::kReference, {"pegel.oct"});
    const std::pair<int, const char*> cases[] = {{0, "Yes\tgut.SEN Yes\tpegel.oct "},
                                                 {4, "No\tNone Yes\tpegel.oct "},
                                                 {3, "No\tNone No\tNone "}};
    for (const auto& [type, lines] : cases) {
        choose(window->cmbMeasType, type);
        EXPECT_EQ(std::pair(sensor->isChecked(), window->chkLoaded[kReferenceSlot]->isChecked()),
                  std::pair(true, true))
            << "sensor, reference";
        EXPECT_EQ(savedCurveLines(), lines) << type;
    }
}

// "Andere Datei ...": another tool's curve compares, a microphone's file is the sensor, and a
// saved measurement names it as it names a .SEN file.
TEST_F(FileSelTest, OtherFilesLoadAsComparisonAndAsSensor) {
    startRun(0);
    openFileDialog(sel::kComparison)
        .loadOtherFile(QStringLiteral(TERZLAB_TEST_DATA "/curve_frd_tabs_crlf_bom.frd"));
    EXPECT_EQ(window->chkLoaded[kComparisonSlot]->text().toStdString(),
              "&Vergleich: curve_frd_tabs_crlf_bom.frd");
    openFileDialog(sel::kSensor)
        .loadOtherFile(QStringLiteral(TERZLAB_TEST_DATA "/mic_sens_factor_line.txt"));
    EXPECT_TRUE(window->chkLoaded[kSensorSlot]->isChecked());
    EXPECT_EQ(savedCurveLines(), "Yes\tmic_sens_factor_line.txt No\tNone ");
}

TEST_F(FileSelTest, AFolderChangeIsRememberedAndAnUnreadableFolderIsReported) {
    ASSERT_TRUE(QDir(folderPath()).mkdir("sub"));
    put("sub/tief.oct", measurementFile("Tief", 1.0));
    openFileDialog(sel::kSave);
    EXPECT_EQ(rows(), "");
    fileDialog->Dir1->setPath(filePath("sub"));
    EXPECT_EQ(rows(), "tief.oct Amp Tief");
    fileDialog->cmdEsc_Click();
    openFileDialog(sel::kReference);
    EXPECT_EQ(fileDialog->Dir1->path(), filePath("sub"));
    EXPECT_EQ(rows(), "tief.oct Amp Tief");
    fileDialog->Dir1->setPath(filePath("fehlt"));
    expectBoxesAsGolden();
    EXPECT_EQ(rows(), "");
}

TEST_F(FileSelTest, InfoFieldsFollowTheTypeHoldNumbersAndFileAndExportKeepTwelfthOctaves) {
    choose(window->cmbMeasType, IndexOf(MeasType::ImpedanceOneChannel));
    openFileDialog(sel::kSave);
    EXPECT_EQ(QString::number(fileDialog->cmbInfoTyp->currentIndex()) + ' ' +
                  fileDialog->lblInfo[2]->text() + ' ' + fileDialog->txtInfo[1]->text(),
              "2 Rv [Ohm]: Beschreibung der Messung");
    EXPECT_EQ(std::pair(fileDialog->txtInfo[4]->isHidden(), fileDialog->txtInfo[5]->isHidden()),
              std::pair(false, true))
        << "fields 4, 5 hidden";
    fileDialog->txtInfo[2]->setText("4,7");
    EXPECT_TRUE(fileDialog->txtInfo_LostFocus(2));
    fileDialog->txtInfo[0]->setText("tt");
    fileDialog->cmdDisp_Click();
    EXPECT_NE(contents("tt.oct").find("\t4.7"), std::string::npos);
    EXPECT_EQ(window->settings().InfoTexts[2][2], "4.7");
    openFileDialog(sel::kReference);
    EXPECT_EQ(std::pair(fileDialog->cmbInfoTyp->isHidden(), fileDialog->txtInfo[0]->isHidden()),
              std::pair(true, true))
        << "the info type and the name hidden";
    choose(window->cmbMeasType, IndexOf(MeasType::LevelOneChannel));
    openFileDialog(sel::kSave);
    EXPECT_EQ(fileDialog->cmbInfoTyp->currentIndex(), 0);
    fileDialog->cmbInfoTyp->setCurrentIndex(2);
    EXPECT_EQ(fileDialog->txtInfo[2]->text(), "4.7");

    // The file keeps the 1/12-octave values whatever resolution is shown: alternate bands 10 dB
    // apart stay apart in the file, where 1/3-octave smoothing would blend them.
    choose(window->cmbFreqRes, 0);
    BandState& bands = window->bands();
    const int row = window->settings().ActiveChannel + 1;
    for (int band = 0; band <= bands.Table.LastBand; ++band)
        bands.Results(row, band) = band % 2 == 0 ? 1e-3 : 1e-4;
    window->run().MeasValid = true;
    save("drittel");
    const std::string file = contents("drittel.oct");
    EXPECT_NE(file.find("\t3.50\t"), file.npos);
    EXPECT_NE(file.find("\t-6.50\t"), file.npos);
    EXPECT_EQ(window->cmbFreqRes->currentIndex(), 0);
    // An export from the window holds the file's band lines.
    window->exportMeasurementTo(filePath("drittel.frd"));
    const std::string lines = file.substr(file.find("Phase [\xF8]\r\n") + 11);
    const std::string exported = contents("drittel.frd");
    EXPECT_EQ(exported.substr(exported.size() - std::min(lines.size(), exported.size())), lines);
}

} // namespace

} // namespace terzlab::test
