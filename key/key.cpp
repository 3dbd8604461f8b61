#include "key.h"

#include "decimal.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {

// The word the key works in.  A 32-bit target multiplies 64-bit integers in
// several steps and converts doubles to them only on the x87 unit, whose
// switches of rounding mode stall it: there the key gathers digits and
// truncates in 32-bit pieces.  The build may choose the 32-bit pieces on a
// 64-bit machine too, so that the tests, sanitizers and fuzzers that run
// natively check the paths of the shipped 32-bit program.
#ifdef TERVALO_KEY_WORD_BITS
constexpr int kWordBits = TERVALO_KEY_WORD_BITS;
#else
constexpr int kWordBits = sizeof(void*) >= 8 ? 64 : 32;
#endif
static_assert(kWordBits == 32 || kWordBits == 64, "the key works in 32-bit or 64-bit words");

// The double nearest to 1/97, bit pattern 0x3F851D07EAE2F815.
constexpr double K = 0.010309278350515464;
constexpr std::int32_t kModulus = 97;

// 2^63 as a double: the first value beyond the signed 64-bit range.
constexpr double kTwoTo63 = 9223372036854775808.0;

// Significant digits kept before the rest only counts as "something non-zero
// follows".
constexpr int kMaxDigits = kMaxDecimalDigits;
// Decimal exponents beyond this overflow or underflow every double anyway.
constexpr std::int32_t kExponentCap = 100000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Two's-complement reading of 32 bits, without relying on an
// implementation-defined narrowing conversion.
std::int32_t ToSigned32(std::uint32_t bits) {
    if (bits <= 0x7FFFFFFFu) {
        return static_cast<std::int32_t>(bits);
    }
    return static_cast<std::int32_t>(bits - 0x80000000u) - 0x7FFFFFFF - 1;
}

// The low 32 bits of x truncated toward zero to a signed 64-bit integer.
// Values outside that range (infinities and NaN included) give -2^63, as the
// processor's conversion does, and so contribute 0.  So does -2^63 itself,
// which is left out here: its high half would not fit the 32-bit pieces
// below.  A 64-bit target truncates in one instruction; in 32-bit words the
// value is taken apart, |x| = high * 2^32 + low, both exact.
std::int32_t TruncateToLow32(double x) {
    if (!(x > -kTwoTo63 && x < kTwoTo63)) {
        return 0;
    }
    if constexpr (kWordBits == 64) {
        return ToSigned32(
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(x))));
    }
    const double magnitude = std::fabs(x);
    const auto high = static_cast<std::int32_t>(magnitude * 0x1p-32);  // below 2^31: its floor
    const double low = magnitude - static_cast<double>(high) * 0x1p32; // in [0, 2^32)
    const std::uint32_t lowBits =
        low < 0x1p31 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(low))
                     : static_cast<std::uint32_t>(static_cast<std::int32_t>(low - 0x1p31)) + 0x80000000u;
    return ToSigned32(x < 0.0 ? 0u - lowBits : lowBits);
}

// Writes the decimal digits of magnitude, most significant first, and
// returns the end of what it wrote.
char* WriteDigits(char* out, std::uint32_t magnitude) {
    char reversed[10];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0) {
        *out++ = reversed[--count];
    }
    return out;
}

// A validated number: its significant digits and where the point stands.
struct Decimal {
    bool negative;
    char digits[kMaxDigits + 2]; // significant digits, no leading zeros
    int count;                   // digits in use (including a sticky '1')
    std::int64_t exponent;       // value = digits * 10^exponent
};

// Scans one number at the start of text; false when there is none.
bool ScanNumber(const char* text, Decimal& number) {
    const char* p = text;
    while (IsWhiteSpace(*p)) {
        ++p;
    }
    number.negative = false;
    if (*p == '+' || *p == '-') {
        number.negative = (*p == '-');
        ++p;
    }
    number.count = 0;
    number.exponent = 0;
    bool anyDigit = false;
    bool truncated = false;
    bool inFraction = false;
    for (;; ++p) {
        if (*p == '.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (!IsDigit(*p)) {
            break;
        }
        anyDigit = true;
        if (*p == '0' && number.count == 0) {
            if (inFraction) {
                --number.exponent;
            }
            continue;
        }
        if (number.count < kMaxDigits) {
            number.digits[number.count++] = *p;
            if (inFraction) {
                --number.exponent;
            }
        } else {
            truncated = truncated || *p != '0';
            if (!inFraction) {
                ++number.exponent;
            }
        }
    }
    if (!anyDigit) {
        return false;
    }
    if (truncated) {
        // A sticky digit below the kept ones: the true value lies strictly
        // above the kept digits, and still on the same side of every
        // halfway point between doubles.
        number.digits[number.count++] = '1';
        --number.exponent;
    } else {
        while (number.count > 0 && number.digits[number.count - 1] == '0') {
            --number.count; // trailing zeros only scale: keep the big integers small
            ++number.exponent;
        }
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (*q == '+' || *q == '-') {
            negativeExponent = (*q == '-');
            ++q;
        }
        std::int64_t value = 0;
        for (; IsDigit(*q); ++q) {
            if (value < kExponentCap * 10LL) {
                value = value * 10 + (*q - '0');
            }
        }
        number.exponent += negativeExponent ? -value : value;
    }
    return true;
}

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
// 10^15 is the largest power of ten below 2^53: moving more of the exponent
// into the digits can never leave them exact.
constexpr int kMaxExactDigits = 15;
// The same powers as integers, as far as the reading uses them: the digits
// of a group and the part of the exponent moved into the digits.
// clang-format off
constexpr std::uint64_t kIntegerPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
                                            1000000000, 10000000000, 100000000000, 1000000000000,
                                            10000000000000, 100000000000000, 1000000000000000};
