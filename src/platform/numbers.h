#pragma once

#include <QString>

// Number conversion and formatting in the BASIC manner. Every instrument
// read-out and every report file goes through these helpers, so the output
// never depends on the user's locale: the decimal separator is always '.'.
namespace vb {

// Nearest integer; exact halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Meant for |x| up to about 9e15; NaN gives 0.
long long roundHalfEven(double x);

// BASIC Int(): the largest integer not above x (-2.5 -> -3).
double intFloor(double x);

// Formats with a picture such as "00.0", "##0.0" or "###0.0#".
//  '0'  a digit that is always written (zero-padded),
//  '#'  a digit written only when needed; after the point, trailing '#'
//       positions drop trailing zeros,
//  '.'  the first one is the decimal point; all other characters are copied.
// The value is taken at 15 significant digits and rounded half away from zero
// in decimal. A result that rounds to zero carries no minus sign.
// An empty pattern gives str(value).
QString format(double value, const QString& pattern);

// General form: up to 15 significant digits, no trailing zeros, integers
// without a point. Magnitudes from 0.0001 up to 999999999999999 are written
// plainly, others in exponent form ("1E+16", "1.5E-05").
QString str(double value);

// The general form of a value computed from single-precision figures: rounded to the seven
// significant digits a single carries (2.4750001430511475, 2.25 times 1.1 held as a float,
// gives "2.475"), then written like str(), when that is shorter than str() of the value
// itself; otherwise, and outside the single-precision range, str().
QString strSingle(double value);

// Parses a stored figure: blanks around it, optional sign, digits with an
// optional fraction, optional exponent ("e" or "E"). Anything else, an empty
// text, or a value out of double range gives 0 and *ok = false.
double val(const QString& text, bool* ok = nullptr);

// True when val() accepts the text.
bool isNumeric(const QString& text);

// A number written by format() or str(), as the screen shows it: with the decimal separator of
// QLocale's default (a German screen reads 1,5). Files and reports keep format() and str().
QString onScreen(const QString& number);
inline QString formatOnScreen(double value, const QString& pattern) { return onScreen(format(value, pattern)); }
inline QString strOnScreen(double value) { return onScreen(str(value)); }
// A whole number as the screen shows it: QLocale's default, never with a group separator.
QString intOnScreen(long long value);

} // namespace vb
