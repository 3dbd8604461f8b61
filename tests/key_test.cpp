// The key computation: what the reading step accepts, what the arithmetic
// gives, and that whole numbers get 97 - (N mod 97).
#include "key.h"
#include "splitmix.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <climits>
#include <cstdio>
#include <string>

namespace {

struct KeyCase {
    const char* entry;
    bool has_key;
    std::int32_t key;
};

std::string Describe(const char* entry) {
    std::string text = "\"";
    for (const char* p = entry; *p != '\0'; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (byte >= 0x20 && byte < 0x7F) {
            text += *p;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    if (text.size() > 60) {
        const std::size_t length = text.size();
        text.resize(40);
        text += "...(" + std::to_string(length) + " chars)";
    }
    return text + "\"";
}

void ExpectKeys(const KeyCase* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const KeyCase& c = cases[i];
        const KeyResult result = ComputeKey(c.entry);
        if (!c.has_key) {
            EXPECT_FALSE(result.has_key)
                << "entry " << Describe(c.entry) << ": got key " << result.key << ", expected no key";
        } else {
            EXPECT_TRUE(result.has_key)
                << "entry " << Describe(c.entry) << ": got no key, expected " << c.key;
            EXPECT_EQ(result.key, c.key) << "entry " << Describe(c.entry);
        }
    }
}

template <std::size_t N> void ExpectKeys(const KeyCase (&cases)[N]) {
    ExpectKeys(cases, N);
}

constexpr bool kNoKey = false;
constexpr bool kKey = true;

TEST(KeyGrammar, WhiteSpaceAndSigns) {
    const KeyCase cases[] = {
        {"  42", kKey, 55},
        {"\t\n\v\f\r42", kKey, 55},
        {"+42", kKey, 55},
        {"-5", kKey, 102},
        {" -5", kKey, 102},
        {"- 5", kNoKey, 0},
        {"+-5", kNoKey, 0},
        {"--5", kNoKey, 0},
        {"-", kNoKey, 0},
        {"+", kNoKey, 0},
        {"", kNoKey, 0},
        {"             ", kNoKey, 0},
        {"\xA0"
         "42",
         kNoKey, 0}, // a no-break space is not white space
    };
    ExpectKeys(cases);
}

TEST(KeyGrammar, PointForms) {
    const KeyCase cases[] = {
        {".5", kKey, 97},    {"0.5", kKey, 97},   {"5.", kKey, 92},   {"12.5", kKey, 85},
        {"-.5", kKey, 97},   {".", kNoKey, 0},    {"-.", kNoKey, 0},  {"..5", kNoKey, 0},
        {"1.2.3", kKey, 96}, {"99.99", kKey, 95}, {"12,5", kKey, 85}, // the comma is not a point
    };
    ExpectKeys(cases);
}

TEST(KeyGrammar, Exponents) {
    const KeyCase cases[] = {
        {"1e", kKey, 96},
        {"1E", kKey, 96},
        {"1e+", kKey, 96},
        {"1e-", kKey, 96},
        {"1e2", kKey, 94},
        {"1E2", kKey, 94},
        {"1e+2", kKey, 94},
        {"97e0", kKey, 97},
        {"1e-2", kKey, 97},
        {"5e1x", kKey, 47},
        {".5e1", kKey, 92},
        {"5.e1", kKey, 47},
        {"e5", kNoKey, 0},
        {".e5", kNoKey, 0},
        {"-e5", kNoKey, 0},
        {"1e 2", kKey, 96},
        {"1e2e3", kKey, 94},
        {"0e5", kNoKey, 0},
        {"1e0000000000002", kKey, 94},
    };
    ExpectKeys(cases);
}

TEST(KeyGrammar, WhatIsNotANumber) {
    const KeyCase cases[] = {
        {"abc", kNoKey, 0},
        {"inf", kNoKey, 0},
        {"INF", kNoKey, 0},
        {"infinity", kNoKey, 0},
        {"-inf", kNoKey, 0},
        {"nan", kNoKey, 0},
        {"NaN(1)", kNoKey, 0},
        {"0x10", kNoKey, 0},
        {"0X1p4", kNoKey, 0},
        {"x12", kNoKey, 0},
        {"\xB0"
         "12",
         kNoKey, 0},
        {"0", kNoKey, 0},
        {"-0", kNoKey, 0},
        {"+0.0", kNoKey, 0},
        {"0000000000000", kNoKey, 0},
        {"0.000", kNoKey, 0},
        {"0e999999", kNoKey, 0},
    };
    ExpectKeys(cases);
}

TEST(KeyGrammar, TrailingCharactersAreIgnored) {
    const KeyCase cases[] = {
        {"1 85 05 78 00", kKey, 96}, {"12abc", kKey, 85},          {"42\n", kKey, 55},
        {"1234567890123", kKey, 11}, {"1234567890123 ", kKey, 11}, {"1234567890123\xC9", kKey, 11},
    };
    ExpectKeys(cases);
}

TEST(KeyArithmetic, RemaindersAtTheEnds) {
    const KeyCase cases[] = {
        {"97", kKey, 97},
        {"194", kKey, 97},
        {"9409", kKey, 97}, // remainder 0 gives 97, never 0
        {"96", kKey, 1},
        {"193", kKey, 1},
        {"1", kKey, 96}, // remainder 96 gives 1
        {"98", kKey, 96},
        {"9999999999999", kKey, 83},
        {"9999999999990", kKey, 92},
        {"0000000000097", kKey, 97},
        {"0000000000001", kKey, 96},
    };
    ExpectKeys(cases);
}

TEST(KeyArithmetic, NegativeAndFractionalNumbers) {
    const KeyCase cases[] = {
        {"-5", kKey, 102},  {"-96", kKey, 193}, {"-97", kKey, 97},   {"-1234567890123", kKey, 183},
        {"-0.5", kKey, 97}, {"12.5", kKey, 85}, {"96.999", kKey, 1}, {"97.5", kKey, 97},
        {"1e-5", kKey, 97},
    };
    ExpectKeys(cases);
}

TEST(KeyArithmetic, HugeAndTinyMagnitudes) {
    const KeyCase cases[] = {
        // Beyond 2^63 both truncations leave the 64-bit range and give 0.
        {"1e30", kKey, 97},
        {"-1e30", kKey, 97},
        {"9.3e18", kKey, 97},
        {"1.7976931348623157e308", kKey, 97},
        // Out of double range: infinity, and the same rule.
        {"1e400", kKey, 97},
        {"-1e400", kKey, 97},
        {"1e99999999999", kKey, 97},
        // Below the smallest subnormal the number rounds to zero: no key.
        {"1e-400", kNoKey, 0},
        {"2e-324", kNoKey, 0},
        {"1e-99999999999", kNoKey, 0},
        {"4.9e-324", kKey, 97}, // the smallest subnormal is not zero
        // Between 10^13 and 2^63 the 32-bit steps wrap and the key is no
        // longer 97 - (N mod 97).
        {"1e15", kKey, 52},
        {"1e16", kKey, 35},
        {"2147483648", kKey, 31},
        {"123456789012345678", kKey, 33},
        {"999999999999999999", kKey, 97},
        // Truncated beyond 2^31 and 2^32, with fractions and signs.
        {"-123456789012345678", kKey, 161},
        {"4294967296.75", kKey, 62},
        {"-6442450943.9", kKey, 100},
        {"1000000000000000.5", kKey, 52},
        {"-2147483648.5", kKey, 163},
        {"-9.2e18", kKey, 97},
        // Short forms of 10^17 to 10^19, which fit the entry field: the
        // 32-bit pieces of a truncation beyond 2^31 and 2^32.
        {"99e16", kKey, 225},
        {"39e17", kKey, 609},
        // The difference is exactly -2^63, still in the 64-bit range.
        {"-9223372035e9", kKey, 97},
        // Twenty digits no longer fit 64 bits: 2^64 + 1, not 1.
        {"18446744073709551617", kKey, 97},
    };
    ExpectKeys(cases);
}

TEST(KeyArithmetic, ConversionRoundsCorrectly) {
    const std::string zeros(900, '0');
    const std::string sticky = "9007199254740993" + zeros + "1e-901";
    const std::string stickyInside = "9007199254740993" + zeros.substr(100) + "10e-802";
    const std::string tie = "9007199254740993" + zeros + "e-900";
    const std::string leading = "0." + std::string(1000, '0') + "9007199254740993e1017";
    const KeyCase cases[] = {
        {"9007199254740993", kKey, 65},                     // halfway: to even, 2^53
        {"9007199254740995", kKey, 61},                     // halfway: to even, 2^53 + 4
        {"9007199254740993.0000000000000000001", kKey, 63}, // just above halfway: up
        {sticky.c_str(), kKey, 63},                         // the deciding digit is 900 places down
        {stickyInside.c_str(), kKey, 63},                   // ... and followed by a zero
        {tie.c_str(), kKey, 65},                            // 900 zeros keep it a tie
        {leading.c_str(), kKey, 49},                        // leading zeros are not significant digits
        {"12345678901234567", kKey, 89},
        {"0.1000000000000000055511151231257827e2", kKey, 87},
    };
    ExpectKeys(cases);
}

void ExpectIntegerKey(std::uint64_t n, bool zeroPadded) {
    char entry[32];
    std::snprintf(entry, sizeof entry, zeroPadded ? "%013" PRIu64 : "%" PRIu64, n);
    const KeyResult result = ComputeKey(entry);
    const auto expected = static_cast<std::int32_t>(97 - n % 97);
    ASSERT_TRUE(result.has_key) << "entry \"" << entry << "\": got no key, expected " << expected;
    ASSERT_EQ(result.key, expected) << "entry \"" << entry << "\"";
}

TEST(KeyProperty, WholeNumbersGive97MinusTheRemainder) {
    constexpr std::uint64_t kLimit = 10000000000000ULL; // 10^13
    for (std::uint64_t n = 1; n <= 2000; ++n) {
        ExpectIntegerKey(n, false);
        ExpectIntegerKey(kLimit - n, false);
    }
    // Multiples of 97 and their neighbours right up to the top, where the
    // product with K is closest to landing on the wrong side of an integer.
    for (std::uint64_t m = kLimit / 97 - 2000; m <= (kLimit - 1) / 97; ++m) {
        ExpectIntegerKey(97 * m, false);
        ExpectIntegerKey(97 * m - 1, false);
        if (97 * m + 1 < kLimit) {
            ExpectIntegerKey(97 * m + 1, false);
        }
    }
    std::uint64_t state = 20261207;
    for (int i = 0; i < 1000000; ++i) {
        const std::uint64_t n = 1 + NextRandom(state) % (kLimit - 1);
        ExpectIntegerKey(n, (i & 1) != 0);
    }
}

// The build that chooses the key's words gets them: the sanitized suites
// check the shipped program's 32-bit paths on this machine only if it does.
#ifdef TERVALO_KEY_WORD_BITS
constexpr int kChosenWordBits = TERVALO_KEY_WORD_BITS;
#else
constexpr int kChosenWordBits = sizeof(void*) * CHAR_BIT;
#endif
TEST(KeyWords, AreTheOnesTheBuildChose) {
    EXPECT_EQ(kKeyWordBits, kChosenWordBits)
        << "the key ran in " << kKeyWordBits << "-bit words; this build chose " << kChosenWordBits;
}

TEST(KeyText, SignedDecimalWithoutPadding) {
    const struct {
        std::int32_t key;
        const char* text;
    } cases[] = {
        {102, "102"},
        {-3, "-3"},
        {7, "7"},
        {0, "0"},
        {97, "97"},
        {10, "10"},
        {-10, "-10"},
        {INT32_MAX, "2147483647"},
        {INT32_MIN, "-2147483648"},
        {INT32_MIN + 1, "-2147483647"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(FormatKeyText(c.key).chars, c.text) << "key " << c.key;
    }
}

} // namespace
