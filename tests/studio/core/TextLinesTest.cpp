#include "studio/core/TextLines.h"

#include <gtest/gtest.h>

namespace studio {
namespace {

TEST(TextLines, OffsetsAndPositionsAgree)
{
    const std::string text = "ab\r\ncde\n\nf";
    const TextLines lines(text);
    EXPECT_EQ(lines.lineCount(), 4);
    struct Case {
        int line, column;
        size_t offset;
    };
    const Case cases[] = {
        {1, 1, 0}, {1, 3, 2}, {2, 1, 4}, {2, 4, 7}, {3, 1, 8}, {4, 1, 9}, {4, 2, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lines.offsetOf(c.line, c.column), c.offset) << c.line << "," << c.column;
        EXPECT_EQ(lines.lineOf(c.offset), c.line) << c.offset;
        EXPECT_EQ(lines.columnOf(c.offset), c.column) << c.offset;
    }
    // Positions beyond a line, the text or below 1 are clamped.
    EXPECT_EQ(lines.offsetOf(1, 99), 2u); // before the CR LF
    EXPECT_EQ(lines.offsetOf(99, 1), 9u);
    EXPECT_EQ(lines.offsetOf(0, 0), 0u);
    EXPECT_EQ(lines.lineLength(1), 2u);
    EXPECT_EQ(lines.lineLength(3), 0u);
}

TEST(TextLines, EmptyText)
{
    const TextLines lines("");
    EXPECT_EQ(lines.lineCount(), 1);
    EXPECT_EQ(lines.offsetOf(3, 3), 0u);
    EXPECT_EQ(lines.lineOf(5), 1);
}

} // namespace
} // namespace studio
