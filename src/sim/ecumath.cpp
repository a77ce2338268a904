#include "sim/ecumath.h"

#include "platform/vbtypes.h"

#include <algorithm>

namespace ecu {

int speedIndexFor(int engineSpeed) {
    const long long i = roundToEven(engineSpeed / 800.0 - 1);
    return static_cast<int>(std::clamp<long long>(i, 0, kMapSize - 1));
}

int loadIndexFor(int engineLoad) {
    const long long i = roundToEven(7 - engineLoad / 14.0);
    return static_cast<int>(std::max<long long>(i, 0));
}

int voltageIndexFor(int systemVoltage) { return std::clamp(15 - systemVoltage, 0, kMapSize - 1); }

int speedOfColumn(int column) { return (column + 1) * 800; }
int loadOfRow(int row) { return (7 - row) * 14; }
int voltageOfRow(int row) { return 15 - row; }

float voltageFactor(int voltageIndex) {
    static const float factors[kMapSize] = {1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 1.7f};
    return factors[std::clamp(voltageIndex, 0, kMapSize - 1)];
}

ColdCorrection coldCorrectionFor(int t) {
    if (t >= -30 && t <= -10) return {1.6, -4};
    if (t >= -9 && t <= 0) return {1.5, -3};
    if (t >= 1 && t <= 20) return {1.3, -2};
    if (t >= 21 && t <= 50) return {1.2, -1};
    return {1.0, 0};  // warm, or colder than the bands reach
}

float enrichmentFactorFor(int voltageIndex, int engineTemperature) {
    float factor = voltageFactor(voltageIndex);
    // The product is taken in double and stored back in the 32-bit factor.
    factor = static_cast<float>(factor * coldCorrectionFor(engineTemperature).factor);
    return factor;
}

int roadSpeedFor(int gear, int engineSpeed) {
    static const int divisors[] = {0, 94, 75, 49, 34, 27, -94};
    int speed = 0;
    if (gear >= 1 && gear <= 6) speed = static_cast<int>(roundToEven(double(engineSpeed) / divisors[gear]));
    if (engineSpeed < 801) speed = 0;
    return speed;
}

double crankingInjectionFor(int engineTemperature) {
    double ms = 200 / (engineTemperature + 0.1);
    if (ms > 10 || ms < 0) ms = 10;
    return ms;
}

}  // namespace ecu
