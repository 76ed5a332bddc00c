// Restore points, the comparison before an action, the dry run's lines and JSON, and the undo,
// over an in-memory machine that keeps whatever is written.
#include <gtest/gtest.h>

#include <numeric>

#include "core/command/json.h"
#include "core/oem/change_guard.h"
#include "core/preset/reg_codec.h"
#include "core/preset/reg_script.h"
#include "core/texts.h"
#include "restore_fakes.h"

namespace vx {
namespace {

using namespace fakes;
using S = std::wstring;
using Lines = std::vector<S>;
const S kOem = text::kOemKey;
RawValue Text(const S& t) { return ExpandableText(t); }
RawValue Sz(const S& t) { return {true, reg::kSz, reg::Utf16LeBytes(t + L'\0')}; }

// A brand's plan as its script reads, against a machine holding `model` and `logo`.
TEST(RestorePoint, ComparesTypeAndBytesAndSaysWhatWouldChange) {
    const S head = L"REGEDIT4\n[HKEY_LOCAL_MACHINE\\" + kOem + L"]\n";
    const struct Row {
        const char* row;
        S script;
        RawValue model;
        std::optional<std::string> logo, presetLogo;
        Lines lines;
    } rows[] = {
        {.row = "the same text and logo", .script = head + L"\"Model\"=\"K2\"\n", .model = Sz(L"K2"),
         .logo = "BM", .presetLogo = "BM", .lines = {L"oemlogo.bmp: 不变", text::kMsgUnchanged}},
        {.row = "the same text as another type", .script = head + L"\"Model\"=\"K2\"\n", .model = Text(L"K2"),
         .logo = "BM", .presetLogo = "BM", .lines = {L"Model: K2 -> K2", L"oemlogo.bmp: 不变"}},
        {.row = "set twice, the later counts; a new logo", .script = head + L"\"Model\"=-\n\"Model\"=dword:1f\n",
         .presetLogo = "BM", .lines = {L"Model: (无) -> hex(4):1f,00,00,00", L"oemlogo.bmp: 替换"}},
        {.row = "deleted; an unreadable preset logo", .script = head + L"\"Model\"=-\n", .model = Sz(L"K2"),
         .logo = "BM", .lines = {L"Model: K2 -> (无)", L"oemlogo.bmp: 替换"}},
        {.row = "an ANSI hex(2) decoded as the import does", .script = head + L"\"Model\"=hex(2):41,00\n",
         .model = Text(L"A"), .logo = "BM", .presetLogo = "BM", .lines = {L"oemlogo.bmp: 不变", text::kMsgUnchanged}},
        {.row = "a key beyond the OEM information", .script = head + L"[HKEY_LOCAL_MACHINE\\Run]\n", .logo = "BM",
         .presetLogo = "BM", .lines = {L"oemlogo.bmp: 不变", text::kWhatIfBeyondOem}},
    };
    for (const auto& r : rows) {
        FakeMachine m;
        if (r.model.exists) m.values[{kOem, L"Model"}] = r.model;
        m.logo = r.logo;
        const std::string bytes(r.script.begin(), r.script.end());
        const ScriptReading reading = ReadRegScript(bytes, [](std::string_view b) { return S(b.begin(), b.end()); });
        ChangeGuard guard(m.ports, L"o", true);
        const std::optional<ActionOutcome> said = guard.Check(BrandPlan(reading.changes, r.presetLogo));
        ASSERT_TRUE(said && said->kind == OutcomeKind::Done && m.writes == 0) << r.row;
        EXPECT_EQ(said->message, std::accumulate(r.lines.begin(), r.lines.end(), S(),
                                                 [](const S& a, const S& b) { return a.empty() ? b : a + L"\n" + b; }) +
                                     (r.lines.back() == text::kMsgUnchanged ? L"" : L"\n"))
            << r.row;
    }
}

TEST(RestorePoint, NamedByTheSecondWithSuffixesAndPrunedToTheNewest20) {
    const LocalTime t{2026, 12, 7, 9, 5, 3};
    EXPECT_EQ(NewRestorePointName(t, {}), L"20261207-090503");
    EXPECT_EQ(NewRestorePointName(t, {L"20261207-090503", L"20261207-090503-2"}), L"20261207-090503-3");
    const Lines names = {L"20261207-090503",   L"20261207-090503-10", L"x", L"20261207-090503-2",
                         L"20261208-000000",   L"20261207-090503-02", L"20261207-09050",
                         L"20261207-090503.partial"};
    EXPECT_EQ(NewestFirst(names), (Lines{L"20261208-000000", L"20261207-090503-10", L"20261207-090503-2",
                                         L"20261207-090503"}));
    EXPECT_EQ(RestorePointTime(L"20261207-090503-2"), L"2026-12-07 09:05:03");
    Lines many;
    for (int i = 0; i < 22; ++i) many.push_back(NewRestorePointName(t, many));
    EXPECT_EQ(ToPrune(many), (Lines{L"20261207-090503-2", L"20261207-090503"}));
}

TEST(Json, EverythingBeyondAsciiIsEscapedAndTheFormsAreAsScriptsReadThem) {
    const struct Row {
        S text, json;
    } rows[] = {
        {.text = L"a \"b\" \\ /", .json = L"\"a \\\"b\\\" \\\\ /\""},
        {.text = S(L"\n\t\x01\x7F", 4), .json = L"\"\\u000a\\u0009\\u0001\\u007f\""},
        {.text = L"联想：\U0001F600", .json = L"\"\\u8054\\u60f3\\uff1a\\ud83d\\ude00\""},
    };
    for (const Row& row : rows) EXPECT_EQ(JsonString(row.text), row.json);
    EXPECT_EQ(JsonOfNamedLines({L"Model=a=b", L"Logo="}), L"{\"Model\":\"a=b\",\"Logo\":\"\"}");
    Comparison c{{{L"Model", {}, Sz(L"K")}}, LogoChange::Remove};
    EXPECT_EQ(JsonOfComparison(c),
              L"{\"changes\":[{\"name\":\"Model\",\"from\":null,\"to\":\"K\"}],\"logo\":\"\\u5220\\u9664\"}");
    EXPECT_EQ(JsonOfRestorePoints({{L"n", L"o", {}}}), L"{\"restorePoints\":[{\"name\":\"n\",\"madeBy\":\"o\"}]}");
}

// A brand, then the undo: the point holds each value exactly (types, absence, the logo) and
// putting it back makes a point of its own; nothing to change writes nothing.
TEST(RestorePoint, UndoPutsBackExactlyAndMakesItsOwnPoint) {
    FakeMachine m;
    const RawValue odd{true, reg::kBinary, {0, 1, 0xFF}};
    m.values[{kOem, L"Model"}] = Sz(S(L"a\0b", 3));
    m.values[{kOem, L"SupportURL"}] = odd;
    const auto before = m.values;
    ChangeGuard guard(m.ports, L"窗口：应用品牌预设 K");
    Plan plan = BrandPlan({}, "BM new");
    plan.values = {{kOem, L"Model", Text(L"K2")}, {kOem, L"SupportURL", {}}};
    EXPECT_EQ(guard.Check(plan), std::nullopt);
    m.WriteLogo("BM new");
    for (const KeyedValue& v : plan.values) m.WriteValue(v.key, v.name, v.value);
    const S first = guard.restorePoint();
    EXPECT_EQ(ListRestorePoints(m).front().origin, L"窗口：应用品牌预设 K");

    ChangeGuard undo(m.ports, L"命令行：/restore");
    EXPECT_EQ(RunRestoreAction(L"", undo).message, text::kMsgRestoreDone + S(L"2026-12-07 15:30:00"));
    EXPECT_EQ(m.values, before);
    EXPECT_FALSE(m.logo) << "there was none";
    EXPECT_EQ(NewestFirst(m.Names()), (Lines{first + L"-2", first}));
    const int writes = m.writes;
    EXPECT_EQ(RunRestoreAction(first, undo).message, text::kMsgUnchanged);
    EXPECT_EQ(m.writes, writes);
    EXPECT_EQ(RunRestoreAction(L"19990101-000000", undo).kind, OutcomeKind::Refused);

    // A point that cannot be written stops the action before any change.
    m.refused = NewRestorePointName(m.now, m.Names());
    ChangeGuard clear(m.ports, L"o");
    const std::optional<ActionOutcome> stop = clear.Check(ClearPlan());
    ASSERT_TRUE(stop && stop->kind == OutcomeKind::Refused);
    EXPECT_EQ(stop->message, text::kMsgRestorePointUnwritable + (L"\n" + m.Folder()) + L"\\" + m.refused + L"（拒绝访问。）");
}

}  // namespace
}  // namespace vx
