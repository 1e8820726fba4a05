// What a user would trust after a run: the spectrum view and the save command show only what the
// last run analysed, a failed curve load leaves nothing behind, the controls of a type do not
// depend on the way to it, commands that change the measurement wait for the run; and the
// window's fixed texts against one golden file.
#include "app/frm_sel.h"
#include "filesel_files.h"
#include "gui_fixture.h"

#include "files/settings.h"
#include "guidance/instruction_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>

namespace terzlab::test {

namespace {

using platform::MsgAnswer;
namespace sel = app::sel;

constexpr int kTime = 0;
constexpr int kFrequency = 1;

std::string fixtureBytes(const char* name) {
    return readFile(std::string(TERZLAB_TEST_DATA "/") + name);
}

class ReviewTest : public GuiTest {
  protected:
    void TearDown() override {
        dialog.reset();
        GuiTest::TearDown();
    }
    void choose(QComboBox* list, int index) { platform::selectListIndex(list, index); }
    std::vector<bool> enabled(std::initializer_list<QObject*> controls) {
        std::vector<bool> out;
        for (QObject* c : controls)
            out.push_back(c->property("enabled").toBool());
        return out;
    }
    // Menu commands that change the measurement, then the save command.
    std::vector<bool> commands() {
        app::frmMain& w = *window;
        return enabled({w.mnuLevel->menuAction(), w.mnuXchan, w.mnuLoadCorr, w.mnuLoadRef,
                        w.mnuLoadComp, w.mnuFileSaveAs});
    }
    int curvePixels() {
        const QImage& image = window->picGraph->Surface().Image();
        const QColor curve = platform::ToQColor(window->run().CurveColour);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == curve;
        return count;
    }
    app::frmSel& openSel(int16_t mode) {
        window->selState().SelMode = mode;
        dialog = std::make_unique<app::frmSel>(*window, window->selState(), boxes, folderPath());
        dialog->Form_Load();
        dialog->show();
        return *dialog;
    }
    void loadFile(int16_t mode, const QString& name) {
        openSel(mode);
        for (int row = 0; row < dialog->Liste1->count(); ++row)
            if (dialog->Liste1->item(row)->text().startsWith(name + u' '))
                dialog->Liste1->item(row)->setSelected(true);
        dialog->cmdDisp_Click();
    }
    // The line of a saved measurement file's header that starts with the key.
    std::string savedLine(const std::string& key) {
        QFile::remove(filePath(QStringLiteral("kopf.oct")));
        openSel(sel::kSave).txtInfo[0]->setText(QStringLiteral("kopf.oct"));
        for (int field = 2; field < 6; ++field)
            dialog->txtInfo[field]->setText(QStringLiteral("1"));
        dialog->cmdDisp_Click();
        std::istringstream file(contents(QStringLiteral("kopf.oct")));
        for (std::string line; std::getline(file, line);)
            if (line.starts_with(key)) return line.substr(0, line.find('\r'));
        return "no line " + key;
    }
    // Mean of the band values with a value between the two frequencies.
    double meanBetween(double low, double high) {
        const BandState& bands = window->bands();
        double sum = 0.0;
        int count = 0;
        for (int b = 0; b <= bands.Table.LastBand; ++b)
            if (bands.Table.BandFreq[b] >= low && bands.Table.BandFreq[b] <= high &&
                std::abs(bands.BandValue[b]) < 500)
                sum += bands.BandValue[b], ++count;
        return count > 0 ? sum / count : NAN;
    }

