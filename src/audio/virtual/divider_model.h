#pragma once
// A series resistor feeding a loudspeaker's electrical impedance: voice-coil resistance and
// a lossy inductance (the coil shunted by the eddy-current resistance R2, so that the impedance
// levels off at the top as real drivers do) in series with the parallel circuit that the moving
// mass, suspension and damping present at the terminals. Simulated by the trapezoidal rule on its
// three state variables (coil inductor current, tank voltage, tank inductor current), which is the
// bilinear transform of the circuit: the voltages it returns have exactly the ratio of the warped
// impedance. R2 keeps the warping small: at 15 kHz the impedance reads about 5 % above the analogue
// value.
namespace terzlab::audio {

struct DriverImpedance {
    double re = 6.5;         // voice-coil resistance, ohm
    double le = 0.35e-3;     // voice-coil inductance, henry
    double r2 = 15.0;        // eddy-current resistance across the coil inductance, ohm
    double res = 28.0;       // peak resistance added at resonance, ohm
    double resonance = 45.0; // Hz
    double qms = 3.5;
};

class DividerModel {
  public:
    struct Out {
        double acrossResistor;
        double acrossLoad;
    };

    void configure(double sampleRate, double seriesResistor, const DriverImpedance& driver = {});
    Out step(double source);
    void clear();

  private:
    double m_[3][3]{};
    double n_[3]{};
    double x_[3]{};
    double previous_ = 0.0;
    double rv_ = 10.0;
    double r2_ = 15.0;
    double rs_ = 31.5;
};

} // namespace terzlab::audio
