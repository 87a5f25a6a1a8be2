#pragma once
#include <cstdint>

struct Color {
    uint32_t rgb = 0; // 0xRRGGBB
    constexpr Color() = default;
    constexpr Color(uint32_t v) : rgb(v) { }
    constexpr int Red() const { return (rgb >> 16) & 0xFF; }
    constexpr int Green() const { return (rgb >> 8) & 0xFF; }
    constexpr int Blue() const { return rgb & 0xFF; }
};
