// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours of the drawn option and toggle buttons: the seven-colour palette, the
// darkened copy used while a button is held, and the pens drawn from it. Plain C++ so
// that the shade arithmetic is tested without a window.
#include "platform/ColorRef.h"

#include <array>
#include <optional>

namespace hn {

enum class DrawnKind { Option, Toggle };

// The pens, one per palette colour, in palette order.
enum class DrawnPen { Highlight, Light, Face, Mid, Shadow, Dark, DarkMix };

struct DrawnPalette {
    ColorRef highlight;
    ColorRef light;
    ColorRef face;
    ColorRef mid;
    ColorRef shadow;
    ColorRef dark;
    ColorRef darkMix;

    ColorRef Get(DrawnPen pen) const;
    friend bool operator==(const DrawnPalette&, const DrawnPalette&) = default;
};

// The system colours an option button's palette starts from.
struct OptionSystemColours {
    ColorRef btnHighlight; // COLOR_BTNHIGHLIGHT
    ColorRef light3D;      // COLOR_3DLIGHT
    ColorRef btnFace;      // COLOR_BTNFACE
    ColorRef btnShadow;    // COLOR_BTNSHADOW
    ColorRef dkShadow3D;   // COLOR_3DDKSHADOW
};

// Per channel: from + floor((to - from) / 2), the halving an arithmetic shift of the
// signed difference, so a darker `to` rounds towards it.
ColorRef HalfwayFloor(ColorRef from, ColorRef to);

// Option button: the five system colours plus mid (face halfway to shadow) and darkMix
// (shadow halfway to dark).
DrawnPalette MakeOptionPalette(const OptionSystemColours& sys);

// How much darker a held option's ball is drawn, per channel.
constexpr int kOptionPressedDarkening = 40;

// The held look of an option's ball: face, shadow, highlight, mid and light darkened by
// 40 per channel (not below 0); dark and darkMix stay. The palette passed in is left as
// it is, so releasing restores the exact colours even where darkening clipped at 0.
DrawnPalette DarkenPressedOption(const DrawnPalette& palette);

// How far the toggle's light and mid lie from its face, and how much darker its face
// is drawn while held.
constexpr int kToggleShadeStep = 51;

// Toggle button: face as given, light = face + 51, mid = face - 51 (each channel held
// within 0..255), shadow and dark from the system (COLOR_BTNSHADOW, COLOR_WINDOWFRAME).
// highlight and darkMix are unused and left black.
DrawnPalette MakeTogglePalette(ColorRef face, ColorRef btnShadow, ColorRef windowFrame);

// The held toggle: the palette of a face darkened by 51 per channel (not below 0).
DrawnPalette MakePressedTogglePalette(ColorRef face, ColorRef btnShadow, ColorRef windowFrame);

// Solid one-pixel pens for one palette. The toggle draws with five of them only: it
// has no highlight and no darkMix pen.
class DrawnPens {
public:
    DrawnPens() = default;
    DrawnPens(const DrawnPalette& palette, DrawnKind kind);

    bool Has(DrawnPen pen) const { return m_pens[Index(pen)].has_value(); }
    // The pen's colour; asking for a pen this kind does not build is a programming error.
    ColorRef Colour(DrawnPen pen) const;

private:
    static constexpr std::size_t Index(DrawnPen pen) { return static_cast<std::size_t>(pen); }
    std::array<std::optional<ColorRef>, 7> m_pens{};
};

} // namespace hn
