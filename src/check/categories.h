#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The 13 prize categories in the program's own fixed order: the order of
// PenaRecord::hits on disk, of a multiple bet's CategoryCounts and of the
// prize lines of the multiple list. Index k = 1..13.

// A colour as 0xRRGGBB; the core has no QColor.
using Rgb = std::uint32_t;
constexpr Rgb rgb(int r, int g, int b) {
    return Rgb(r) << 16 | Rgb(g) << 8 | Rgb(b);
}

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);
constexpr Rgb kPink = rgb(255, 128, 255);
constexpr Rgb kGreen = rgb(0, 192, 0);
constexpr Rgb kGrey = rgb(128, 128, 128);
constexpr Rgb kHeaderColour = rgb(128, 0, 0);
constexpr Rgb kDateColour = rgb(0, 128, 0);

struct PrizeCategory {
    int numbers; // numbers hit
    int stars;   // stars hit
};

// kCategoryTable[k - 1] for k = 1..13.
inline constexpr std::array<PrizeCategory, 13> kCategoryTable{{
    {5, 2},
    {5, 1},
    {5, 0},
    {4, 2},
    {4, 1},
    {4, 0},
    {3, 2},
    {2, 2},
    {3, 1},
    {3, 0},
    {1, 2},
    {2, 1},
    {2, 0},
}};

constexpr PrizeCategory category(int k) {
    return kCategoryTable[k - 1];
}

// Red for 1..3, blue for 4..6, pink for 7..9, green for 10..13.
constexpr Rgb categoryColour(int k) {
    return k <= 3 ? kRed : k <= 6 ? kBlue : k <= 9 ? kPink : kGreen;
}

// " apuestas de 3+0": the label of a multiple bet's prize line.
QString prizeLineLabel(int k);
