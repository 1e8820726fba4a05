#include "guidance/wiring_sketch.h"

#include "text/translate.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace terzlab::guidance {

namespace {

struct Point {
    int32_t x, y;
};

// Places of the parts; the chain of test object and resistor hangs below the amplifier.
constexpr int kCardLeft = 150, kCardRight = 2150, kCardTop = 2800, kCardBottom = 6150;
constexpr int kLineOutY = 3500, kUpperPortY = 5000, kLowerPortY = 5500;
constexpr int kAmpLeft = 2600, kAmpRight = 4000;
constexpr int kPartLeft = 4300, kPartRight = 5200, kChainX = 4750;
constexpr int kUpperTop = 3900, kUpperBottom = 4300, kLowerTop = 4700, kLowerBottom = 5100;
constexpr int kJunctionY = 4500, kGroundY = 5750;
constexpr int kRouteX = 3400, kOuterX = 5330, kBottomRouteY = 6350, kInnerX = 2400;

constexpr int kPlugY = 1000, kPlugHalf = 180;
constexpr int kTipX = 2790, kRingX = 2240, kSleeveX = 1250, kPlugLabelY = 1650;

const PictureFont kNormal{"MS Sans Serif", 8.25, false};
const PictureFont kBold{"MS Sans Serif", 8.25, true};

// The sketch's words, translated where they are drawn.
const char* const kGround = TZ_TRANSLATE_NOOP("WiringSketch", "Masse");
const char* const kLeft = TZ_TRANSLATE_NOOP("WiringSketch", "Links");
const char* const kRight = TZ_TRANSLATE_NOOP("WiringSketch", "Rechts");
const char* const kTestObject = TZ_TRANSLATE_NOOP("WiringSketch", "Testobjekt");
const char* const kResistor = TZ_TRANSLATE_NOOP("WiringSketch", "Rvor");
const char* const kResponse = TZ_TRANSLATE_NOOP("WiringSketch", "Antwort");
const char* const kExcitation = TZ_TRANSLATE_NOOP("WiringSketch", "Anregung");

std::string said(const char* source) {
    return text::translate("WiringSketch", source);
}

void text(Picture& p, double x, double y, const std::string& s, Colour colour = kBlack,
          const PictureFont& font = kNormal) {
    p.SetFont(font);
    p.SetForeColor(colour);
    p.SetCurrentX(x);
    p.SetCurrentY(y);
    p.Print(s);
}

void box(Picture& p, int left, int top, int right, int bottom) {
    p.SetForeColor(kBlack);
    p.MoveToEx(left, top);
    p.LineTo(right, top);
    p.LineTo(right, bottom);
    p.LineTo(left, bottom);
    p.LineTo(left, top);
}

void labelledBox(Picture& p, int left, int top, int right, int bottom, const std::string& s) {
    box(p, left, top, right, bottom);
    p.SetFont(kNormal);
    const double x = (left + right - p.TextWidth(s)) / 2.0;
    const double y = (top + bottom - p.TextHeight(s)) / 2.0;
    text(p, x, y, s);
}

void arrowHead(Picture& p, Point from, Point to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0) return;
    const double ux = dx / length, uy = dy / length;
    const double c = std::cos(0.5), s = std::sin(0.5); // about 30 degrees either side
    for (const double side : {1.0, -1.0}) {
        const double bx = -(ux * c - side * uy * s), by = -(uy * c + side * ux * s);
        p.MoveToEx(to.x, to.y);
        p.LineTo(static_cast<int32_t>(std::lround(to.x + kArrowStroke * bx)),
                 static_cast<int32_t>(std::lround(to.y + kArrowStroke * by)));
    }
}

// A connection along the given corners, with its arrow head at the last one.
void lead(Picture& p, std::initializer_list<Point> points, Colour colour,
          DrawStyle style = DrawStyle::Solid) {
    p.SetForeColor(colour);
    p.SetDrawStyle(style);
    const Point* previous = nullptr;
    for (const Point& point : points) {
        if (previous)
            p.LineTo(point.x, point.y);
        else
            p.MoveToEx(point.x, point.y);
        previous = &point;
    }
    p.SetDrawStyle(DrawStyle::Solid);
    if (points.size() >= 2) arrowHead(p, *(points.end() - 2), *(points.end() - 1));
}

