// The control key of a French social-security number, computed from the text
// of the entry field.  Pure code: no window, no global state, no <windows.h>.
#ifndef TERVALO_KEY_KEY_H
#define TERVALO_KEY_KEY_H

#include <cstdint>

struct KeyResult {
    bool has_key;     // false: the entry holds no usable number, show nothing
    std::int32_t key; // meaningful only when has_key is true
};

// The word the key computes in, 32 or 64 bits: the target's, unless the
// build chose the other (TERVALO_KEY_WORD_BITS), as the native checks of the
// shipped 32-bit program's paths do.
extern const int kKeyWordBits;

// Longest key text: a minus sign and ten digits, plus the NUL.
constexpr int kKeyTextSize = 12;

struct KeyText {
    char chars[kKeyTextSize];
};

// The white space that the reading skips in front of a number.
constexpr bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads the number at the start of the entry as "%lf" would (white space,
// sign, digits, point, exponent; no "inf", no hex, no decimal comma) and
// derives the key with the program's double and 32-bit steps.
KeyResult ComputeKey(const char* entry);

// Signed decimal text of a key: "-" for negative values, no leading zeros.
KeyText FormatKeyText(std::int32_t key);

#endif
