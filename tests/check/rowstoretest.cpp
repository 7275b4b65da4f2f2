#include "check/rowstore.h"

#include <gtest/gtest.h>

// Rows keep their values across the first chunk's growth and the step to
// further chunks, after rows are removed from the end and pushed again, and a
// short list holds little memory.
TEST(RowStore, KeepsEveryRowAcrossGrowthAndRemoval) {
    const std::size_t chunk = RowStore::kChunkRows;
    for (std::size_t count :
         {std::size_t(0), std::size_t(1), RowStore::kFirstRows, RowStore::kFirstRows + 1, chunk - 1,
          chunk, chunk + 1, 2 * chunk + 7}) {
        SCOPED_TRACE(count);
        RowStore rows;
        auto rowAt = [](std::size_t i) {
            return makeRow(RowKind(i % 5), int(i % 32749), int((i / 7) % 32749));
        };
        auto same = [](const ResultRow& a, const ResultRow& b) {
            return a.kind == b.kind && a.pena == b.pena && a.draw == b.draw;
        };
        for (std::size_t i = 0; i < count; ++i)
            rows.push(rowAt(i));
        ASSERT_EQ(rows.size(), count);
        const std::size_t removed = std::min<std::size_t>(count, 3);
        rows.pop(removed);
        for (std::size_t i = count - removed; i < count + 2; ++i)
            rows.push(rowAt(i));
        ASSERT_EQ(rows.size(), count + 2);
        for (std::size_t i = 0; i < rows.size(); ++i)
            ASSERT_TRUE(same(rows[i], rowAt(i))) << "row " << i;
        if (count <= RowStore::kFirstRows) {
            EXPECT_LE(rows.bytes(), 2 * RowStore::kFirstRows * sizeof(ResultRow) + 64);
        }
        EXPECT_LE(rows.bytes(), (rows.size() + chunk) * sizeof(ResultRow) + 64);
        rows.clear();
        EXPECT_TRUE(rows.empty());
        EXPECT_EQ(rows.bytes(), 0u);
    }
}
