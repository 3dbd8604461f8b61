// libFuzzer target: ComputeKey and FormatKeyText against a model of the key
// written apart from them, and ComputeKey in the 64-bit words of this build
// against ComputeKey in the 32-bit words of the shipped program.  Any
// difference, crash or sanitizer report fails.
#include "decimal.h"
#include "key.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>

// The key's source once more, in 32-bit words and a namespace of its own.
#define TERVALO_KEY_WORD_BITS 32
namespace in_32_bit_words {
#include "key.cpp" // NOLINT(bugprone-suspicious-include)
} // namespace in_32_bit_words
#undef TERVALO_KEY_WORD_BITS
static_assert(
    in_32_bit_words::kWordBits != 64,
    "the fuzzer's copy of the key runs in 64-bit words: TERVALO_KEY_WORD_BITS did not choose its words");

namespace {

constexpr const char* kDigits = "0123456789";

// The number at the start of the entry, by the rules of "%lf" without inf,
// nan or hex: the characters, or "" when there is none.
std::string NumberText(const char* text) {
    std::size_t start = std::strspn(text, " \t\n\v\f\r");
    std::size_t i = start;
    if (text[i] == '+' || text[i] == '-') {
        ++i;
    }
    const std::size_t whole = std::strspn(text + i, kDigits);
    i += whole;
    std::size_t fraction = 0;
    if (text[i] == '.') {
        fraction = std::strspn(text + i + 1, kDigits);
        i += 1 + fraction;
    }
    if (whole + fraction == 0) {
        return "";
    }
    if (text[i] == 'e' || text[i] == 'E') {
        std::size_t j = i + 1;
        if (text[j] == '+' || text[j] == '-') {
            ++j;
        }
        const std::size_t exponent = std::strspn(text + j, kDigits);
        if (exponent > 0) {
            i = j + exponent;
        }
    }
    return std::string(text + start, i - start);
}

std::int64_t Truncate64(double x) {
    if (!(x >= -9223372036854775808.0 && x < 9223372036854775808.0)) {
        return INT64_MIN; // what the processor's conversion gives
    }
    return static_cast<std::int64_t>(x);
}

std::int64_t Signed(std::uint32_t bits) {
    return bits >= 0x80000000u ? static_cast<std::int64_t>(bits) - 0x100000000LL : bits;
}

// The key by the defined steps; has_key false when the number is zero.
KeyResult ModelKey(const char* entry) {
    const std::string number = NumberText(entry);
    const double n = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr); // glibc: correctly rounded
    if (n == 0.0) {
        return KeyResult{false, 0};
    }
    const std::uint64_t kBits = 0x3F851D07EAE2F815ULL;
    double k = 0.0;
    std::memcpy(&k, &kBits, sizeof k);
    const auto q = static_cast<std::uint32_t>(static_cast<std::uint64_t>(Truncate64(n * k)));
    const std::uint32_t p = 97u * q;
    const double d = n - static_cast<double>(Signed(p));
    const auto r = static_cast<std::uint32_t>(static_cast<std::uint64_t>(Truncate64(d)));
    return KeyResult{true, static_cast<std::int32_t>(Signed(97u - r))};
}

bool Same(const KeyResult& a, const KeyResult& b) {
    return a.has_key == b.has_key && (!a.has_key || a.key == b.key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string entry(reinterpret_cast<const char*>(data), size); // up to its first NUL, as C text
    const KeyResult got = ComputeKey(entry.c_str());
    const KeyResult in32 = in_32_bit_words::ComputeKey(entry.c_str());
    const KeyResult expected = ModelKey(entry.c_str());
    if (!Same(got, in32) || !Same(got, expected)) {
        std::abort();
    }
    // Whole numbers of at most 13 digits: 97 - N mod 97, in integers.
    const std::string number = NumberText(entry.c_str());
    if (!number.empty() && number.size() <= 13 && std::strspn(number.c_str(), kDigits) == number.size()) {
        const std::uint64_t n = std::strtoull(number.c_str(), nullptr, 10);
        if (n != 0 && (!got.has_key || got.key != static_cast<std::int32_t>(97 - n % 97))) {
            std::abort();
        }
    }
    if (got.has_key && std::to_string(got.key) != FormatKeyText(got.key).chars) {
        std::abort();
    }
    std::int32_t key = 0;
    std::memcpy(&key, data, size < sizeof key ? size : sizeof key); // any 32-bit value
    if (std::to_string(key) != FormatKeyText(key).chars) {
        std::abort();
    }
    return 0;
}
