// What every fuzz target shares: a property check that stops the run with the failing input, and
// the split of the fuzzer's bytes into operand texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace numerel::fuzz {

// The bytes as texts separated by '|' (at most `count` of them; missing ones are empty).
inline std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size,
                                       std::size_t count) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '|' && fields.size() < count) {
            fields.emplace_back();
        } else {
            fields.back().push_back(static_cast<char>(data[i]));
        }
    }
    fields.resize(count);
    return fields;
}

// Only digits and the first point of a text, at most `limit` characters: an operand of the long
// arithmetic as the pages let it through.
inline std::string Numeral(const std::string& text, std::size_t limit, bool allow_point) {
    std::string numeral;
    bool point = !allow_point;
    for (const char c : text) {
        if (numeral.size() == limit) break;
        if (c >= '0' && c <= '9') numeral.push_back(c);
        if (c == '.' && !point) {
            numeral.push_back('.');
            point = true;
        }
    }
    return numeral;
}

}  // namespace numerel::fuzz
