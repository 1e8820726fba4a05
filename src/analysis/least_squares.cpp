#include "analysis/least_squares.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace terzlab {
namespace {

constexpr double kDiffStep = 1e-6;
constexpr double kMaxDamping = 1e12;
constexpr double kRelativeTolerance = 1e-9;
constexpr double kStepTolerance = 1e-8;

using Matrix = std::vector<std::vector<double>>;

double SumOfSquares(const std::vector<double>& r) {
    double sum = 0.0;
    for (const double v : r)
        sum += v * v;
    return sum;
}

// Column j of the Jacobian, d r / d x_j.
Matrix Jacobian(const ResidualFunction& f, std::vector<double> x, std::size_t m) {
    Matrix jac(x.size(), std::vector<double>(m));
    std::vector<double> up, down;
    for (std::size_t j = 0; j < x.size(); ++j) {
        const double keep = x[j];
        x[j] = keep + kDiffStep;
        f(x, up);
        x[j] = keep - kDiffStep;
        f(x, down);
        x[j] = keep;
        for (std::size_t i = 0; i < m; ++i)
            jac[j][i] = (up[i] - down[i]) / (2.0 * kDiffStep);
    }
    return jac;
}

// Solves a x = b by Gaussian elimination with partial pivoting; false when singular.
bool Solve(Matrix a, std::vector<double> b, std::vector<double>& x) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (a[pivot][c] == 0.0 || !std::isfinite(a[pivot][c])) return false;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double k = a[r][c] / a[c][c];
            for (std::size_t k2 = c; k2 < n; ++k2)
                a[r][k2] -= k * a[c][k2];
            b[r] -= k * b[c];
        }
    }
    x.assign(n, 0.0);
    for (std::size_t c = n; c-- > 0;) {
        double sum = b[c];
        for (std::size_t k = c + 1; k < n; ++k)
            sum -= a[c][k] * x[k];
        x[c] = sum / a[c][c];
    }
    return true;
}

struct Normal {
    Matrix A;              // J^T J
    std::vector<double> G; // J^T r
};

Normal NormalEquations(const Matrix& jac, const std::vector<double>& r) {
    const std::size_t n = jac.size();
    Normal ne{Matrix(n, std::vector<double>(n)), std::vector<double>(n)};
    for (std::size_t p = 0; p < n; ++p) {
        for (std::size_t q = 0; q <= p; ++q) {
            double sum = 0.0;
            for (std::size_t i = 0; i < r.size(); ++i)
                sum += jac[p][i] * jac[q][i];
            ne.A[p][q] = ne.A[q][p] = sum;
        }
        for (std::size_t i = 0; i < r.size(); ++i)
            ne.G[p] += jac[p][i] * r[i];
    }
    return ne;
}

// The damped step; a parameter the residuals do not feel still gets a finite one, and one that
// sits on its bound with the descent pointing beyond stays where it is.
bool DampedStep(const Normal& ne, double damping, const std::vector<bool>& held,
                std::vector<double>& step) {
    double largest = 0.0;
    for (std::size_t p = 0; p < ne.A.size(); ++p)
        largest = std::max(largest, ne.A[p][p]);
    Matrix a = ne.A;
    std::vector<double> minusG(ne.G.size());
    for (std::size_t p = 0; p < a.size(); ++p) {
        a[p][p] += damping * (ne.A[p][p] + 1e-9 * largest);
        minusG[p] = held[p] ? 0.0 : -ne.G[p];
        for (std::size_t q = 0; held[p] && q < a.size(); ++q)
            a[p][q] = a[q][p] = p == q ? 1.0 : 0.0;
    }
    return Solve(std::move(a), std::move(minusG), step);
}

std::vector<bool> Held(const Normal& ne, const std::vector<double>& x,
                       const std::vector<double>& lower) {
    std::vector<bool> held(x.size(), false);
    for (std::size_t p = 0; p < x.size() && !lower.empty(); ++p)
        held[p] = x[p] <= lower[p] && ne.G[p] > 0.0;
    return held;
}

} // namespace

LeastSquaresResult MinimiseSquares(const ResidualFunction& residuals, std::vector<double> start,
                                   const std::vector<double>& lower, int maxIterations) {
    LeastSquaresResult out{std::move(start), 0.0, false};
    std::vector<double> r, trialR, step;
    residuals(out.X, r);
    out.Cost = SumOfSquares(r);
    if (!std::isfinite(out.Cost)) return out;
    double damping = 1e-3;
    for (int it = 0; it < maxIterations; ++it) {
        const Normal ne = NormalEquations(Jacobian(residuals, out.X, r.size()), r);
        const std::vector<bool> held = Held(ne, out.X, lower);
        bool accepted = false;
        while (!accepted && damping < kMaxDamping) {
            if (!DampedStep(ne, damping, held, step)) return out;
            std::vector<double> trial = out.X;
            double largestStep = 0.0;
            for (std::size_t p = 0; p < trial.size(); ++p) {
                const double moved = trial[p] + step[p];
                const double bounded = lower.empty() ? moved : std::max(moved, lower[p]);
                largestStep = std::max(largestStep, std::fabs(bounded - trial[p]));
                trial[p] = bounded;
            }
            residuals(trial, trialR);
            const double cost = SumOfSquares(trialR);
            if (std::isfinite(cost) && cost <= out.Cost) {
                const double gain = out.Cost - cost;
                out.X = std::move(trial);
                std::swap(r, trialR);
                out.Cost = cost;
                damping = std::max(damping / 3.0, 1e-12);
                accepted = true;
                if (gain <= kRelativeTolerance * cost || largestStep < kStepTolerance) {
                    out.Converged = true;
                    return out;
                }
            } else {
                damping *= 4.0;
            }
        }
        // No step lowers the cost any more: the minimum is reached as far as numbers tell.
        if (!accepted) {
            out.Converged = true;
            return out;
        }
    }
    return out;
}

} // namespace terzlab
