// Value types shared by the whole simulator: the 16-bit Integer with overflow checking,
// the -1/0 flag convention, the number-or-text trip figures, and the run-time error that
// handlers trap by their own convention.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

// A run-time error with a number and a description, as the error traps report them
// ("Error number: " + number + " - " + description).
class VbError : public std::runtime_error {
public:
    VbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number(number), description(description) {}
    int number;
    QString description;
};

[[noreturn]] inline void raiseError(int number, const QString& description) {
    throw VbError(number, description);
}
[[noreturn]] void raiseOverflow();

// Nearest integer with exact halves going to the even neighbour.
long long roundToEven(double x);

// A 16-bit signed integer. Arithmetic happens in int; storing a result that leaves
// -32768..32767 raises the Overflow error instead of wrapping. Storing a real number
// rounds it to the nearest integer, halves to even.
class Integer {
public:
    constexpr Integer() = default;
    Integer(int v) { set(v); }
    Integer(long v) { set(v); }
    Integer(long long v) { set(v); }
    Integer(double v) { set(roundToEven(v)); }
    Integer(float v) { set(roundToEven(v)); }

    Integer& operator=(int v) { set(v); return *this; }
    Integer& operator=(long v) { set(v); return *this; }
    Integer& operator=(long long v) { set(v); return *this; }
    Integer& operator=(double v) { set(roundToEven(v)); return *this; }
    Integer& operator=(float v) { set(roundToEven(v)); return *this; }

    Integer& operator+=(int v) { set(static_cast<long long>(v_) + v); return *this; }
    Integer& operator-=(int v) { set(static_cast<long long>(v_) - v); return *this; }

    constexpr operator int() const { return v_; }
    constexpr int value() const { return v_; }

private:
    void set(long long v) {
        if (v < -32768 || v > 32767) raiseOverflow();
        v_ = static_cast<int16_t>(v);
    }
    int16_t v_ = 0;
};

// Flags hold -1 for true and 0 for false; a test for true compares with -1.
using Flag = Integer;
constexpr int True = -1;
constexpr int False = 0;

// A trip figure: empty until first set, the text read from the settings store, or a
// number. Arithmetic reads it as a number (text that is not a number reads as 0); reports
// write it back as it stands (empty as nothing, text as that text, a number in the general
// number form).
class Figure {
public:
    Figure() = default;
    Figure(double v) : kind_(Number), num_(v) {}
    Figure(int v) : kind_(Number), num_(v) {}
    static Figure fromText(const QString& text);
    // Stored and typed figures beyond this (a billion km or seconds), or not finite, are not
    // figures the read-outs can show: they count as text that is not a number.
    static constexpr double kLimit = 1e9;
    static bool inRange(double v);

    Figure& operator=(double v) { kind_ = Number; num_ = v; text_.clear(); return *this; }
    Figure& operator=(int v) { return *this = static_cast<double>(v); }
    Figure& operator+=(double v) { return *this = num_ + v; }
    Figure& operator-=(double v) { return *this = num_ - v; }

    operator double() const { return num_; }
    double value() const { return num_; }
    bool isEmpty() const { return kind_ == Empty; }
    bool isText() const { return kind_ == Text; }
    QString toText() const;

private:
    enum Kind { Empty, Text, Number };
    Kind kind_ = Empty;
    double num_ = 0;
    QString text_;
};
