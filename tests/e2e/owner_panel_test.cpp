// The owner panel of the real Vendrix.exe: the menu command widens and narrows the window and
// loads the registered owner, organization and product name; the save button writes them back.
// Each test sets the prefix's three values to known ones and restores the originals after.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/main_layout.h"
#include "core/texts.h"
#include "driver.h"

namespace e2e {
namespace {

using namespace vx::main_ids;

constexpr const wchar_t* kOwnerKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::array<const wchar_t*, 3> kNames = {L"RegisteredOwner", L"RegisteredOrganization",
                                                  L"ProductName"};
const std::wstring kForeign = L"\u00C6r\u00F8sk\u00F8bing \U0001F600";

int Px(int twips) { return (twips * 96 + 720) / 1440; }
int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void DeleteOwnerValue(const wchar_t* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kOwnerKey, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS)
        return;
    ::RegDeleteValueW(key, name);
    ::RegCloseKey(key);
}

RegValue Owner(int i) { return ReadRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, kNames[i]); }

void SetOwner(int i, const std::wstring& text, DWORD type = REG_SZ) {
    WriteRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, kNames[i], type, Utf16Bytes(text));
}

std::wstring Environment(const wchar_t* name) {
    wchar_t buffer[1024];
    const DWORD n = ::GetEnvironmentVariableW(name, buffer, 1024);
    return n && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

struct Panel {
    HWND main = nullptr;
    std::array<HWND, 3> boxes{};  // Text1, Text2, Text3
    HWND save = nullptr;
};

class OwnerPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) saved_[i] = Owner(i);
        SetOwner(0, L"Owner A");
        SetOwner(1, L"Org B");
        SetOwner(2, L"Product C");
    }
    void TearDown() override {
        for (int i = 0; i < 3; ++i) {
            if (saved_[i].exists)
                WriteRegValue(HKEY_LOCAL_MACHINE, kOwnerKey, kNames[i], saved_[i].type,
                              saved_[i].data);
            else
                DeleteOwnerValue(kNames[i]);
        }
    }

    Panel Start(Vendrix& app) {
        Panel p;
        p.main = app.Main();
        if (!p.main) return p;
        p.boxes = {ChildAt(p.main, L"Edit", 2820, 720), ChildAt(p.main, L"Edit", 2820, 1695),
                   ChildAt(p.main, L"Edit", 2820, 2685)};
        p.save = ChildByText(p.main, L"Button", vx::text::kSave);
        return p;
    }

    static bool WidthIs(const Panel& p, int twips) {
        return WaitUntil([&] { return Width(OuterRect(p.main)) == Px(twips); });
    }
    static bool BoxesShow(const Panel& p, const std::array<std::wstring, 3>& texts) {
        return WaitUntil([&] {
            for (int i = 0; i < 3; ++i)
                if (TextOf(p.boxes[i]) != texts[i]) return false;
            return true;
        });
    }
    static void Toggle(const Panel& p) { ChooseMenu(p.main, kMenu2); }
    // Presses Tab in the focused control until `target` has the focus (bounded).
    static bool TabTo(const Panel& p, HWND target) {
        for (int i = 0; i < 16; ++i) {
            HWND focus = FocusOf(p.main);
            if (focus == target) return true;
            PostKey(focus ? focus : p.main, VK_TAB);
            WaitUntil([&] { return FocusOf(p.main) != focus; }, 2s);
        }
        return FocusOf(p.main) == target;
    }
    static std::pair<int, int> Selection(HWND box) {
        DWORD_PTR packed = 0;
        ::SendMessageTimeoutW(box, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &packed);
        return {LOWORD(packed), HIWORD(packed)};
    }
    static void SaveAndExpect(const Vendrix& app, const Panel& p, const std::wstring& message) {
        Click(p.save);
        const MessageBoxInfo box = WaitMessageBox(app);
        ASSERT_NE(box.hwnd, nullptr) << "no message box after the save";
        EXPECT_EQ(box.title, vx::text::kAppTitle);
        EXPECT_EQ(box.text, message);
        PressOk(box);
    }

    std::array<RegValue, 3> saved_;
};

TEST_F(OwnerPanel, ToggleExpandsWithValuesCollapsesKeepingBoxesAndReloadsDiscardingEdits) {
    ScratchFolder folder(L"owner-toggle");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    const Panel p = Start(app);
    ASSERT_NE(p.main, nullptr);
    for (HWND box : p.boxes) ASSERT_NE(box, nullptr);
    const RECT start = OuterRect(p.main);
    EXPECT_LT(Width(start) * 15, 3000) << "the window starts narrow";
    EXPECT_TRUE(BoxesShow(p, {L"Text1", L"Text1", L"Text1"}));

    Toggle(p);
    ASSERT_TRUE(WidthIs(p, 5000)) << Width(OuterRect(p.main));
    EXPECT_TRUE(BoxesShow(p, {L"Owner A", L"Org B", L"Product C"}));
    RECT r = OuterRect(p.main);
    EXPECT_EQ(r.left, start.left);
    EXPECT_EQ(Height(r), Height(start));

    SetText(p.boxes[0], L"unsaved edit");
    SetOwner(2, L"Product D");  // changed outside: the next expansion must read it afresh
    Toggle(p);
    ASSERT_TRUE(WidthIs(p, 2600)) << Width(OuterRect(p.main));
    r = OuterRect(p.main);
    EXPECT_EQ(r.left, start.left);
    EXPECT_EQ(Height(r), Height(start));
    EXPECT_TRUE(BoxesShow(p, {L"unsaved edit", L"Org B", L"Product C"}));

    Toggle(p);
    ASSERT_TRUE(WidthIs(p, 5000));
    EXPECT_TRUE(BoxesShow(p, {L"Owner A", L"Org B", L"Product D"}));

    // Toggling only reads.
    EXPECT_EQ(Owner(0).type, DWORD{REG_SZ});
    EXPECT_EQ(Owner(0).data, Utf16Bytes(L"Owner A"));
    EXPECT_TRUE(NoMessageBox(app));
}

