#include "core/brand_list.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/texts.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitListLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitListLinesTest, EachLineBecomesOneEntryUnchanged) {
    EXPECT_EQ(SplitListLines(GetParam().bytes), GetParam().lines);
}

// GBK bytes of 青松电脑.
const std::string kGbkName = "\xC7\xE0\xCB\xC9\xB5\xE7\xC4\xD4";

INSTANTIATE_TEST_SUITE_P(
    ListFileCases, SplitListLinesTest,
    testing::Values(
        SplitCase{"EmptyFile", "", {}}, SplitCase{"LastLineWithoutLineEnd", "A\r\nB", {"A", "B"}},
        SplitCase{"FinalLineEndAddsNoEntry", "A\r\nB\r\n", {"A", "B"}},
        SplitCase{"BlankLineInTheMiddle", "A\r\n\r\nB\r\n", {"A", "", "B"}},
        SplitCase{"OnlyOneBlankLine", "\r\n", {""}},
        SplitCase{"TwoLineEndsMakeTwoBlankLines", "\r\n\r\n", {"", ""}},
        SplitCase{"DuplicatesKeptInFileOrder", "B\r\nA\r\nB\r\n", {"B", "A", "B"}},
        SplitCase{"SpacesAndTabsNotTrimmed", " A B \r\n\tC\t\r\n", {" A B ", "\tC\t"}},
        SplitCase{"FixedEntryTextIsAnOrdinaryLine",
                  "\xD7\xD4\xB6\xA8\xD2\xE5...\r\nA",
                  {"\xD7\xD4\xB6\xA8\xD2\xE5...", "A"}},
        SplitCase{"LoneCrEndsALine", "A\rB\r", {"A", "B"}},
        SplitCase{"LoneLfEndsALine", "A\nB\n", {"A", "B"}},
        SplitCase{"MixedLineEnds", "A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        SplitCase{"LfCrIsTwoLineEnds", "A\n\rB", {"A", "", "B"}},
        SplitCase{"CrCrLfIsTwoLineEnds", "A\r\r\nB", {"A", "", "B"}},
        SplitCase{"GbkBytesPassUntouched", kGbkName + "\r\nKestrel\r\n", {kGbkName, "Kestrel"}},
        SplitCase{"ByteOrderMarkStaysPartOfTheFirstLine",
                  "\xEF\xBB\xBF"
                  "A\r\n",
                  {"\xEF\xBB\xBF"
                   "A"}},
        SplitCase{"NoSorting", "Zeta\r\nalpha\r\nBeta", {"Zeta", "alpha", "Beta"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(SplitListLines, EmbeddedNulByteStaysInItsLine) {
    const std::string bytes("A\0B\r\nC", 6);
    EXPECT_EQ(SplitListLines(bytes), (Lines{std::string("A\0B", 3), "C"}));
}

struct KindCase {
    std::wstring entry;
    SelectionKind kind;
};

TEST(KindOf, ExactTextDecidesNeverAnythingElse) {
    const KindCase cases[] = {
        {L"自定义...", SelectionKind::Custom},
        {L"清除OEM信息...", SelectionKind::Clear},
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

TEST(KindOf, FixedEntryTextsAreTheOnesTheListAppends) {
    EXPECT_EQ(KindOf(text::kCustomEntry), SelectionKind::Custom);
    EXPECT_EQ(KindOf(text::kClearEntry), SelectionKind::Clear);
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
