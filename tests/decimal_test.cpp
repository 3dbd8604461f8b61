// The decimal-to-double conversion: known answers at the edges of the double
// range, the halfway points between neighbouring doubles (and just above and
// below them) across every exponent, and random decimals against a
// correctly rounded strtod.
#include "decimal.h"
#include "splitmix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::uint64_t Bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A decimal written as significant digits and a power of ten.
struct Decimal {
    std::string digits;
    std::int32_t exponent;
};

// "1234e-2" style text: the first digit non-zero, at most one 'e'.
Decimal Parse(const std::string& text) {
    const std::size_t e = text.find('e');
    Decimal d{text.substr(0, e), e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1)};
    return d;
}

std::uint64_t ConvertBits(const Decimal& d) {
    return Bits(DecimalToDouble(d.digits.data(), d.digits.size(), d.exponent));
}

TEST(DecimalToDouble, KnownAnswersAtTheEdges) {
    // Bit patterns from Python's correctly rounded float().
    const struct {
        const char* text;
        std::uint64_t bits;
    } cases[] = {
        {"1", 0x3FF0000000000000ULL},
        {"1e23", 0x44B52D02C7E14AF6ULL},                  // the classic one a multiply rounds wrongly
        {"17976931348623157e292", 0x7FEFFFFFFFFFFFFFULL}, // the largest double
        {"17976931348623158e292", 0x7FEFFFFFFFFFFFFFULL},
        {"17976931348623159e292", 0x7FF0000000000000ULL}, // past the last halfway point
        {"1e309", 0x7FF0000000000000ULL},
        {"9e99999", 0x7FF0000000000000ULL},
        {"22250738585072011e-324", 0x000FFFFFFFFFFFFFULL}, // the largest subnormal
        {"22250738585072012e-324", 0x0010000000000000ULL}, // the smallest normal
        {"8533e-312", 0x000622C97042F5B2ULL},
        {"49406564584124654e-340", 0x0000000000000001ULL}, // the smallest subnormal
        {"24703282292062328e-340", 0x0000000000000001ULL}, // just above half of it
        {"24703282292062327e-340", 0x0000000000000000ULL}, // just below half of it
        {"1e-325", 0x0000000000000000ULL},
        {"1e-99999", 0x0000000000000000ULL},
        {"123456789012345678901234567890e-330", 0x01752A64E34BA0D3ULL},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertBits(Parse(c.text)), c.bits) << c.text;
    }
}

// Decimal digits times a small factor, in decimal: written apart from the
// binary arithmetic of the code under test.
void MultiplyDecimal(std::string& digits, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::size_t i = digits.size(); i-- > 0;) {
        const std::uint64_t product = static_cast<std::uint64_t>(digits[i] - '0') * factor + carry;
        digits[i] = static_cast<char>('0' + product % 10);
        carry = product / 10;
    }
    for (; carry != 0; carry /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
    }
}

