#include "core/brand_list.h"

#include <gtest/gtest.h>

// No folder name holds CR or LF, so each ends a line on its own; nothing else is touched.
TEST(SplitListLines, CrLfALoneCrAndALoneLfEachEndOneLine) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"A\n\rB\r\r\n", {"A", "", "B", ""}},
        {" A \n\n", {" A ", ""}},
        {"", {}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(vx::SplitListLines(bytes), lines) << bytes;
}
