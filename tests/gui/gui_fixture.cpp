#include "gui_fixture.h"

#include <QFile>

#include <cstring>
#include <vector>

namespace terzlab::test {

void writeStimulus(const QString& path, uint32_t sampleRate) {
    const uint32_t frames = 4096;
    const uint32_t dataBytes = frames * 4;
    std::vector<char> bytes(44 + dataBytes, 0);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
    auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&bytes[at], &v, 2); };
    std::memcpy(&bytes[0], "RIFF", 4);
    put32(4, 36 + dataBytes);
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 2);
    put32(24, sampleRate);
    put32(28, sampleRate * 4);
    put16(32, 4);
    put16(34, 16);
    std::memcpy(&bytes[36], "data", 4);
    put32(40, dataBytes);
    uint32_t seed = 1;
    for (uint32_t i = 0; i < frames * 2; ++i) {
        seed = seed * 1103515245u + 12345u;
        put16(44 + 2 * i, static_cast<uint16_t>((seed >> 16) & 0x3FFF));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

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
    services.programFolder = folder.path().toStdString();
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
