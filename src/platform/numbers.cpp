#include "numbers.h"

#include <QByteArray>
#include <QLocale>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace vb {

namespace {

// A non-negative value as 15 significant digits d0.d1...d14 times 10^exp.
struct Decimal {
    QByteArray digits;
    int exp = 0;
};

// Qt's conversion is correctly rounded and ignores the C locale, so the
// output is the same on every machine.
Decimal toDecimal(double magnitude)
{
    const QByteArray text = QByteArray::number(magnitude, 'e', 14); // "d.ddd...e+XX"
    const int e = text.indexOf('e');
    Decimal d;
    for (int i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            d.digits += text[i];
    d.exp = text.mid(e + 1).toInt();
    return d;
}

// The digits of round(value * 10^decimals), half away from zero, worked on
// the decimal digits rather than the binary value (so 5.55 -> 5.6).
// No leading zeros; zero is "0".
QByteArray scaledDigits(const Decimal& d, int decimals)
{
    const int keep = d.exp + decimals + 1; // digits left of the rounding point
    if (keep < 0)
        return "0";
    const int n = d.digits.size();
    QByteArray kept = d.digits.left(keep);
    if (keep > n)
        kept += QByteArray(keep - n, '0');
    if (keep < n && d.digits[keep] >= '5') {
        int i = kept.size() - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.prepend('1');
    }
    int lead = 0;
    while (lead < kept.size() - 1 && kept[lead] == '0')
        ++lead;
    kept = kept.mid(lead);
    return kept.isEmpty() ? QByteArray("0") : kept;
}

bool isPlaceholder(QChar c)
{
    return c == u'0' || c == u'#';
}

} // namespace

long long roundHalfEven(double x)
{
    if (std::isnan(x))
        return 0;
    const double below = std::floor(x);
    const double fraction = x - below; // exact for every double
    double r = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        r = below + 1.0;
    if (r >= 9223372036854775807.0)
        return LLONG_MAX;
    if (r <= -9223372036854775808.0)
        return LLONG_MIN;
    return static_cast<long long>(r);
}

double intFloor(double x)
{
    return std::floor(x);
}

QString format(double value, const QString& pattern)
{
    if (pattern.isEmpty() || !std::isfinite(value))
        return str(value);

    const int dot = pattern.indexOf(u'.');
    const int point = dot < 0 ? pattern.size() : dot;

    // Integer side: the leftmost placeholder takes any surplus digits, and
    // everything from the first '0' up to the point is zero-padded.
    int firstInt = -1;
    int minInt = 0;
    bool forcedRun = false;
    for (int i = 0; i < point; ++i) {
        if (!isPlaceholder(pattern[i]))
            continue;
        if (firstInt < 0)
            firstInt = i;
        forcedRun = forcedRun || pattern[i] == u'0';
        if (forcedRun)
            ++minInt;
    }
    // Fraction side: every placeholder is a decimal; those up to the last
    // '0' are always written.
    int decimals = 0;
    int forced = 0;
    for (int i = point + 1; i < pattern.size(); ++i) {
        if (!isPlaceholder(pattern[i]))
            continue;
        ++decimals;
        if (pattern[i] == u'0')
            forced = decimals;
    }
    if (firstInt < 0 && decimals == 0)
        return pattern;

    const QByteArray scaled = scaledDigits(toDecimal(std::fabs(value)), decimals);
    const QString sign = (value < 0 && scaled != "0") ? QStringLiteral("-") : QString();
    const QByteArray padded = scaled.rightJustified(decimals + 1, '0');
    QByteArray whole = padded.left(padded.size() - decimals);
    QByteArray fraction = padded.right(decimals);
    while (fraction.size() > forced && fraction.endsWith('0'))
        fraction.chop(1);
    if (whole == "0" && minInt == 0)
        whole.clear(); // "#.0" writes 0.5 as ".5"
    whole = whole.rightJustified(minInt, '0');

    QString out;
    int left = whole.size();
    for (int i = point - 1; i >= 0; --i) {
        const QChar c = pattern[i];
        if (!isPlaceholder(c)) {
            out.prepend(c);
        } else if (i == firstInt) {
            out.prepend(sign + QString::fromLatin1(whole.left(left)));
            left = 0;
        } else if (left > 0) {
            out.prepend(QChar::fromLatin1(whole[--left]));
        }
    }
    if (firstInt < 0) // no integer placeholder: the digits go just before the point
        out += sign + QString::fromLatin1(whole);

    if (!fraction.isEmpty()) {
        out += u'.';
        int next = 0;
        for (int i = point + 1; i < pattern.size(); ++i) {
            const QChar c = pattern[i];
            if (!isPlaceholder(c))
                out += c;
            else if (next < fraction.size())
                out += QChar::fromLatin1(fraction[next++]);
        }
    } else if (dot >= 0) {
        // No decimals left to show: drop the point, keep any trailing text.
        for (int i = point + 1; i < pattern.size(); ++i)
            if (!isPlaceholder(pattern[i]))
                out += pattern[i];
    }
    return out;
}

QString str(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");

    const Decimal d = toDecimal(std::fabs(value));
    QByteArray digits = d.digits;
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    if (digits == "0")
        return QStringLiteral("0");

    QByteArray out = value < 0 ? "-" : "";
    if (d.exp >= 15 || d.exp < -4) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += '.' + digits.mid(1);
        out += d.exp < 0 ? "E-" : "E+";
        out += QByteArray::number(std::abs(d.exp)).rightJustified(2, '0');
    } else if (d.exp >= 0) {
        out += digits.left(d.exp + 1).leftJustified(d.exp + 1, '0');
        if (digits.size() > d.exp + 1)
            out += '.' + digits.mid(d.exp + 1);
    } else {
        out += "0." + QByteArray(-d.exp - 1, '0') + digits;
    }
    return QString::fromLatin1(out);
}

