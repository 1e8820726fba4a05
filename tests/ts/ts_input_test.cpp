// terzlab-ts on a ZMA measured elsewhere: read at the file's own points and fitted.
#include "analysis/thiele_small.h"
#include "support/temp_folder.h"
#include "ts/ts_run.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <numbers>
#include <sstream>

namespace terzlab::test {
namespace {

TEST(TsInput, AZmaOfAnotherToolIsFittedAtItsOwnPoints) {
    TempFolder dir;
    const DriverModel driver{.Re = 6.2, .Le = 0.0005, .Fs = 38.0, .Qms = 4.0, .Qes = 0.45};
    std::string zma = "* woofer, 1 % steps\r\n";
    for (double f = 5.0; f < 2000.0; f *= 1.01) {
        const std::complex<double> z = driver.Impedance(f);
        zma += std::to_string(f) + ' ' + std::to_string(std::abs(z)) + ' ' +
               std::to_string(std::arg(z) * 180.0 / std::numbers::pi) + "\r\n";
    }
    ASSERT_TRUE(writeFile(dir.path() / "w.zma", zma));
    std::ostringstream out, err;
    ASSERT_EQ(ts::RunTs(dir.args("@w.zma"), out, err), ts::kExitOk) << err.str();
    const std::string first = out.str().substr(0, out.str().find('\n')); // fs=...
    EXPECT_NEAR(std::stod(first.substr(first.find('=') + 1)), 38.0, 0.2) << out.str();
}

} // namespace
} // namespace terzlab::test
