#include "filesel_files.h"

#include "files/disp_oct.h"
#include "files/measurement_writer.h"

#include <QFile>

#include <gtest/gtest.h>

namespace terzlab::test {

std::string measurementFile(const std::string& title, double value, int measType) {
    BandState bands;
    bands.Table.LastBand = 134;
    for (int band = 0; band <= 135; ++band)
        bands.Table.BandFreq.push_back(NominalBandFreq(band));
    bands.BandValue.assign(135, value);
    MeasurementHeader header;
    header.Title = title;
    header.MeasTypeIndex = static_cast<int16_t>(measType);
    return MeasurementFileText(header, bands);
}

void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

} // namespace terzlab::test
