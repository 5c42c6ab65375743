#include "storage/scramble.h"

#include <cstdint>

namespace vorlane {

namespace {
constexpr std::uint16_t kStart = 5738;
constexpr std::uint16_t kMultiplier = 31517;
constexpr std::uint16_t kAddend = 20743;

// The state always advances over the scrambled byte, so both directions
// walk the same sequence.
std::uint16_t advance(std::uint16_t state, std::uint8_t scrambledByte) {
    std::uint16_t sum = static_cast<std::uint16_t>(state + scrambledByte);
    std::uint16_t product = static_cast<std::uint16_t>(sum * kMultiplier);
    return static_cast<std::uint16_t>(product + kAddend);
}
}  // namespace

std::string Scramble(std::string_view plain) {
    std::string out(plain.size(), '\0');
    std::uint16_t state = kStart;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        auto c = static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain[i]) ^ (state >> 8));
        out[i] = static_cast<char>(c);
        state = advance(state, c);
    }
    return out;
}

std::string Unscramble(std::string_view scrambled) {
    std::string out(scrambled.size(), '\0');
    std::uint16_t state = kStart;
    for (std::size_t i = 0; i < scrambled.size(); ++i) {
        auto c = static_cast<std::uint8_t>(scrambled[i]);
        out[i] = static_cast<char>(c ^ (state >> 8));
        state = advance(state, c);
    }
    return out;
}

}  // namespace vorlane