TEST_F(OwnerPanel, SaveWritesTheBoxesAsExpandableTextAndReferencesShowExpanded) {
    const std::wstring user = Environment(L"USERNAME");
    ASSERT_FALSE(user.empty());
    ASSERT_NE(user, L"%USERNAME%");
    ScratchFolder folder(L"owner-save");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    const Panel p = Start(app);
    ASSERT_NE(p.main, nullptr);
    ASSERT_NE(p.save, nullptr);
    Toggle(p);
    ASSERT_TRUE(BoxesShow(p, {L"Owner A", L"Org B", L"Product C"}));

    SetText(p.boxes[0], L"\u65B0\u7528\u6237 1");
    SetText(p.boxes[1], L"");
    SetText(p.boxes[2], L"%USERNAME%");
    SaveAndExpect(app, p, vx::text::kMsgOwnerSaved);

    const std::wstring stored[] = {L"\u65B0\u7528\u6237 1", L"", L"%USERNAME%"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RegValue v = Owner(i);
        ASSERT_TRUE(v.exists) << "an emptied box must not delete the value";
        EXPECT_EQ(v.type, DWORD{REG_EXPAND_SZ}) << "stored as REG_SZ before the save";
        EXPECT_EQ(v.data, Utf16Bytes(stored[i]));
    }

    Toggle(p);
    ASSERT_TRUE(WidthIs(p, 2600));
    Toggle(p);
    ASSERT_TRUE(WidthIs(p, 5000));
    EXPECT_TRUE(BoxesShow(p, {L"\u65B0\u7528\u6237 1", L"", user}));
}

TEST_F(OwnerPanel, OwnerOutsideCodePage936SurvivesExpandSaveExpand) {
    SetOwner(0, kForeign);
    ScratchFolder folder(L"owner-foreign");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    const Panel p = Start(app);
    ASSERT_NE(p.main, nullptr);
    Toggle(p);
    ASSERT_TRUE(BoxesShow(p, {kForeign, L"Org B", L"Product C"}));
    SaveAndExpect(app, p, vx::text::kMsgOwnerSaved);
    EXPECT_EQ(Owner(0).type, DWORD{REG_EXPAND_SZ});
    EXPECT_EQ(Owner(0).data, Utf16Bytes(kForeign));
    Toggle(p);
    ASSERT_TRUE(WidthIs(p, 2600));
    Toggle(p);
    ASSERT_TRUE(WidthIs(p, 5000));
    EXPECT_TRUE(BoxesShow(p, {kForeign, L"Org B", L"Product C"}));
}

TEST_F(OwnerPanel, SaveBeforeTheFirstExpansionWritesNothingAndSaysToExpand) {
    ScratchFolder folder(L"owner-unloaded");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    const Panel p = Start(app);
    ASSERT_NE(p.main, nullptr);
    ASSERT_NE(p.save, nullptr);
    const RECT start = OuterRect(p.main);
    std::array<RegValue, 3> before;
    for (int i = 0; i < 3; ++i) before[i] = Owner(i);

    // The save button lies beyond the window's edge but Tab still reaches it.
    ASSERT_TRUE(TabTo(p, p.save));
    PostKey(p.save, VK_SPACE);
    const MessageBoxInfo box = WaitMessageBox(app);
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(box.title, vx::text::kAppTitle);
    EXPECT_EQ(box.text, vx::text::kMsgOwnerNotLoaded);
    PressOk(box);

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RegValue v = Owner(i);
        EXPECT_TRUE(v.exists);
        EXPECT_EQ(v.type, before[i].type);
        EXPECT_EQ(v.data, before[i].data);
    }
    EXPECT_EQ(Width(OuterRect(p.main)), Width(start));
}

TEST_F(OwnerPanel, TabbingIntoABoxSelectsAllSoTypingReplacesIt) {
    ScratchFolder folder(L"owner-focus");
    folder.AddSamplePresets();
    Vendrix app(folder.path());
    const Panel p = Start(app);
    ASSERT_NE(p.main, nullptr);
    Toggle(p);
    ASSERT_TRUE(BoxesShow(p, {L"Owner A", L"Org B", L"Product C"}));

    // Tab order runs Text1, Text3, Text2.
    const struct {
        int box;
        int length;
    } order[] = {{0, 7}, {2, 9}, {1, 5}};
    for (const auto& step : order) {
        SCOPED_TRACE(step.box);
        ASSERT_TRUE(TabTo(p, p.boxes[step.box]));
        EXPECT_TRUE(WaitUntil([&] {
            return Selection(p.boxes[step.box]) == std::make_pair(0, step.length);
        })) << Selection(p.boxes[step.box]).first
            << ".." << Selection(p.boxes[step.box]).second;
    }
    ::PostMessageW(p.boxes[1], WM_CHAR, L'Z', 1);
    EXPECT_TRUE(BoxesShow(p, {L"Owner A", L"Z", L"Product C"}));
}

}  // namespace
}  // namespace e2e
