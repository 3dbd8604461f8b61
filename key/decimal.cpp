#include "decimal.h"

#include <algorithm>
#include <cstring>

// The value is the fraction N / D of two big integers (N = digits * 10^e for
// e >= 0, D = 10^-e otherwise).  Scaled by a power of two into [1, 2), its
// binary digits come out one at a time by long division, as many as the
// double holds plus one; the remainder says whether anything follows.  That
// is all rounding needs, so the result is exact by construction.

namespace {

// The largest denominator, 10^1125, takes 3738 bits; the numerator scaled
// up to it one bit more.  Numerators of large values stay under 10^309.
constexpr int kLimbs = 120;

struct BigNumber {
    std::uint32_t limbs[kLimbs]; // least significant first
    int size;                    // limbs in use; no zero limb on top
};

void Trim(BigNumber& n) {
    while (n.size > 0 && n.limbs[n.size - 1] == 0) {
        --n.size;
    }
}

// n = n * factor + addend.
void MultiplyAdd(BigNumber& n, std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < n.size; ++i) {
        const std::uint64_t product = static_cast<std::uint64_t>(n.limbs[i]) * factor + carry;
        n.limbs[i] = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) {
        n.limbs[n.size++] = static_cast<std::uint32_t>(carry);
    }
}

constexpr std::uint32_t kSmallPowers[] = {1,      10,      100,      1000,      10000,
                                          100000, 1000000, 10000000, 100000000, 1000000000};

void MultiplyByPowerOfTen(BigNumber& n, std::int32_t power) {
    for (; power >= 9; power -= 9) {
        MultiplyAdd(n, kSmallPowers[9], 0);
    }
    MultiplyAdd(n, kSmallPowers[power], 0);
}

void ShiftLeft(BigNumber& n, std::int32_t bits) {
    if (n.size == 0 || bits == 0) {
        return;
    }
    const int words = bits / 32;
    const int rest = bits % 32;
    int top = n.size + words;
    n.limbs[top] = 0;
    for (int i = n.size - 1; i >= 0; --i) {
        const std::uint64_t wide = static_cast<std::uint64_t>(n.limbs[i]) << rest;
        n.limbs[i + words + 1] |= static_cast<std::uint32_t>(wide >> 32);
        n.limbs[i + words] = static_cast<std::uint32_t>(wide);
    }
    std::memset(n.limbs, 0, sizeof n.limbs[0] * static_cast<std::size_t>(words));
    n.size = top + 1;
    Trim(n);
}

int Compare(const BigNumber& a, const BigNumber& b) {
    if (a.size != b.size) {
        return a.size < b.size ? -1 : 1;
    }
    for (int i = a.size - 1; i >= 0; --i) {
        if (a.limbs[i] != b.limbs[i]) {
            return a.limbs[i] < b.limbs[i] ? -1 : 1;
        }
    }
    return 0;
}

// a -= b, where a >= b.
void Subtract(BigNumber& a, const BigNumber& b) {
    std::uint32_t borrow = 0;
    for (int i = 0; i < a.size; ++i) {
        const std::uint64_t subtrahend = static_cast<std::uint64_t>(i < b.size ? b.limbs[i] : 0) + borrow;
        borrow = a.limbs[i] < subtrahend ? 1 : 0;
        a.limbs[i] = static_cast<std::uint32_t>(a.limbs[i] - subtrahend);
    }
    Trim(a);
}

std::int32_t BitLength(const BigNumber& n) {
    std::int32_t bits = (n.size - 1) * 32;
    for (std::uint32_t top = n.limbs[n.size - 1]; top != 0; top >>= 1) {
        ++bits;
    }
    return bits;
}

double FromBits(std::uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

constexpr std::uint64_t kInfinityBits = 0x7FF0000000000000ULL;
constexpr std::int32_t kMinExponent = -1022; // of normal doubles
constexpr std::int32_t kMaxExponent = 1023;
constexpr int kPrecision = 53;

} // namespace

double DecimalToDouble(const char* digits, std::size_t count, std::int32_t exponent) {
    // Past the digits kept only whether the rest is zero matters: it stands
    // as one sticky '1' below them.
    std::size_t kept = count;
    bool restNonZero = false;
    if (count > static_cast<std::size_t>(kMaxDecimalDigits) + 1) {
        kept = kMaxDecimalDigits;
        restNonZero = std::any_of(digits + kept, digits + count, [](char digit) { return digit != '0'; });
    }
    const auto length = static_cast<std::int32_t>(kept) + (restNonZero ? 1 : 0);
    const std::int64_t scale = exponent + static_cast<std::int64_t>(count - kept) - (restNonZero ? 1 : 0);
    // value >= 10^(length - 1 + scale) and < 10^(length + scale): past
    // 10^309 nothing is finite, under 10^-324 (less than half the smallest
    // double) everything rounds to zero.
    if (length - 1 + scale > 308) {
        return FromBits(kInfinityBits);
    }
    if (length + scale < -324) {
        return 0.0;
    }
    exponent = static_cast<std::int32_t>(scale);

    BigNumber num{};
    BigNumber den{};
    den.limbs[0] = 1;
    den.size = 1;
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t chunk = length - i < 9 ? length - i : 9;
        std::uint32_t value = 0;
        for (std::int32_t j = 0; j < chunk; ++j) {
            const char digit = i + j < static_cast<std::int32_t>(kept) ? digits[i + j] : '1';
            value = value * 10 + static_cast<std::uint32_t>(digit - '0');
        }
        MultiplyAdd(num, kSmallPowers[chunk], value);
        i += chunk;
    }
    MultiplyByPowerOfTen(exponent >= 0 ? num : den, exponent >= 0 ? exponent : -exponent);

    // Scale so that den <= num < 2 den: value = 2^binaryExponent * num / den.
    std::int32_t binaryExponent = BitLength(num) - BitLength(den);
    ShiftLeft(binaryExponent >= 0 ? den : num, binaryExponent >= 0 ? binaryExponent : -binaryExponent);
    if (Compare(num, den) < 0) {
        ShiftLeft(num, 1);
        --binaryExponent;
    }
    // Bits the result holds: 53, fewer below the normal range.
    const std::int32_t precision =
        binaryExponent >= kMinExponent ? kPrecision : kPrecision - (kMinExponent - binaryExponent);
    if (precision < 0) {
        return 0.0; // under half the smallest double
    }

    // precision bits and one guard bit, the first of them the leading 1.
    Subtract(num, den);
    std::uint64_t quotient = 1;
    for (std::int32_t i = 0; i < precision; ++i) {
        ShiftLeft(num, 1);
        quotient <<= 1;
        if (Compare(num, den) >= 0) {
            Subtract(num, den);
            quotient |= 1;
        }
    }
    const bool sticky = num.size != 0;
    std::uint64_t mantissa = quotient >> 1;
    if ((quotient & 1) != 0 && (sticky || (mantissa & 1) != 0)) {
        ++mantissa; // above halfway, or halfway and odd: up
    }

    if (binaryExponent < kMinExponent) {
        // mantissa * 2^-1074; a carry to 2^52 is the smallest normal double.
        return FromBits(mantissa);
    }
    if (mantissa == (1ULL << kPrecision)) {
        mantissa >>= 1;
        ++binaryExponent;
    }
    if (binaryExponent > kMaxExponent) {
        return FromBits(kInfinityBits);
    }
    const std::int32_t biasedExponent = binaryExponent + kMaxExponent;
    const auto biased = static_cast<std::uint64_t>(biasedExponent);
    return FromBits((biased << 52) | (mantissa & ((1ULL << 52) - 1)));
}
