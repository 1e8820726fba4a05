#pragma once
// The two small helpers every dialog with a number field uses: a key filter that lets through
// only what can make a number, and an inclusive range check of the field's text. Fields keep
// their focus on an invalid value; neither helper shows a message.
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace terzlab::platform {

// The character a typed key becomes in a number field, 0 when the key is swallowed: backspace
// (8), "." and the digits pass, "," becomes ".", "-" passes only with allowMinus.
int FilterNumericKey(int keyCode, bool allowMinus);

// The whole text as a plain decimal number (optional sign, digits, at most one point; the
// first "," counts as the point), or nothing. Blanks, exponents and trailing garbage refuse.
std::optional<double> ReadFieldNumber(std::string_view text);
std::optional<double> ReadFieldNumber(const QString& text);

// True when the text is a number and minimum <= value <= maximum (both inclusive).
bool CheckRange(std::string_view text, double minimum, double maximum);
bool CheckRange(const QString& text, double minimum, double maximum);

// The decimal separator of the numbers shown to the user (the locale's); files keep the point.
std::string UserDecimalSeparator();

// The hint a refused field shows, in the user's notation: "Erlaubt: 0,001 ... 99,99".
QString RangeHint(double minimum, double maximum);

// A field whose value was refused keeps the focus and shows its hint beside it. The focus is
// given back queued (it is still on its way to the next control when the field hears of its
// exit), and only while stillHeld() agrees by then.
void HoldField(QLineEdit* field, const QString& hint, std::function<bool()> stillHeld);
// An accepted value drops the hint.
void ReleaseField(QLineEdit* field);

// True while a field's focus-out is handled and the focus goes to `control`: a move to the
// cancel button is no field exit, since cancelling must work whatever a field holds.
bool FocusMovesTo(const QWidget* control);

// Applies FilterNumericKey to the typed characters of one QLineEdit (install with
// NumericKeyFilter::attach). A second decimal separator is swallowed as well, since it could
// never make a number. Keys that type nothing (Tab, Return, arrows, Delete) pass, so the
// dialog's own keys keep working.
class NumericKeyFilter final : public QObject {
  public:
    // The filter becomes a child of the field and lives as long as it.
    static NumericKeyFilter* attach(QLineEdit* field, bool allowMinus);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    NumericKeyFilter(QLineEdit* field, bool allowMinus);
    bool hasSeparatorOutsideSelection() const;

    QLineEdit* field_;
    bool allowMinus_;
};

} // namespace terzlab::platform
