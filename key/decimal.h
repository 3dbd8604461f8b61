// Decimal to binary: the double nearest to a decimal number, exactly.
// Pure code, no C runtime conversion: the same bits on every target.
#ifndef TERVALO_KEY_DECIMAL_H
#define TERVALO_KEY_DECIMAL_H

#include <cstddef>
#include <cstdint>

// Most significant digits DecimalToDouble reads; a longer number is cut to
// these and one sticky non-zero digit standing for the rest.  Any halfway
// point between two doubles has at most 768 significant digits, for example
// (2^53 - 1) * 2^-1075.
constexpr int kMaxDecimalDigits = 800;

// The double nearest to digits * 10^exponent, ties to even; +infinity past
// the largest double.  digits holds count characters '0'-'9', the first of
// them not '0'; past kMaxDecimalDigits + 1 of them it cuts them itself.
double DecimalToDouble(const char* digits, std::size_t count, std::int32_t exponent);

#endif
