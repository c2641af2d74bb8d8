// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour as the dialogs handle it: one packed 0x00BBGGRR value (red in the lowest
// byte). Shades are worked out channel by channel and held within 0..255: offsetting
// the packed value as a whole carries one channel into the next and turns a light face
// black. Plain C++ so that palette arithmetic can be tested without a window.
#include <algorithm>
#include <compare>
#include <cstdint>

namespace hn {

class ColorRef {
public:
    constexpr ColorRef() = default;
    constexpr explicit ColorRef(std::uint32_t packed) : m_packed(packed & 0x00FFFFFFu) {}

    static constexpr ColorRef Rgb(int r, int g, int b)
    {
        return ColorRef(static_cast<std::uint32_t>(Clamp(r)) | (static_cast<std::uint32_t>(Clamp(g)) << 8) |
                        (static_cast<std::uint32_t>(Clamp(b)) << 16));
    }

    constexpr int Red() const { return static_cast<int>(m_packed & 0xFFu); }
    constexpr int Green() const { return static_cast<int>((m_packed >> 8) & 0xFFu); }
    constexpr int Blue() const { return static_cast<int>((m_packed >> 16) & 0xFFu); }
    constexpr std::uint32_t Packed() const { return m_packed; }

    // Every channel moved by delta and held within 0..255.
    constexpr ColorRef Shifted(int delta) const { return Rgb(Red() + delta, Green() + delta, Blue() + delta); }

    friend constexpr bool operator==(ColorRef, ColorRef) = default;

private:
    static constexpr int Clamp(int v) { return std::clamp(v, 0, 255); }
    std::uint32_t m_packed = 0;
};

} // namespace hn