void groundSymbol(Picture& p, int x, int y, bool labelLeft = false) {
    p.SetForeColor(kBlack);
    for (const auto& [half, dy] : {std::pair{150, 0}, std::pair{100, 50}, std::pair{50, 100}}) {
        p.MoveToEx(x - half, y + dy);
        p.LineTo(x + half, y + dy);
    }
    p.SetFont(kNormal);
    const std::string ground = said(kGround);
    const double labelX = labelLeft ? x - 200 - p.TextWidth(ground) : x + 200;
    text(p, labelX, y - 60, ground);
}

Colour channelColour(bool left) {
    return left ? kLeftLead : kRightLead;
}

std::string channelName(bool left) {
    return said(left ? kLeft : kRight);
}

// Which contacts of the jack carry a signal in this mode.
std::pair<bool, bool> usedContacts(const SketchInputs& in) {
    if (in.mode == 1 || in.mode == 4) return {true, true};
    const bool left = in.mode == 3 ? in.leftChannel != in.swapChannels : in.leftChannel;
    return {left, !left};
}

void drawPlug(Picture& p, const SketchInputs& in) {
    text(p, 120, 60, said(TZ_TRANSLATE_NOOP("WiringSketch", "Steckerbelegung:")), kBlack, kBold);
    const int top = kPlugY - kPlugHalf, bottom = kPlugY + kPlugHalf;
    p.FillBox(150, kPlugY - 120, 600, kPlugY + 120, kDarkGrey); // the cable
    p.FillBox(600, top, 1900, bottom, kDarkGrey);               // sleeve
    p.FillBox(1980, top, 2500, bottom, kLightGrey);             // ring
    p.FillBox(2580, top, 3000, bottom, kLightGrey);             // tip
    box(p, 600, top, 3000, bottom);
    p.MoveToEx(3000, top);
    p.LineTo(3180, kPlugY);
    p.LineTo(3000, bottom);
    const auto [left, right] = usedContacts(in);
    lead(p, {{kTipX, kPlugLabelY}, {kTipX, kPlugY}}, left ? kLeftLead : kUnusedLead);
    lead(p, {{kRingX, kPlugLabelY - 200}, {kRingX, kPlugY}}, right ? kRightLead : kUnusedLead);
    lead(p, {{kSleeveX, kPlugLabelY}, {kSleeveX, kPlugY}}, kBlack);
    text(p, kTipX - 150, kPlugLabelY + 40, channelName(true), left ? kLeftLead : kDarkGrey);
    text(p, kRingX - 200, kPlugLabelY - 160, channelName(false), right ? kRightLead : kDarkGrey);
    text(p, kSleeveX - 200, kPlugLabelY + 40, said(kGround));
}

void drawCardAndAmplifier(Picture& p) {
    text(p, 120, 2360, said(TZ_TRANSLATE_NOOP("WiringSketch", "Messaufbau:")), kBlack, kBold);
    box(p, kCardLeft, kCardTop, kCardRight, kCardBottom);
    text(p, 300, kCardTop + 80, said(TZ_TRANSLATE_NOOP("WiringSketch", "Soundkarte")), kBlack,
         kBold);
    text(p, 300, kLineOutY - 110, "Line Out");
    text(p, 300, 4400, "Line In");
    labelledBox(p, kAmpLeft, kLineOutY - 250, kAmpRight, kLineOutY + 250,
                said(TZ_TRANSLATE_NOOP("WiringSketch", "Verstärker")));
    lead(p, {{kCardRight, kLineOutY}, {kAmpLeft, kLineOutY}}, kSignalLead);
    lead(p, {{kAmpRight, kLineOutY}, {kChainX, kLineOutY}, {kChainX, kUpperTop}}, kSignalLead);
    p.SetForeColor(kBlack);
    p.MoveToEx((kCardLeft + kCardRight) / 2, kCardBottom);
    p.LineTo((kCardLeft + kCardRight) / 2, kCardBottom + 150);
    groundSymbol(p, (kCardLeft + kCardRight) / 2, kCardBottom + 150);
}

