// One QApplication for all cases, on the offscreen platform with a private runtime folder that
// goes with the process, so that the binary runs alone as well as under ctest (else Qt makes
// /tmp/runtime-USER, which stays behind, already when CTest lists the cases).
#include "support/temp_folder.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const terzlab::test::TempFolder runtime; // mkdtemp's 0700 is what Qt asks of it
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
