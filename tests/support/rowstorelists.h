#pragma once

// The results lists as they were kept before rows were worked out on demand:
// every row stored as one 64-bit word in a growing store. Kept as the oracle
// the on-demand lists are compared with, and as the "before" of the
// benchmarks.

#include "check/resultslist.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

// Rows are appended and removed at the end only, in fixed-size chunks.
class RowStore {
public:
    static constexpr int kChunkBits = 16;
    static constexpr std::size_t kChunkRows = std::size_t(1) << kChunkBits;
    static constexpr std::size_t kFirstRows = 512;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void push(const ResultRow& row) {
        if (size_ == capacity_) grow();
        (*this)[size_] = row;
        ++size_;
    }
    void pop(std::size_t n = 1) { size_ = n > size_ ? 0 : size_ - n; }
    ResultRow& back() { return (*this)[size_ - 1]; }
    ResultRow& operator[](std::size_t i) { return chunks_[i >> kChunkBits][i & (kChunkRows - 1)]; }
    const ResultRow& operator[](std::size_t i) const {
        return chunks_[i >> kChunkBits][i & (kChunkRows - 1)];
    }
    void clear() {
        chunks_.clear();
        size_ = capacity_ = 0;
    }
    std::size_t bytes() const {
        return capacity_ * sizeof(ResultRow) + chunks_.capacity() * sizeof(chunks_[0]);
    }

private:
    void grow();
    std::vector<std::unique_ptr<ResultRow[]>> chunks_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

struct RowStoreList {
    ListKind kind = ListKind::Simple;
    QList<PenaRecord> penas; // every peña, in record order
    QList<DrawRecord> draws; // the window, newest first
    RowStore rows;
};

// The two passes as they stored every row; they report a prize found.
PassResult rowStoreSimplePass(RowStoreList& list, const PassOptions& options);
PassResult rowStoreMultiplePass(RowStoreList& list, const PassOptions& options);
