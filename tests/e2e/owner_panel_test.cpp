// The owner panel of the real Vendrix.exe: the menu command widens and narrows the window and
// loads the registered owner, organization and product name; the save button writes them back.
// Each test sets the prefix's three values to known ones and restores the originals after.
#include <gtest/gtest.h>

#include <array>
#include <optional>
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

    // Starts Vendrix in a fresh program folder and finds the panel's boxes and save button.
    void Start(const std::wstring& name) {
        folder_.emplace(name);
        folder_->AddSamplePresets();
        app_.emplace(folder_->path());
        main_ = app_->Main();
        ASSERT_NE(main_, nullptr);
        boxes_ = {ChildAt(main_, L"Edit", 2820, 720), ChildAt(main_, L"Edit", 2820, 1695),
                  ChildAt(main_, L"Edit", 2820, 2685)};
        for (HWND box : boxes_) ASSERT_NE(box, nullptr);
        save_ = ChildByText(main_, L"Button", vx::text::kSave);
        ASSERT_NE(save_, nullptr);
    }

    // Chooses the menu command and waits for the width it must give.
    void Toggle(int expectedTwips) {
        ChooseMenu(main_, kMenu2);
        EXPECT_TRUE(WaitUntil([&] { return Width(OuterRect(main_)) == Px(expectedTwips); }))
            << Width(OuterRect(main_));
    }
    bool BoxesShow(const std::array<std::wstring, 3>& texts) const {
        return WaitUntil([&] {
            for (int i = 0; i < 3; ++i)
                if (TextOf(boxes_[i]) != texts[i]) return false;
            return true;
        });
    }
    // Presses Tab in the focused control until `target` has the focus (bounded).
    bool TabTo(HWND target) const {
        for (int i = 0; i < 16; ++i) {
            HWND focus = FocusOf(main_);
            if (focus == target) return true;
            PostKey(focus ? focus : main_, VK_TAB);
            WaitUntil([&] { return FocusOf(main_) != focus; }, 2s);
        }
        return FocusOf(main_) == target;
    }
    static std::pair<int, int> Selection(HWND box) {
        DWORD_PTR packed = 0;
        ::SendMessageTimeoutW(box, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &packed);
        return {LOWORD(packed), HIWORD(packed)};
    }
    // The message box the save brings, answered.
    std::wstring SaveMessage() const {
        const MessageBoxInfo box = WaitMessageBox(*app_);
        EXPECT_NE(box.hwnd, nullptr) << "no message box after the save";
        EXPECT_EQ(box.title, vx::text::kAppTitle);
        PressOk(box);
        return box.text;
    }

    std::array<RegValue, 3> saved_;
    std::optional<ScratchFolder> folder_;
    std::optional<Vendrix> app_;
    HWND main_ = nullptr;
    std::array<HWND, 3> boxes_{};  // Text1, Text2, Text3
    HWND save_ = nullptr;
};

TEST_F(OwnerPanel, ToggleExpandsWithValuesCollapsesKeepingBoxesAndReloadsDiscardingEdits) {
    ASSERT_NO_FATAL_FAILURE(Start(L"owner-toggle"));
    const RECT start = OuterRect(main_);
    EXPECT_LT(Width(start) * 15, 3000) << "the window starts narrow";
    EXPECT_TRUE(BoxesShow({L"Text1", L"Text1", L"Text1"}));

    Toggle(5000);
    EXPECT_TRUE(BoxesShow({L"Owner A", L"Org B", L"Product C"}));
    SetText(boxes_[0], L"unsaved edit");
    SetOwner(2, L"Product D");  // changed outside: the next expansion must read it afresh
    Toggle(2600);
    EXPECT_TRUE(BoxesShow({L"unsaved edit", L"Org B", L"Product C"}));
    const RECT r = OuterRect(main_);
    EXPECT_EQ(r.left, start.left);
    EXPECT_EQ(Height(r), Height(start));
    Toggle(5000);
    EXPECT_TRUE(BoxesShow({L"Owner A", L"Org B", L"Product D"}));

    // Toggling only reads.
    EXPECT_EQ(Owner(0).type, DWORD{REG_SZ});
    EXPECT_EQ(Owner(0).data, Utf16Bytes(L"Owner A"));
    EXPECT_TRUE(NoMessageBox(*app_));
}

TEST_F(OwnerPanel, SaveWritesTheBoxesAsExpandableTextAndTheyShowExpandedAfterwards) {
    const std::wstring user = Environment(L"USERNAME");
    ASSERT_FALSE(user.empty());
    ASSERT_NE(user, L"%USERNAME%");
    SetOwner(0, kForeign);
    ASSERT_NO_FATAL_FAILURE(Start(L"owner-save"));
    Toggle(5000);
    // The owner outside code page 936 is left as shown; the others are edited.
    ASSERT_TRUE(BoxesShow({kForeign, L"Org B", L"Product C"}));
    SetText(boxes_[1], L"");
    SetText(boxes_[2], L"%USERNAME%");
    Click(save_);
    EXPECT_EQ(SaveMessage(), vx::text::kMsgOwnerSaved);

    const std::wstring stored[] = {kForeign, L"", L"%USERNAME%"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RegValue v = Owner(i);
        ASSERT_TRUE(v.exists) << "an emptied box must not delete the value";
        EXPECT_EQ(v.type, DWORD{REG_EXPAND_SZ}) << "stored as REG_SZ before the save";
        EXPECT_EQ(v.data, Utf16Bytes(stored[i]));
    }
    Toggle(2600);
    Toggle(5000);
    EXPECT_TRUE(BoxesShow({kForeign, L"", user}));
}

TEST_F(OwnerPanel, SaveBeforeTheFirstExpansionWritesNothingAndSaysToExpand) {
    ASSERT_NO_FATAL_FAILURE(Start(L"owner-unloaded"));
    const int width = Width(OuterRect(main_));
    std::array<RegValue, 3> before;
    for (int i = 0; i < 3; ++i) before[i] = Owner(i);

    // The save button lies beyond the window's edge but Tab still reaches it.
    ASSERT_TRUE(TabTo(save_));
    PostKey(save_, VK_SPACE);
    EXPECT_EQ(SaveMessage(), vx::text::kMsgOwnerNotLoaded);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Owner(i).type, before[i].type);
        EXPECT_EQ(Owner(i).data, before[i].data);
    }
    EXPECT_EQ(Width(OuterRect(main_)), width);
}

TEST_F(OwnerPanel, TabbingIntoABoxSelectsAllSoTypingReplacesIt) {
    ASSERT_NO_FATAL_FAILURE(Start(L"owner-focus"));
    Toggle(5000);
    ASSERT_TRUE(BoxesShow({L"Owner A", L"Org B", L"Product C"}));

    // Tab order runs Text1, Text3, Text2.
    const struct {
        int box;
        int length;
    } order[] = {{0, 7}, {2, 9}, {1, 5}};
    for (const auto& step : order) {
        SCOPED_TRACE(step.box);
        ASSERT_TRUE(TabTo(boxes_[step.box]));
        EXPECT_TRUE(WaitUntil(
            [&] { return Selection(boxes_[step.box]) == std::make_pair(0, step.length); }));
    }
    ::PostMessageW(boxes_[1], WM_CHAR, L'Z', 1);
    EXPECT_TRUE(BoxesShow({L"Owner A", L"Z", L"Product C"}));
}

}  // namespace
}  // namespace e2e