QString strSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return str(value);
    // Seven significant digits, what a single-precision figure carries: the float's own
    // rounding (1.1 held as 1.10000002384) stays below the last of them.
    const QString single = str(val(QString::fromLatin1(QByteArray::number(value, 'g', 7))));
    // A whole number or a short decimal keeps its own digits (16777217 stays 16777217): the
    // seven-digit form is taken only when it is shorter.
    const QString plain = str(value);
    return single.size() < plain.size() ? single : plain;
}

double val(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    const int n = t.size();
    int i = 0;
    auto skipSign = [&] {
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
    };
    auto skipDigits = [&] {
        const int start = i;
        while (i < n && t[i] >= u'0' && t[i] <= u'9')
            ++i;
        return i - start;
    };

    skipSign();
    int mantissa = skipDigits();
    if (i < n && t[i] == u'.') {
        ++i;
        mantissa += skipDigits();
    }
    bool good = mantissa > 0;
    if (good && i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        skipSign();
        good = skipDigits() > 0;
    }
    good = good && i == n;

    double result = 0.0;
    if (good) {
        bool converted = false;
        result = t.toDouble(&converted); // C locale whatever the user's is
        // The text is well formed, so a refusal means out of range: too
        // large fails, too small is simply zero.
        if (!converted) {
            good = std::isfinite(result) && result == 0.0;
            result = 0.0;
        }
    }
    if (ok)
        *ok = good;
    return result;
}

bool isNumeric(const QString& text)
{
    bool ok = false;
    val(text, &ok);
    return ok;
}

} // namespace vb

namespace vb {

QString onScreen(const QString& number) {
    const QString point = QLocale().decimalPoint();
    if (point == QLatin1String(".")) return number;
    QString shown = number;
    return shown.replace(QLatin1Char('.'), point);
}

QString intOnScreen(long long value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

} // namespace vb
