#include "text/collation.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace timyanka::text {
namespace {

// The weights follow the desktop's Russian collation (ICU's "ru"), read off it one character
// at a time: blanks, then signs, digits, Cyrillic letters, Latin letters. Capitals weigh as
// their small letters. 0 marks a character the collation skips (control codes, the soft
// hyphen); kNotPlain marks "…", "™" and "№", which weigh as several letters ("...", "TM",
// "No").
constexpr uint8_t kNotPlain = 255;

// clang-format off
constexpr std::array<uint8_t, 256> kPrimary = {
      0,   0,   0,   0,   0,   0,   0,   0,   0,   1,   2,   3,   4,   5,   0,   0,  // 0x0_
      0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  // 0x1_
      6,  14,  24,  43,  64,  44,  42,  18,  30,  31,  39,  54,  11,   8,  16,  40,  // 0x2_
     66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  13,  12,  56,  57,  58,  15,  // 0x3_
     38, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131,  // 0x4_
    132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142,  32,  41,  33,  50,   7,  // 0x5_
     49, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131,  // 0x6_
    132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142,  34,  60,  35,  62,   0,  // 0x7_
     81,  79,  21,  79,  27, 255,  46,  47,  65,  45,  93,  22,  96,  91, 102, 108,  // 0x8_
     81,  19,  20,  25,  26,  48,   9,  10,   0, 255,  93,  23,  96,  91, 102, 108,  // 0x9_
      6, 103, 103,  90,  63,  79,  61,  36,  82,  52,  83,  28,  59,   0,  53,  88,  // 0xA_
     51,  55,  88,  88,  79, 143,  37,  17,  82, 255,  83,  29,  90,  86,  86,  88,  // 0xB_
     76,  77,  78,  79,  80,  82,  84,  85,  87,  89,  91,  92,  94,  95,  97,  98,  // 0xC_
     99, 100, 101, 103, 104, 105, 106, 107, 109, 110, 111, 112, 113, 114, 115, 116,  // 0xD_
     76,  77,  78,  79,  80,  82,  84,  85,  87,  89,  91,  92,  94,  95,  97,  98,  // 0xE_
     99, 100, 101, 103, 104, 105, 106, 107, 109, 110, 111, 112, 113, 114, 115, 116,  // 0xF_
};

// Among letters of the same first weight (е and ё, г and ѓ and ґ), the second weight
// decides; it counts only when the first weights of two names are all equal.
constexpr std::array<uint8_t, 256> kSecondary = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x0_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x1_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x2_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x3_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x4_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x5_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x6_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0x7_
    0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0,  // 0x8_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0,  // 0x9_
    0, 1, 1, 0, 0, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1,  // 0xA_
    0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1,  // 0xB_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xC_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xD_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xE_
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0xF_
};
// clang-format on

uint8_t Primary(char c) {
    return kPrimary[static_cast<unsigned char>(c)];
}

// Compares the non-skipped characters of a and b by one of the two weights.
int CompareBy(const std::array<uint8_t, 256>& weights, std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        while (i < a.size() && Primary(a[i]) == 0) {
            ++i;
        }
        while (j < b.size() && Primary(b[j]) == 0) {
            ++j;
        }
        if (i == a.size() || j == b.size()) {
            return (i == a.size() ? 0 : 1) - (j == b.size() ? 0 : 1);
        }
        const int wa = weights[static_cast<unsigned char>(a[i++])];
        const int wb = weights[static_cast<unsigned char>(b[j++])];
        if (wa != wb) {
            return wa < wb ? -1 : 1;
        }
    }
}

// The first sixteen first weights of a name, packed so that comparing two prefixes as numbers
// gives the order of the names whenever the prefixes differ (a name that ends pads with 0,
// below every weight, as a shorter name comes first).
struct Prefix {
    uint64_t high = 0;
    uint64_t low = 0;
    uint32_t index = 0;
};

Prefix PrefixOf(std::string_view name, uint32_t index) {
    Prefix p;
    p.index = index;
    int taken = 0;
    for (char c : name) {
        const uint64_t w = Primary(c);
        if (w == 0) {
            continue;
        }
        if (taken < 8) {
            p.high |= w << (8 * (7 - taken));
        } else {
            p.low |= w << (8 * (15 - taken));
        }
        if (++taken == 16) {
            break;
        }
    }
    return p;
}

} // namespace

std::vector<std::size_t> PlainSortOrder(std::span<const std::string_view> names) {
    // Sorting small prefixes kept side by side settles nearly every comparison without
    // reading the names themselves, which lie scattered over the whole base.
    std::vector<Prefix> prefixes;
    prefixes.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        prefixes.push_back(PrefixOf(names[i], static_cast<uint32_t>(i)));
    }
    std::sort(prefixes.begin(), prefixes.end(), [names](const Prefix& a, const Prefix& b) {
        if (a.high != b.high) {
            return a.high < b.high;
        }
        if (a.low != b.low) {
            return a.low < b.low;
        }
        return ComparePlainNames(names[a.index], names[b.index]) < 0;
    });
    std::vector<std::size_t> order;
    order.reserve(prefixes.size());
    for (const Prefix& p : prefixes) {
        order.push_back(p.index);
    }
    return order;
}

bool HasPlainCollation(std::string_view name) {
    for (char c : name) {
        if (Primary(c) == kNotPlain) {
            return false;
        }
    }
    return true;
}

int ComparePlainNames(std::string_view a, std::string_view b) {
    const int primary = CompareBy(kPrimary, a, b);
    return primary != 0 ? primary : CompareBy(kSecondary, a, b);
}

} // namespace timyanka::text
