#pragma once

// Sizes and positions of controls are given in twips (1/1440 inch), 15 to a
// pixel at the usual 96 dots per inch; a conversion rounds to the nearest
// pixel instead of cutting the fraction off.
constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
