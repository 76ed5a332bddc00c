#include "core/brand_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/texts.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

// The list file cases a user meets are shown on the real program; these are the finer ones.
struct SplitCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

TEST(SplitListLines, EachLineBecomesOneEntryUnchanged) {
    const SplitCase cases[] = {
        {"only one blank line", "\r\n", {""}},
        {"two line ends make two blank lines", "\r\n\r\n", {"", ""}},
        {"mixed line ends", "A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"LF CR is two line ends", "A\n\rB", {"A", "", "B"}},
        {"CR CR LF is two line ends", "A\r\r\nB", {"A", "", "B"}},
        {"byte order mark stays in the first line",
         "\xEF\xBB\xBF"
         "A\r\n",
         {"\xEF\xBB\xBF"
          "A"}},
        {"no sorting", "Zeta\r\nalpha\r\nBeta", {"Zeta", "alpha", "Beta"}},
        {"embedded NUL byte", std::string("A\0B\r\nC", 6), {std::string("A\0B", 3), "C"}},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(SplitListLines(c.bytes), c.lines) << c.name;
}

struct KindCase {
    std::wstring entry;
    SelectionKind kind;
};

TEST(KindOf, ExactTextDecidesNeverAnythingElse) {
    const KindCase cases[] = {
        {text::kCustomEntry, SelectionKind::Custom},
        {text::kClearEntry, SelectionKind::Clear},
        {L"Aurora PC", SelectionKind::Brand},
        {L"", SelectionKind::Brand},
        // Near misses are brands: no trimming, case-sensitive, ASCII full stops only.
        {L" 自定义...", SelectionKind::Brand},
        {L"自定义... ", SelectionKind::Brand},
        {L"自定义..", SelectionKind::Brand},
        {L"自定义…", SelectionKind::Brand},
        {L"清除oem信息...", SelectionKind::Brand},
        {L"清除OEM信息。。。", SelectionKind::Brand},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(KindOf(cases[i].entry), cases[i].kind) << "case " << i;
}

TEST(PresetPaths, BuiltFromTheBrandTextExactlyAsListed) {
    const std::wstring folder = L"C:\\Tools\\Vendrix";
    EXPECT_EQ(ListFilePath(folder), L"C:\\Tools\\Vendrix\\oemlist.ini");
    EXPECT_EQ(PresetFolder(folder, L"Aurora PC"), L"C:\\Tools\\Vendrix\\oemdata\\Aurora PC");
    EXPECT_EQ(PresetLogoPath(folder, L"青松电脑"),
              L"C:\\Tools\\Vendrix\\oemdata\\青松电脑\\oemlogo.bmp");
    // Leading and trailing spaces stay in both paths.
    EXPECT_EQ(PresetFolder(folder, L" Kestrel "), L"C:\\Tools\\Vendrix\\oemdata\\ Kestrel ");
    EXPECT_EQ(PresetLogoPath(folder, L" Kestrel "),
              L"C:\\Tools\\Vendrix\\oemdata\\ Kestrel \\oemlogo.bmp");
    // An empty entry names the preset root itself, which holds no logo of its own.
    EXPECT_EQ(PresetLogoPath(folder, L""), L"C:\\Tools\\Vendrix\\oemdata\\\\oemlogo.bmp");
}

}  // namespace
}  // namespace vx
