#include "calib_fixture.h"

#include <QFile>

#include "support/wav_file.h"

#include <cmath>
#include <numbers>

namespace terzlab::test {

void writeSineWav(const QString& path, int period, const std::vector<double>& amplitudes) {
    std::vector<int16_t> samples(static_cast<size_t>(period) * 200 * 2);
    for (size_t i = 0; i < samples.size() / 2; ++i) {
        double x = 0.0;
        for (size_t h = 0; h < amplitudes.size(); ++h)
            x += amplitudes[h] *
                 std::sin(2.0 * std::numbers::pi * double(h + 1) * double(i) / period);
        samples[2 * i] = samples[2 * i + 1] = static_cast<int16_t>(std::lround(x * 32767.0));
    }
    writeWav(path.toStdString(), samples);
}

void CalibTest::SetUp() {
    ASSERT_TRUE(load());
    for (const char* name : {"Sin_1000_100.wav", "Sin_1000_010.wav"}) {
        const QString target = programFile(name);
        QFile::remove(target);
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(TERZLAB_BIN_DIR "/") + QString::fromLatin1(name), target));
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

QString CalibTest::programFile(const char* name) const {
    return filePath(QString::fromLatin1(name));
}

} // namespace terzlab::test
