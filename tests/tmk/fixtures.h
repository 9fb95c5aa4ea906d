// Base files and recipes shared by the tmk tests, written out byte by byte.
#pragma once

#include "base/recept.h"
#include "tests/core/test_util.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace timyanka::testing {

inline std::string Hex(const char* hex) {
    std::string out;
    for (const char* p = hex; *p;) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        out.push_back(static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16)));
        p += 2;
    }
    return out;
}

inline std::string Int(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return std::string{static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                       static_cast<char>(u >> 24)};
}

// One recipe: cuisine 1, "Чай", lines "вода" and "чай", text "Заварить.", 13, 1, 2.
inline const std::string kTeaBase = Hex("01000000"
                                        "01000000"
                                        "04000000 D7E0E900"
                                        "02000000"
                                        "05000000 E2EEE4E000"
                                        "04000000 F7E0E900"
                                        "01000000"
                                        "0A000000 C7E0E2E0F0E8F2FC2E00"
                                        "0D000000"
                                        "01000000"
                                        "02000000");

inline const char* const kTeaJson = R"([
  {
    "id": 0,
    "national": 1,
    "name": "Чай",
    "ingredients": [
      "вода",
      "чай"
    ],
    "text": [
      "Заварить."
    ],
    "class": 13,
    "podclass": 1,
    "osoboe": 2
  }
]
)";

inline base::TRecept Tea() {
    base::TRecept r;
    r.National = 1;
    r.Name = W("Чай");
    r.Ingridient = {W("вода"), W("чай")};
    r.Text = {W("Заварить.")};
    r.Class = 13;
    r.PodClass = 1;
    r.Osoboe = 2;
    return r;
}

// A recipe of cuisine 1, class 4, sub-class 1, feature 2 with the given texts (UTF-8).
inline base::TRecept Named(const char* name, std::vector<const char*> ingridient = {},
                           std::vector<const char*> text = {}) {
    base::TRecept r;
    r.National = 1;
    r.Name = W(name);
    for (const char* line : ingridient) {
        r.Ingridient.push_back(W(line));
    }
    for (const char* line : text) {
        r.Text.push_back(W(line));
    }
    r.Class = 4;
    r.PodClass = 1;
    r.Osoboe = 2;
    return r;
}

// Every byte value a stored string can hold, 0x01 to 0xFF: exactly 255 bytes.
inline std::string AllBytes() {
    std::string s;
    for (int b = 1; b <= 0xFF; ++b) {
        s.push_back(static_cast<char>(b));
    }
    return s;
}

// Recipes at the edges of what the program saves: empty and 255-byte strings, empty lists,
// every byte value, control characters, negative and extreme codes.
inline std::vector<base::TRecept> EdgeRecepts() {
    std::vector<base::TRecept> v;
    base::TRecept empty; // empty name, no lines, all codes 0
    v.push_back(empty);

    base::TRecept all;
    all.Name = AllBytes();
    all.Ingridient = {AllBytes(), "", std::string(255, '\xFF'), "\t\"\\/\x7F\x98"};
    all.Text = {"", "", std::string(255, 'a')};
    all.National = -1;
    all.Class = std::numeric_limits<int32_t>::min();
    all.PodClass = std::numeric_limits<int32_t>::max();
    all.Osoboe = -17;
    v.push_back(all);

    base::TRecept blankLines = Tea();
    blankLines.Name = W(" Рекомендации");
    blankLines.Ingridient.clear();
    blankLines.Text = {"", W("Ёжик в тумане"), "\r\n"};
    blankLines.Class = 17;
    v.push_back(blankLines);

    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i].Id = static_cast<int32_t>(i);
    }
    return v;
}

} // namespace timyanka::testing
