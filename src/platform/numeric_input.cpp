#include "platform/numeric_input.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QToolTip>

#include <charconv>
#include <cmath>
#include <string>

namespace terzlab::platform {

namespace {

constexpr int kBackspace = 8;
constexpr int kComma = 44;
constexpr int kMinus = 45;
constexpr int kPoint = 46;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Sign, digits, at most one point and at least one digit; nothing else.
bool isPlainDecimal(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    int digits = 0;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        if (isDigit(text[pos])) {
            ++digits;
        } else if (text[pos] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

} // namespace

int FilterNumericKey(int keyCode, bool allowMinus) {
    if (keyCode == kBackspace || keyCode == kPoint || (keyCode >= '0' && keyCode <= '9'))
        return keyCode;
    if (keyCode == kComma) return kPoint;
    if (keyCode == kMinus && allowMinus) return kMinus;
    return 0;
}

std::optional<double> ReadFieldNumber(std::string_view text) {
    std::string work(text);
    if (const auto comma = work.find(','); comma != std::string::npos) work[comma] = '.';
    if (!isPlainDecimal(work)) return std::nullopt;
    std::size_t start = work.front() == '+' || work.front() == '-' ? 1 : 0;
    std::string digits = work.substr(start);
    if (digits.front() == '.') digits.insert(digits.begin(), '0');
    if (digits.back() == '.') digits.pop_back();
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return work.front() == '-' ? -value : value;
}

std::optional<double> ReadFieldNumber(const QString& text) {
    return ReadFieldNumber(std::string_view(text.toStdString()));
}

bool CheckRange(std::string_view text, double minimum, double maximum) {
    const auto value = ReadFieldNumber(text);
    return value && minimum <= *value && *value <= maximum;
}

bool CheckRange(const QString& text, double minimum, double maximum) {
    return CheckRange(std::string_view(text.toStdString()), minimum, maximum);
}

std::string UserDecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

QString RangeHint(double minimum, double maximum) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto shown = [&locale](double value) {
        return locale.toString(value, 'f', QLocale::FloatingPointShortest);
    };
    return QCoreApplication::translate("NumericInput", "Erlaubt: %1 ... %2")
        .arg(shown(minimum), shown(maximum));
}

void HoldField(QLineEdit* field, const QString& hint, std::function<bool()> stillHeld) {
    field->setToolTip(hint);
    QTimer::singleShot(0, field, [field, hint, stillHeld = std::move(stillHeld)] {
        if (!stillHeld()) return;
        field->setFocus();
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), hint, field);
    });
}

void ReleaseField(QLineEdit* field) {
    if (field->toolTip().isEmpty()) return;
    field->setToolTip(QString());
    QToolTip::hideText();
}

bool FocusMovesTo(const QWidget* control) {
    return control != nullptr && QApplication::focusWidget() == control;
}

NumericKeyFilter* NumericKeyFilter::attach(QLineEdit* field, bool allowMinus) {
    auto* filter = new NumericKeyFilter(field, allowMinus);
    field->installEventFilter(filter);
    return filter;
}

NumericKeyFilter::NumericKeyFilter(QLineEdit* field, bool allowMinus)
    : QObject(field), field_(field), allowMinus_(allowMinus) {}

bool NumericKeyFilter::hasSeparatorOutsideSelection() const {
    QString rest = field_->text();
    if (field_->hasSelectedText())
        rest.remove(field_->selectionStart(), field_->selectedText().size());
    return rest.contains(QLatin1Char('.'));
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QString typed = key->text();
    if (typed.size() != 1 || !typed.front().isPrint()) return false;
    const int code = typed.front().unicode();
    const int result = FilterNumericKey(code, allowMinus_);
    if (result == 0) return true;
    if (result == kPoint && hasSeparatorOutsideSelection()) return true;
    if (result == code) return false;
    field_->insert(QString(QChar(result)));
    return true;
}

} // namespace terzlab::platform
