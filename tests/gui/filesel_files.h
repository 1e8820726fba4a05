#pragma once
// Measurement and sensor files as the tests need them, written into the test's own folder.
#include <QString>

#include <string>

namespace terzlab::test {

// A whole measurement file as the program writes it: every band at `value`. Type 0 writes a
// level file, 3 an impedance file.
std::string measurementFile(const std::string& title, double value, int measType = 0);
void writeBytes(const QString& path, const std::string& bytes);
std::string readBytes(const QString& path);

} // namespace terzlab::test
