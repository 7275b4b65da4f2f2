#pragma once

#include <cstddef>
#include <cstdint>

// One row of a results list as a few small integers: what kind of row, which
// peña and draw, which bet or prize. Worked out when the row is asked for;
// the texts and colours are produced from it when it is shown.

enum class RowKind : std::uint8_t {
    Separator = 0,
    PenaHeader = 1,
    DrawDate = 2,
    Bet = 3,
    PrizeLine = 4, // a further prize line of a multiple bet
};

struct ResultRow {
    std::uint64_t kind : 3;
    std::uint64_t category : 4; // 0 none, 1..13
    std::uint64_t hits : 15;    // bits 0..9 hit number positions, 10..14 hit star positions
    std::uint64_t aux : 11;     // simple bet: its index (from 0); multiple prize: the count
    std::uint64_t pena : 15;    // peña record - 1
    std::uint64_t draw : 15;    // position in the draw window, newest first

    RowKind rowKind() const { return RowKind(kind); }
};
static_assert(sizeof(ResultRow) == 8, "a results row is one 64-bit word");

constexpr int kStarHitShift = 10;
constexpr unsigned kMaxRowCount = (1u << 11) - 1;

inline ResultRow makeRow(RowKind kind, int pena, int draw) {
    ResultRow r{};
    r.kind = std::uint64_t(kind);
    r.pena = std::uint64_t(pena);
    r.draw = std::uint64_t(draw);
    return r;
}
