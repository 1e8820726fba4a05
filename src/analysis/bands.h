#pragma once
// The band module: the 1/40-decade band grid, the per-band results of the five measurement
// types with their running means, and the values the graph draws (BandValue, formed by
// GetDbRange in display_range.h).
#include "analysis/fft.h"
#include "analysis/types.h"
#include <cstdint>
#include <vector>

namespace terzlab {

struct BandTable {
    int16_t LastBand = 0;         // bands are 0..LastBand
    std::vector<double> BandFreq; // 0..LastBand+1 (level types: +1 is the last upper edge)
    std::vector<int16_t> BandBin; // 0..LastBand+1: bin of the lower edge, or the band's one bin
    std::vector<double> BandFrac; // 0..LastBand+1: position of the lower edge in its bin
};

// Rows 1..RowCount (row 0 unused), columns 0..LastBand.
// The rows of the band results. The first two hold the powers of the two inputs (for the
// two-part impedance: of part 1 and part 2), the third what the type works out from them (the
// ratio or the impedance), the fourth the impedance's phase. Row 0 is not used.
namespace row {
inline constexpr int kFirstPower = 1;
inline constexpr int kSecondPower = 2;
inline constexpr int kCombined = 3;
inline constexpr int kPhase = 4;
} // namespace row

struct BandResults {
    int RowCount = 0;
    int BandCount = 0;
    std::vector<double> Cells;
    double& operator()(int row, int band) { return Cells[row * BandCount + band]; }
    double operator()(int row, int band) const { return Cells[row * BandCount + band]; }
};

struct BandState {
    BandTable Table;
    BandResults Results;
    std::vector<double> BandValue;                                      // 0..LastBand
    std::vector<double> BandSpecA1, BandSpecB1, BandSpecA2, BandSpecB2; // 0..LastBand
    // Configuration the table was built for.
    int32_t SampleRate = 44100;
    int32_t BlockSize = 0;
    MeasType Type = MeasType::LevelOneChannel;
    // Work space of BandAnalysis, sized by BuildBandTable so that no block allocates.
    std::vector<double> ChannelSpectrum1, ChannelSpectrum2;
    std::vector<double> SmoothWork;
};

struct BandGridInputs {
    int32_t SampleRate = 44100;
    int32_t BlockSize = 16384;
    MeasType Type = MeasType::LevelOneChannel;
};

struct BandAnalysisInputs {
    MeasType Type = MeasType::LevelOneChannel;
    int16_t AvgCount = 0;      // measurements already in the running means
    int16_t ActiveChannel = 0; // 0 left, 1 right
    int16_t ImpedancePart = 0; // 0 not a two-part run, 1 or 2 the part of type 3
    float SeriesResistor = 10.0f;
    bool WideRange = false;       // the axis may reach further down
    bool ExchangeChannel = false; // the two-channel types swap the inputs' roles
};

// LastBand of the level types at this sample rate (134 at 44100 Hz, 135 at 48000 Hz).
int16_t LevelLastBand(int32_t sampleRate);

// Builds the grid and re-creates all results (zero).
void BuildBandTable(BandState& bands, const BandGridInputs& grid);

// Takes the transformed block in FftRe/FftIm into the results.
void BandAnalysis(BandState& bands, const FftState& fft, const BandAnalysisInputs& in);

// Phase angle in degrees, (-180, 180].
double PhaseDeg(double re, double im);

} // namespace terzlab