// odd * 2^power exactly, as a decimal without trailing zeros.
Decimal OddTimesPowerOfTwo(std::uint64_t odd, std::int32_t power) {
    Decimal d{std::to_string(odd), 0};
    std::int32_t rest = power < 0 ? -power : power;
    // 2^-k = 5^k * 10^-k.  5^13 and 2^31 fit a 32-bit factor.
    const std::int32_t step = power < 0 ? 13 : 31;
    const std::uint32_t stepFactor = power < 0 ? 1220703125u : 0x80000000u;
    for (; rest >= step; rest -= step) {
        MultiplyDecimal(d.digits, stepFactor);
    }
    for (; rest > 0; --rest) {
        MultiplyDecimal(d.digits, power < 0 ? 5 : 2);
    }
    if (power < 0) {
        d.exponent = power;
    }
    while (d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
    return d;
}

// The point halfway between a positive double and the next one up is a tie
// (to the even one); a hair above goes up, a hair below stays.
void ExpectHalfwayRounding(std::uint64_t bits) {
    const std::uint64_t exponentField = bits >> 52;
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    const std::uint64_t mantissa = exponentField == 0 ? fraction : fraction | (1ULL << 52);
    const std::int32_t power = (exponentField == 0 ? -1074 : static_cast<std::int32_t>(exponentField) - 1075);
    const Decimal half = OddTimesPowerOfTwo(2 * mantissa + 1, power - 1);
    ASSERT_LE(half.digits.size(), static_cast<std::size_t>(kMaxDecimalDigits));

    const std::uint64_t even = (mantissa % 2 == 0) ? bits : bits + 1;
    EXPECT_EQ(ConvertBits(half), even)
        << "halfway above " << FromBits(bits) << ": " << half.digits << "e" << half.exponent;
    const Decimal above{half.digits + "1", half.exponent - 1};
    EXPECT_EQ(ConvertBits(above), bits + 1) << "just above halfway over " << FromBits(bits);
    const std::size_t padding = 1000 - half.digits.size(); // the deciding digit beyond those kept
    const Decimal farAbove{half.digits + std::string(padding, '0') + "10",
                           half.exponent - 2 - static_cast<std::int32_t>(padding)};
    EXPECT_EQ(ConvertBits(farAbove), bits + 1) << "a hair above halfway over " << FromBits(bits);
    Decimal below{half.digits, half.exponent - 1};
    below.digits.back() = static_cast<char>(below.digits.back() - 1);
    below.digits += '9';
    EXPECT_EQ(ConvertBits(below), bits) << "just below halfway over " << FromBits(bits);
}

TEST(DecimalToDouble, HalfwayPointsAcrossTheRange) {
    // The edges: the smallest subnormals, the subnormal-normal boundary,
    // binade boundaries, the largest double (whose tie goes to infinity).
    const std::uint64_t edges[] = {1,
                                   2,
                                   3,
                                   0x000FFFFFFFFFFFFEULL,
                                   0x000FFFFFFFFFFFFFULL,
                                   0x0010000000000000ULL,
                                   0x3FEFFFFFFFFFFFFFULL,
                                   0x3FF0000000000000ULL,
                                   0x433FFFFFFFFFFFFFULL,
                                   0x4340000000000000ULL,
                                   0x7FEFFFFFFFFFFFFEULL,
                                   0x7FEFFFFFFFFFFFFFULL};
    for (const std::uint64_t bits : edges) {
        ExpectHalfwayRounding(bits);
    }
    // And doubles of every binade, the mantissa at random.
    std::uint64_t state = 11;
    for (std::uint64_t exponentField = 0; exponentField < 0x7FF; ++exponentField) {
        const std::uint64_t fraction = NextRandom(state) & ((1ULL << 52) - 1);
        const std::uint64_t bits = (exponentField << 52) | fraction;
        if (bits != 0) {
            ExpectHalfwayRounding(bits);
        }
    }
}

// The C runtime's conversion, correctly rounded on these targets: glibc's,
// and MinGW-w64's own where the system one may not be.
double ReferenceStrtod(const char* text) {
#ifdef __MINGW32__
    return __mingw_strtod(text, nullptr);
#else
    return std::strtod(text, nullptr);
#endif
}

TEST(DecimalToDouble, AgreesWithACorrectlyRoundedStrtod) {
    std::uint64_t state = 97;
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t r = NextRandom(state);
        // Mostly short numbers, some of 17-40 digits, a few very long ones.
        const std::size_t count = (r % 8 == 0)      ? 17 + r / 8 % 24
                                  : (r % 1000 == 1) ? 790 + r / 8 % 300
                                                    : 1 + r / 8 % 16;
        std::string digits;
        while (digits.size() < count) {
            digits += static_cast<char>('0' + NextRandom(state) % 10);
        }
        digits[0] = static_cast<char>('1' + NextRandom(state) % 9);
        const auto exponent =
            static_cast<std::int32_t>(NextRandom(state) % 700) - 360 - static_cast<std::int32_t>(count);
        const std::string text = digits + "e" + std::to_string(exponent);
        ASSERT_EQ(ConvertBits(Decimal{digits, exponent}), Bits(ReferenceStrtod(text.c_str()))) << text;
    }
}

} // namespace