// clang-format on

// The nearest double to the decimal, round half to even.
double ToDouble(const Decimal& number) {
    double magnitude = 0.0;
    if (number.count > 0) {
        const std::int64_t exponent = std::clamp<std::int64_t>(number.exponent, -kExponentCap, kExponentCap);
        magnitude = DecimalToDouble(number.digits, static_cast<std::size_t>(number.count),
                                    static_cast<std::int32_t>(exponent));
    }
    return number.negative ? -magnitude : magnitude;
}

// A run of digits, gathered in the target's word: nine digits at a time in
// 32 bits, where 64-bit products are slow, so that it multiplies in 64 bits
// once per nine digits instead of once per digit; all nineteen that the
// one-pass reading takes at once in 64 bits.
using DigitWord = std::conditional_t<kWordBits == 64, std::uint64_t, std::uint32_t>;
constexpr int kGroupDigits = kWordBits == 64 ? 19 : 9;
static_assert(kWordBits == 64 || kGroupDigits <= kMaxExactDigits, "the groups' power of ten is in the table");

struct DigitRun {
    std::uint64_t done = 0; // the value of the groups before the current one
    DigitWord group = 0;
    int inGroup = 0; // digits in the current group
};

void AppendDigit(DigitRun& run, char digit) {
    if constexpr (kGroupDigits < 19) {
        if (run.inGroup == kGroupDigits) {
            run.done = run.done * kIntegerPowers[kGroupDigits] + run.group;
            run.group = 0;
            run.inGroup = 0;
        }
        ++run.inGroup;
    }
    run.group = run.group * 10 + static_cast<DigitWord>(digit - '0');
}

// The value of the run, modulo 2^64.
std::uint64_t RunValue(const DigitRun& run) {
    return run.done * kIntegerPowers[run.inGroup] + run.group;
}

// The common entry, read in one pass: at most 19 digits (so that they fit
// 64 bits) whose value a double holds exactly, scaled by a power of ten
// that it holds exactly too, so that one IEEE operation rounds once.
// Returns false when the entry needs the general reading.
bool ReadShortNumber(const char* p, double& n) {
    while (IsWhiteSpace(*p)) {
        ++p;
    }
    const bool negative = (*p == '-');
    if (*p == '+' || *p == '-') {
        ++p;
    }
    DigitRun run;
    const char* start = p;
    for (; IsDigit(*p); ++p) {
        AppendDigit(run, *p);
    }
    std::ptrdiff_t digits = p - start;
    std::int32_t exponent = 0;
    if (*p == '.') {
        start = ++p;
        for (; IsDigit(*p); ++p) {
            AppendDigit(run, *p);
        }
        exponent = -static_cast<std::int32_t>(p - start);
        digits += p - start;
    }
    if (digits == 0) {
        n = 0.0; // no number at all
        return true;
    }
    if (digits > 19) {
        return false;
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        const bool negativeExponent = (*q == '-');
        if (*q == '+' || *q == '-') {
            ++q;
        }
        if (IsDigit(*q)) {
            std::int32_t value = 0;
            for (start = q; IsDigit(*q); ++q) {
                value = value * 10 + (*q - '0');
                if (q - start >= 4) {
                    return false; // five digits and more: the general reading
                }
            }
            exponent += negativeExponent ? -value : value;
        }
    }
    constexpr std::uint64_t kExactLimit = 1ULL << 53;
    std::uint64_t whole = RunValue(run);
    if (whole > kExactLimit) {
        return false;
    }
    double magnitude = 0.0;
    if (exponent > kMaxExactPower && exponent <= kMaxExactPower + kMaxExactDigits &&
        whole <= kExactLimit / kIntegerPowers[exponent - kMaxExactPower]) {
        // Still exact with part of the power moved into the digits.
        whole *= kIntegerPowers[exponent - kMaxExactPower];
        exponent = kMaxExactPower;
    }
    if (exponent < -kMaxExactPower || exponent > kMaxExactPower) {
        if (whole != 0) {
            return false;
        }
    } else {
        // At most 2^53, so exact from its two 32-bit halves.
        const double mantissa = static_cast<double>(static_cast<std::uint32_t>(whole >> 32)) * 0x1p32 +
                                static_cast<double>(static_cast<std::uint32_t>(whole));
        magnitude = exponent >= 0 ? mantissa * kExactPowers[exponent] : mantissa / kExactPowers[-exponent];
    }
    n = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

const int kKeyWordBits = kWordBits;

KeyResult ComputeKey(const char* entry) {
    double n = 0.0;
    if (!ReadShortNumber(entry, n)) {
        Decimal number;
        if (ScanNumber(entry, number)) {
            n = ToDouble(number);
        }
    }
    if (n == 0.0) {
        return KeyResult{false, 0};
    }
    const double quotient = n * K;
    const std::int32_t q = TruncateToLow32(quotient);
    const std::int32_t p = ToSigned32(static_cast<std::uint32_t>(kModulus) * static_cast<std::uint32_t>(q));
    const double difference = n - static_cast<double>(p);
    const std::int32_t r = TruncateToLow32(difference);
    const std::int32_t key = ToSigned32(static_cast<std::uint32_t>(kModulus) - static_cast<std::uint32_t>(r));
    return KeyResult{true, key};
}

KeyText FormatKeyText(std::int32_t key) {
    KeyText text{};
    char* p = text.chars;
    // The magnitude as unsigned, so that -2^31 has one too.
    std::uint32_t magnitude = static_cast<std::uint32_t>(key);
    if (key < 0) {
        *p++ = '-';
        magnitude = 0u - magnitude;
    }
    *WriteDigits(p, magnitude) = '\0';
    return text;
}