    std::unique_ptr<app::frmSel> dialog;
};

// The spectrum view redraws the means of the last run and never feeds them a block again; a run
// watched in the time view or one whose device fell silent leaves nothing to show or save, and a
// new type starts from its own empty graph.
TEST_F(ReviewTest, SpectrumViewAndSaveShowOnlyWhatTheLastRunAnalysed) {
    for (const bool earlierFrequencyRun : {false, true}) {
        ASSERT_TRUE(load());
        const auto label = ::testing::Message() << "earlier frequency run " << earlierFrequencyRun;
        if (earlierFrequencyRun) {
            startRun(1);
            const std::vector<double> measured = window->bands().BandValue;
            for (int toggle = 0; toggle < 2; ++toggle) {
                choose(window->cmbDisplay, kTime);
                EXPECT_FALSE(window->mnuFileSaveAs->isEnabled());
                choose(window->cmbDisplay, kFrequency);
                EXPECT_EQ(window->bands().BandValue, measured) << "fed again";
                EXPECT_TRUE(window->mnuFileSaveAs->isEnabled());
                EXPECT_GT(curvePixels(), 100);
            }
            choose(window->cmbMeasType, 3);
            EXPECT_EQ(curvePixels(), 0) << "the level curve under the impedance type";
            choose(window->cmbMeasType, 0);
        }
        choose(window->cmbDisplay, kTime);
        startRun(0);
        const std::vector<double> before = window->bands().BandValue;
        for (int toggle = 0; toggle < 2; ++toggle) {
            choose(window->cmbDisplay, kFrequency);
            EXPECT_EQ(curvePixels(), 0) << label;
            EXPECT_FALSE(window->mnuFileSaveAs->isEnabled()) << label;
            EXPECT_EQ(window->bands().BandValue, before) << label;
            choose(window->cmbDisplay, kTime);
        }
    }
    audio::VirtualCardOptions options;
    options.goneAfterBlocks = true;
    options.blocksUntilGone = 4; // the settling block and two measured ones, then one more
    ASSERT_TRUE(load(options));
    startRun(1);
    ASSERT_TRUE(window->mnuFileSaveAs->isEnabled());
    startRun(0);
    EXPECT_EQ(boxes.boxes().back().text,
              QStringLiteral("Das Aufnahmegerät liefert keine Daten. Die Messung wurde "
                             "abgebrochen!"));
    EXPECT_FALSE(window->mnuFileSaveAs->isEnabled());
    EXPECT_EQ(curvePixels(), 0);
}

// Whichever type came before, a type starts with the same commands, boxes and axis.
TEST_F(ReviewTest, ATypeLooksTheSameWhateverTheTypeBefore) {
    ASSERT_TRUE(load());
    window->hooks.loadedCurveType = [](int slot) { return slot == 1 ? kCurveLevel : 0; };
    for (const int type : {0, 1, 3, 4}) {
        std::vector<std::vector<bool>> states;
        std::vector<std::tuple<int, int, int>> axes;
        for (const int before : {0, 1, 2, 3, 4}) {
            choose(window->cmbMeasType, 0);
            choose(window->cmbDisplay, kFrequency);
            choose(window->cmbMeasType, before); // the polarity type forces the time view
            choose(window->cmbMeasType, type);
            app::frmMain& w = *window;
            states.push_back(enabled({w.mnuLoadCorr, w.mnuLoadRef, w.mnuLoadComp, w.chkLoaded[0],
                                      w.chkLoaded[1], w.chkLoaded[2], w.cmbFreqRes, w.optChannel[0],
                                      w.mnuXchan, w.mnuLevel->menuAction()}));
            const AxisRange r = w.run().Range;
            axes.emplace_back(r.RangeTop, r.RangeBottom, r.RangeStep);
            EXPECT_EQ(states.back(), states.front()) << type << " after " << before;
            EXPECT_EQ(axes.back(), axes.front()) << type << " after " << before;
        }
    }
}

// During a run and while the calibration dialog drives one, nothing may change the type, the
// channels or the curves under it.
TEST_F(ReviewTest, CommandsThatChangeTheMeasurementWaitForTheRunAndTheCalibration) {
    ASSERT_TRUE(load());
    choose(window->cmbMeasType, 1);
    std::vector<std::vector<bool>> during;
    keys.onAsk = [this, &during] {
        if (window->isRunning()) during.push_back(commands());
        return false;
    };
    startRun(1);
    const std::vector<bool> none(6, false);
    ASSERT_EQ(during.size(), 2u);
    EXPECT_EQ(during.front(), none);
    EXPECT_EQ(commands(), std::vector<bool>(6, true));
    window->beginCalibration();
    EXPECT_EQ(commands(), none);
    EXPECT_FALSE(window->cmbMeasType->isEnabled() || window->cmdStart->isEnabled());
    window->endCalibration();
    EXPECT_EQ(commands(), (std::vector{true, true, true, true, true, false}));
    EXPECT_TRUE(window->cmbMeasType->isEnabled() && window->cmdStart->isEnabled());
}

// A file that cannot be read is reported once and leaves an empty slot; the header says "Yes"
// only for a curve that took part in the saved values.
TEST_F(ReviewTest, AFailedLoadLeavesAnEmptySlotAndTheHeaderNamesOnlyCurvesInUse) {
    ASSERT_TRUE(load());
    std::string twoFields = fixtureBytes("sen_flat_s10.SEN");
    twoFields.replace(twoFields.find("F [Hz]\t"), 7, "F [Hz] ");
    put(QStringLiteral("zwei.SEN"), twoFields);
    put(QStringLiteral("fallend.SEN"), fixtureBytes("sen_descending.SEN"));
    put(QStringLiteral("gut.SEN"), fixtureBytes("sen_flat_s10.SEN"));
    put(QStringLiteral("pegel.oct"), measurementFile("Pegel", 1.0));
    startRun(0);
    const std::string sensorLine = "Sensor Compensation Spectrum\t";
    const std::string referenceLine = "Reference Spectrum\t";
    QCheckBox* sensor = window->chkLoaded[kSensorSlot];
    for (const char* bad : {"zwei.SEN", "fallend.SEN"}) {
        loadFile(sel::kSensor, QStringLiteral("gut.SEN"));
        ASSERT_TRUE(sensor->isChecked());
        EXPECT_EQ(savedLine(sensorLine), sensorLine + "Yes\tgut.SEN");
        boxes.clear();
        loadFile(sel::kSensor, QString::fromLatin1(bad));
        ASSERT_EQ(boxes.boxes().size(), 1u) << bad;
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Fehler beim Einlesen"));
        EXPECT_FALSE(sensor->isChecked() || sensor->isEnabled()) << bad;
        EXPECT_EQ(sensor->text(), QStringLiteral("Sens&or:"));
        EXPECT_EQ(savedLine(sensorLine), sensorLine + "No\tNone") << bad;
    }
    loadFile(sel::kSensor, QStringLiteral("gut.SEN"));
    loadFile(sel::kReference, QStringLiteral("pegel.oct"));
    const struct {
        int type;
        const char* sensor;
        const char* reference;
    } cases[] = {{0, "Yes\tgut.SEN", "Yes\tpegel.oct"},
                 {4, "No\tNone", "Yes\tpegel.oct"},
                 {3, "No\tNone", "No\tNone"}};
    for (const auto& c : cases) {
        choose(window->cmbMeasType, c.type);
        EXPECT_TRUE(sensor->isChecked() && window->chkLoaded[kReferenceSlot]->isChecked());
        EXPECT_EQ(savedLine(sensorLine), sensorLine + c.sensor) << c.type;
        EXPECT_EQ(savedLine(referenceLine), referenceLine + c.reference) << c.type;
    }
}

// A settings file with every key, written by hand, starts the window with its values and comes
// back line for line.
TEST_F(ReviewTest, EveryStoredSettingStartsTheWindowAndIsKeptLineForLine) {
    const std::string fixture = fixtureBytes("def_every_key.def");
    app::Settings stored;
    ReadSettings(TERZLAB_TEST_DATA "/def_every_key.def", stored);
    EXPECT_EQ(SettingsFileText(stored), fixture);
    ASSERT_TRUE(load({}, stored));
    EXPECT_TRUE(window->mnuXchan->isChecked());
    EXPECT_TRUE(window->mnu48k->isChecked() && !window->mnuHelpShow->isChecked());
    EXPECT_TRUE(window->optChannel[0]->isChecked() && window->chkAvgType->isChecked());
    EXPECT_EQ(std::tuple(window->cmbMeasType->currentIndex(), window->cmbAvgCnt->currentIndex(),
                         window->cmbFreqRes->currentIndex()),
              std::tuple(1, 1, 1));
    EXPECT_EQ(SettingsFileText(window->settings()), fixture);
}

// Wired as the text of type 1 says (as its sketch, golden-checked with the texts, and the bench
// are wired), the transfer shows the loudspeaker upright: its bass falls off below the box
// resonance.
TEST_F(ReviewTest, TransferWiredAsItsTextSaysShowsTheDeviceUpright) {
    const std::string text = guidance::InstructionText({1, true, 0});
    const auto channelAfter = [&text](const char* signal) {
        const size_t at = text.find(signal);
        return text.substr(text.find(" Kanal", at) - 7, 7);
    };
    EXPECT_EQ(channelAfter("Anregungssignal"), "rechten");
    EXPECT_EQ(channelAfter("Antwortsignal"), " linken");
    ASSERT_TRUE(load());
    choose(window->cmbMeasType, 1);
    startRun(2);
    EXPECT_LT(meanBetween(20.0, 30.0), meanBetween(500.0, 2000.0) - 10.0);
}

// The exact texts of lists, menus, messages and colours that a user reads or a manual names.
std::string windowTexts(app::frmMain& w, platform::ScriptedMessageService& boxes,
                        const QString& folder) {
    QString doc;
    const auto shown = [](QString text) {
        return text.replace(QStringLiteral("\r\n"), "<CRLF>\n");
    };
    doc += "== lists\n";
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
    boxes.clear();
    boxes.answerNext(MsgAnswer::Cancel);
    w.mnuCalib_Click();
    DispOct store;
    const std::string data = TERZLAB_TEST_DATA;
    const auto loadData = [&](int slot, const char* name) {
        store.Curves[slot].CurveDir = data;
        store.Curves[slot].CurveFile = name;
        LoadCurve(store, slot, 134, boxes);
    };
    loadData(kComparisonSlot, "oct_word_in_line.OCT");
    loadData(kReferenceSlot, "sen_flat_s10.SEN");
    for (const platform::RecordedBox& box : boxes.boxes())
        doc += "[" + box.title + "] " + QString::number(static_cast<int>(box.icon)) + '\n' +
               shown(box.text).replace(QString::fromStdString(data), "<data>") + '\n';
    doc += "== file list heading\n";
    w.selState().SelMode = sel::kSensor;
    app::frmSel dialog(w, w.selState(), boxes, folder);
    doc += '[' + dialog.txtName->text() + "]\n";
    doc += "== curve colour by type, display, part: left right\n";
    for (int type = 0; type < 5; ++type)
        for (int display = 0; display < (type == 2 ? 1 : 2); ++display)
            for (int part = type == 3 ? 1 : 0; part <= (type == 3 ? 2 : 0); ++part) {
                platform::selectListIndex(w.cmbMeasType, type);
                platform::selectListIndex(w.cmbDisplay, display);
                w.run().ImpedancePart = static_cast<int16_t>(part);
                doc += QStringLiteral("%1 %2 %3:").arg(type).arg(display).arg(part);
                for (QRadioButton* channel : w.optChannel) {
                    platform::setChecked(channel, true);
                    w.GetActChan();
                    doc += QStringLiteral(" %1").arg(w.run().CurveColour, 6, 16, QChar(u'0'));
                }
                doc += '\n';
            }
    return doc.toStdString();
}

// TERZLAB_WRITE_GOLDEN=1 rewrites the file; a change to it is a change the user sees.
TEST_F(ReviewTest, WindowTextsReadAsTheGoldenFile) {
    ASSERT_TRUE(load());
    const std::string texts = windowTexts(*window, boxes, folderPath());
    const std::string golden = TERZLAB_TEST_DATA "/window_texts.txt";
    if (std::getenv("TERZLAB_WRITE_GOLDEN")) std::ofstream(golden, std::ios::binary) << texts;
    EXPECT_EQ(texts, fixtureBytes("window_texts.txt"));
}

} // namespace

} // namespace terzlab::test
