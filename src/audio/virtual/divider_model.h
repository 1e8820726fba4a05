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

// The driver by its Thiele-Small parameters, as a data sheet or a fit gives them. The bench's
// default has its motional peak 28 ohm above Re at 45 Hz.
struct DriverImpedance {
    double re = 6.5;     // voice-coil resistance, ohm
    double le = 0.35e-3; // voice-coil inductance, henry
    double r2 = 15.0;    // eddy-current resistance across the coil inductance, ohm
    double fs = 45.0;    // free-air resonance, Hz
    double qms = 3.5;
    double qes = 0.8125;
    double mmsGrams = 20.0; // moving mass
    double res() const { return re * qms / qes; }
};

// The same driver with a mass glued to its cone: resonance lower, both Q higher by the root of
// the mass ratio, the motor and the suspension unchanged.
DriverImpedance withAddedMass(const DriverImpedance& driver, double grams);

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
