#pragma once
// A small Levenberg-Marquardt minimiser of a sum of squared residuals, for the few-parameter
// model fits of the analysis. The Jacobian is taken by central differences, so parameters are
// best given on a scale near 1 (logarithms of positive quantities).
#include <functional>
#include <span>
#include <vector>

namespace terzlab {

// Fills the residuals for the parameters; the count must not change between calls.
using ResidualFunction = std::function<void(std::span<const double> x, std::vector<double>& r)>;

struct LeastSquaresResult {
    std::vector<double> X;
    double Cost = 0.0; // sum of squared residuals at X
    bool Converged = false;
};

// `lower` holds a lower bound per parameter (empty: none); steps are cut back onto it.
LeastSquaresResult MinimiseSquares(const ResidualFunction& residuals, std::vector<double> start,
                                   const std::vector<double>& lower = {}, int maxIterations = 200);

} // namespace terzlab