void portLabel(Picture& p, int y, bool left, const char* role = nullptr) {
    const std::string name = channelName(left) + (role ? " (" + said(role) + ")" : "");
    text(p, 300, y - 110, name, channelColour(left));
}

// From the junction between the two parts of the chain to the upper input.
void junctionToUpperPort(Picture& p, Colour colour) {
    lead(p,
         {{kChainX, kJunctionY},
          {kRouteX, kJunctionY},
          {kRouteX, kUpperPortY},
          {kCardRight, kUpperPortY}},
         colour);
}

// From the amplifier's output round the chain to the lower input.
void excitationToLowerPort(Picture& p, Colour colour) {
    lead(p,
         {{kChainX, kLineOutY},
          {kOuterX, kLineOutY},
          {kOuterX, kBottomRouteY},
          {kInnerX, kBottomRouteY},
          {kInnerX, kLowerPortY},
          {kCardRight, kLowerPortY}},
         colour);
}

void drawChain(Picture& p, const std::string& upper, const std::string& lower) {
    labelledBox(p, kPartLeft, kUpperTop, kPartRight, kUpperBottom, upper);
    labelledBox(p, kPartLeft, kLowerTop, kPartRight, kLowerBottom, lower);
    p.SetForeColor(kSignalLead);
    p.MoveToEx(kChainX, kUpperBottom);
    p.LineTo(kChainX, kLowerTop);
    p.SetForeColor(kBlack);
    p.MoveToEx(kChainX, kLowerBottom);
    p.LineTo(kChainX, kGroundY);
    groundSymbol(p, kChainX, kGroundY, true); // the right edge is close
}

void drawTwoChannelLevel(Picture& p, const SketchInputs& in) {
    labelledBox(p, kPartLeft, kUpperTop, kPartRight, kUpperBottom, said(kTestObject));
    labelledBox(p, kPartLeft, kLowerTop + 400, kPartRight, kLowerBottom + 400, "Sensor");
    // Sound, not a wire: dotted.
    lead(p, {{kChainX, kUpperBottom}, {kChainX, kLowerTop + 400}}, kBlack, DrawStyle::Dot);
    const bool responseLeft = !in.swapChannels;
    lead(p,
         {{kPartLeft, kLowerTop + 600},
          {kRouteX, kLowerTop + 600},
          {kRouteX, kUpperPortY},
          {kCardRight, kUpperPortY}},
         channelColour(responseLeft));
    excitationToLowerPort(p, channelColour(!responseLeft));
    portLabel(p, kUpperPortY, responseLeft, kResponse);
    portLabel(p, kLowerPortY, !responseLeft, kExcitation);
}

void drawImpedance(Picture& p, const SketchInputs& in) {
    // The input sees the voltage over the lower part, the one that sits on ground: in part 1
    // of the one-channel measurement that is the resistor, otherwise the test object.
    const bool resistorBelow = in.mode == 3 && in.impedancePart != 2;
    const bool resistorLower = resistorBelow != in.swapImpedance;
    const std::string object = said(kTestObject), resistor = said(kResistor);
    drawChain(p, resistorLower ? object : resistor, resistorLower ? resistor : object);
    if (in.mode == 3) {
        const bool left = in.leftChannel != in.swapChannels;
        junctionToUpperPort(p, channelColour(left));
        portLabel(p, kUpperPortY, left);
        return;
    }
    const bool responseLeft = !in.swapChannels;
    junctionToUpperPort(p, channelColour(responseLeft));
    excitationToLowerPort(p, channelColour(!responseLeft));
    portLabel(p, kUpperPortY, responseLeft, kResponse);
    portLabel(p, kLowerPortY, !responseLeft, kExcitation);
}

} // namespace

bool HasSetUp(int mode) {
    return mode == 1 || mode == 3 || mode == 4;
}

void DrawWiringSketch(Picture& picture, const SketchInputs& inputs) {
    picture.Cls();
    if (inputs.mode < 0 || inputs.mode > 5) return;
    picture.SetDrawWidth(1);
    drawPlug(picture, inputs);
    if (!HasSetUp(inputs.mode)) return;
    drawCardAndAmplifier(picture);
    if (inputs.mode == 1)
        drawTwoChannelLevel(picture, inputs);
    else
        drawImpedance(picture, inputs);
}

} // namespace terzlab::guidance
