#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

// The program's whole-number rules, in one place.
namespace conversions {

// A value too large or too small for the whole-number type a control takes it as: like a failed
// lookup of a control, it ends the operation in progress and every procedure that called it.
class ConversionError : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

// The greatest whole number not above x, also for negative x: Int(-2.55) is -3.
inline double Int(double x) {
    return std::floor(x);
}

// Conversion to a whole number type: to the nearest whole number, halves to the even
// neighbour (2.5 gives 2, 3.5 gives 4). A value outside the type's range cannot be converted.
template <class T>
T toWhole(double x) {
    const double r = std::nearbyint(x);  // the default rounding mode rounds halves to even
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) {
        throw ConversionError("value out of range for its whole-number type");
    }
    return static_cast<T>(r);
}

inline std::int16_t toInt16(double x) {
    return toWhole<std::int16_t>(x);
}

inline std::int32_t toInt32(double x) {
    return toWhole<std::int32_t>(x);
}

}  // namespace conversions
