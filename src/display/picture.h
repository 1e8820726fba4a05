#pragma once
// The drawing surface the graph, the level bars and the window labels are drawn on. Every
// coordinate is in the surface's own scale units: pixels for the graph and the level bars,
// twips for the main window. Text and lines use the foreground colour, as the picture boxes
// the program was designed around did.
#include <cstdint>
#include <string>
#include <string_view>

namespace terzlab {

using Colour = uint32_t; // 0x00BBGGRR

// Entries of the standard 16-colour palette and the curve colours the run chooses.
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kLightGrey = 0xC0C0C0; // palette 7
inline constexpr Colour kDarkGrey = 0x808080;  // palette 8
inline constexpr Colour kWhite = 0xFFFFFF;     // palette 15
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kMagenta = 0xFF00FF;

enum class DrawStyle : int16_t { Solid = 0, Dot = 2 };

struct PictureFont {
    std::string Name = "MS Sans Serif";
    double Size = 8.25; // points
    bool Bold = false;
};

class Picture {
  public:
    virtual ~Picture() = default;

    // Fills the surface with its background colour.
    virtual void Cls() = 0;
    virtual void SetForeColor(Colour colour) = 0;
    virtual void SetDrawStyle(DrawStyle style) = 0;
    virtual void SetDrawWidth(int16_t width) = 0;
    virtual void SetFont(const PictureFont& font) = 0;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // The two line primitives: a move sets the pen, every line continues from where the last
    // move or line ended.
    virtual void MoveToEx(int32_t x, int32_t y) = 0;
    virtual void LineTo(int32_t x, int32_t y) = 0;

    // Prints at (CurrentX, CurrentY), the text's top-left corner, then moves to the next line.
    virtual void Print(std::string_view text) = 0;
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;

    // A filled box between two corners, in the given colour, whatever the foreground.
    virtual void FillBox(double x1, double y1, double x2, double y2, Colour colour) = 0;

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

  protected:
    // What Print leaves behind: the start of the next line.
    void AdvanceLine(double lineHeight) {
        currentX_ = 0.0;
        currentY_ += lineHeight;
    }

  private:
    double currentX_ = 0.0;
    double currentY_ = 0.0;
};

} // namespace terzlab
