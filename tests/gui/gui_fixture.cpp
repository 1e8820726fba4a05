#include "gui_fixture.h"

#include "support/wav_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace terzlab::test {

namespace {

constexpr const char* kStimuli[] = {"pseudo.wav", "pulse.wav", "multi.wav", "Stop.wav"};

// A short 16-bit stereo noise WAV: enough for the bench to play, quick to write per test.
void writeStimulus(const QString& path) {
    std::vector<int16_t> samples(4096 * 2);
    quint32 seed = 1;
    for (int16_t& sample : samples) {
        seed = seed * 1103515245u + 12345u;
        sample = static_cast<int16_t>((seed >> 16) & 0x3FFF);
    }
    writeWav(path.toStdString(), samples);
}

} // namespace

void GuiTest::makeWindow(const audio::VirtualCardOptions& options, const app::Settings& settings) {
    fileDialog.reset(); // it belongs to the window
    window.reset();     // the window uses the card until it is gone
    for (const char* name : kStimuli)
        writeStimulus(filePath(QString::fromLatin1(name)));
    card = audio::openVirtualCard(options);
    card->player->setProgramFolder(folderPath().toStdString());
    app::MainServices services{.card = card.get(),
                               .messages = &boxes,
                               .keys = &keys,
                               .scheduler = &scheduler,
                               .dialogs = &dialogs,
                               .places = PortableLocations(folderPath().toStdString()),
                               .screenWidth = [this] { return screenWidth; },
                               .processes = &processes};
    // The page asked for is recorded and released at once, as if the dialog were closed.
    auto record = [this](std::vector<int>& pages) {
        return [this, &pages] { pages.push_back(std::exchange(dialogs.DialogPage, -1)); };
    };
    if (!realDialogs) {
        services.openInstructions = record(instructionPages);
        services.openHelp = record(helpPages);
    }
    window = std::make_unique<app::frmMain>(services, settings);
}

void GuiTest::useProgramStimuli(std::initializer_list<const char*> names) {
    const QDir bin(QStringLiteral(TERZLAB_BIN_DIR));
    std::vector<const char*> chosen(names);
    if (chosen.empty()) chosen.assign(std::begin(kStimuli), std::end(kStimuli));
    for (const char* name : chosen) {
        const QString target = filePath(QString::fromLatin1(name));
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(bin.filePath(QString::fromLatin1(name)), target)) << name;
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

void GuiTest::loadWithProgramStimuli(const app::Settings& settings) {
    makeWindow({}, settings);
    useProgramStimuli();
    ASSERT_TRUE(window->Form_Load());
}

bool GuiTest::load(const audio::VirtualCardOptions& options, const app::Settings& settings) {
    makeWindow(options, settings);
    return window && window->Form_Load();
}

void GuiTest::expectBoxesAsGolden() {
    constexpr const char* kIcons[] = {"-", "Exclamation", "Question", "Information", "Critical"};
    QString shown;
    for (const platform::RecordedBox& box : boxes.boxes())
        shown += QStringLiteral("[%1] %2\n%3\n")
                     .arg(box.title, kIcons[static_cast<int>(box.icon)], box.text);
    shown.replace(folderPath(), "<folder>");
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string heading =
        std::string("== ") + test->test_suite_name() + '.' + test->name() + '\n';
    const std::string path = TERZLAB_TEST_DATA "/gui_boxes.txt";
    std::string golden = readFile(path);
    const size_t begin = std::min(golden.find(heading), golden.size());
    const size_t body = std::min(begin + heading.size(), golden.size());
    const size_t next = golden.find("\n== ", body - 1); // an empty section ends at once
    const size_t end = next == std::string::npos ? golden.size() : next + 1;
    const std::string expected = begin < golden.size() ? golden.substr(body, end - body) : "-";
    const std::string text = showLineEnds(shown.toStdString());
    if (std::getenv("TERZLAB_WRITE_GOLDEN"))
        writeFile(path, golden.replace(begin, end - begin, heading + text));
    else
        EXPECT_EQ(text, expected) << heading;
}

void GuiTest::startRun(int avgIndex, bool stopMode) {
    platform::selectListIndex(window->cmbAvgCnt, avgIndex);
    platform::setChecked(window->chkAvgType, stopMode);
    window->cmdStart->click();
}

void GuiTest::recordCaptions(int escAt) {
    keys.onAsk = [this, escAt] {
        if (!window->isRunning()) return false; // the discard at the start of a run
        captions.push_back(window->cmdStart->text());
        return escAt > 0 && static_cast<int>(captions.size()) == escAt;
    };
}

void GuiTest::expectIdle() {
    EXPECT_EQ(window->cmdStart->text(), "&Starte Messung");
    EXPECT_EQ(enabledNames({window->cmdStart, window->cmbMeasType, window->chkAvgType}),
              "cmdStart cmbMeasType chkAvgType");
    EXPECT_EQ(window->run().CaptureHandle, 0);
    EXPECT_FALSE(card->capture->isOpen());
}

void GuiTest::TearDown() {
    fileDialog.reset(); // before the window it belongs to
    window.reset();     // before the card it uses
    card.reset();
}

std::string enabledNames(std::initializer_list<QObject*> controls) {
    QStringList names;
    for (QObject* control : controls) {
        const auto* action = qobject_cast<QAction*>(control);
        const QObject* named = action && action->menu() ? action->menu() : control;
        if (control->property("enabled").toBool()) names << named->objectName();
    }
    return names.join(u' ').toStdString();
}

int countPixels(const QImage& image, const std::function<bool(QColor)>& counts) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += counts(image.pixelColor(x, y));
    return count;
}

void moveMouse(QWidget* widget, QPointF at) {
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

int curvePixels(app::frmMain& window, std::optional<Colour> colour) {
    const QColor curve = platform::ToQColor(colour.value_or(window.run().CurveColour));
    return countPixels(window.picGraph->Surface().Image(),
                       [curve](QColor pixel) { return pixel == curve; });
}

app::frmSel& GuiTest::openFileDialog(int16_t mode) {
    window->selState().SelMode = mode;
    fileDialog = std::make_unique<app::frmSel>(*window, window->selState(), boxes, folderPath());
    fileDialog->Form_Load();
    fileDialog->show();
    return *fileDialog;
}

void expectGoldenFile(const char* name, const std::string& text) {
    const std::string path = std::string(TERZLAB_TEST_DATA "/") + name;
    if (std::getenv("TERZLAB_WRITE_GOLDEN")) writeFile(path, text);
    EXPECT_EQ(text, readFile(path));
}

std::string showLineEnds(std::string text) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, "<CRLF>\n");
    return text;
}

} // namespace terzlab::test
