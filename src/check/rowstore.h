#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The rows of a results list, kept as a few small integers each; the texts
// and colours are produced when a row is shown.

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

// Rows are appended and removed at the end only. Kept in fixed-size chunks so
// that growing never copies more than the first chunk's rows nor needs twice
// the space. The first chunk starts small and doubles up to a whole chunk, so
// a short list holds only a few kilobytes.
class RowStore {
public:
    static constexpr int kChunkBits = 16;
    static constexpr std::size_t kChunkRows = std::size_t(1) << kChunkBits;
    static constexpr std::size_t kFirstRows = 512;
    static_assert(kChunkRows % kFirstRows == 0 && (kFirstRows & (kFirstRows - 1)) == 0,
                  "the first chunk doubles to exactly a whole chunk");

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    void push(const ResultRow& row) {
        if (size_ == capacity_) grow();
        (*this)[size_] = row;
        ++size_;
    }
    // Removes the last n rows.
    void pop(std::size_t n = 1) { size_ = n > size_ ? 0 : size_ - n; }
    ResultRow& back() { return (*this)[size_ - 1]; }

    ResultRow& operator[](std::size_t i) { return chunks_[i >> kChunkBits][i & (kChunkRows - 1)]; }
    const ResultRow& operator[](std::size_t i) const {
        return chunks_[i >> kChunkBits][i & (kChunkRows - 1)];
    }

    void clear() {
        chunks_.clear();
        chunks_.shrink_to_fit();
        size_ = 0;
        capacity_ = 0;
    }
    // Bytes held for rows, including the unused end of the last chunk.
    std::size_t bytes() const {
        return capacity_ * sizeof(ResultRow) + chunks_.capacity() * sizeof(chunks_[0]);
    }

private:
    void grow() {
        if (capacity_ >= kChunkRows) {
            chunks_.push_back(std::make_unique_for_overwrite<ResultRow[]>(kChunkRows));
            capacity_ += kChunkRows;
            return;
        }
        const std::size_t rows = capacity_ == 0 ? kFirstRows : capacity_ * 2;
        auto first = std::make_unique_for_overwrite<ResultRow[]>(rows);
        if (chunks_.empty()) {
            chunks_.push_back(std::move(first));
        } else {
            std::copy_n(chunks_[0].get(), size_, first.get());
            chunks_[0] = std::move(first);
        }
        capacity_ = rows;
    }

    std::vector<std::unique_ptr<ResultRow[]>> chunks_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0; // rows the chunks hold
};
