#include "gui_fixture.h"

#include <QDataStream>
#include <QFile>

namespace terzlab::test {

namespace {

// A short 16-bit stereo noise WAV: enough for the bench to play, quick to write per test.
void writeStimulus(const QString& path) {
    const quint32 frames = 4096, rate = 44100;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + frames * 4);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << rate << rate * 4 << quint16(4) << quint16(16);
    out.writeRawData("data", 4);
    out << frames * 4;
    for (quint32 i = 0, seed = 1; i < frames * 2; ++i) {
        seed = seed * 1103515245u + 12345u;
        out << quint16((seed >> 16) & 0x3FFF);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void GuiTest::makeWindow(const audio::VirtualCardOptions& options, const app::Settings& settings) {
    window.reset(); // the window uses the card until it is gone
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"pseudo.wav", "pulse.wav", "multi.wav", "Stop.wav"})
        writeStimulus(folder.filePath(QString::fromLatin1(name)));
    card = audio::openVirtualCard(options);
    card->player->setProgramFolder(folder.path().toStdString());
    app::MainServices services;
    services.card = card.get();
    services.messages = &boxes;
    services.processes = &processes;
    services.keys = &keys;
    services.sleeper = &sleeper;
    services.dialogs = &dialogs;
    services.places = PortableLocations(folder.path().toStdString());
    services.screenWidth = [this] { return screenWidth; };
    services.openInstructions = [this] {
        instructionPages.push_back(dialogs.DialogPage);
        dialogs.DialogPage = -1;
    };
    services.openHelp = [this] {
        helpPages.push_back(dialogs.DialogPage);
        dialogs.DialogPage = -1;
    };
    window = std::make_unique<app::frmMain>(services, settings);
}

bool GuiTest::load(const audio::VirtualCardOptions& options, const app::Settings& settings) {
    makeWindow(options, settings);
    return window && window->Form_Load();
}

void GuiTest::expectLastBox(size_t count, const QString& text, const QString& title,
                            platform::MsgIcon icon) {
    ASSERT_EQ(boxes.boxes().size(), count) << qPrintable(text);
    EXPECT_EQ(boxes.boxes().back().text, text);
    EXPECT_EQ(boxes.boxes().back().title, title);
    EXPECT_EQ(boxes.boxes().back().icon, icon);
}

void GuiTest::TearDown() {
    window.reset();
    card.reset();
}

} // namespace terzlab::test
