#include "core/owner_panel.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/texts.h"

namespace vx {
namespace {

const std::wstring kKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// An in-memory registry that records every call in order.
class FakeRegistry : public RegistryPort {
  public:
    struct Call {
        std::wstring op, key, name;
        AnyValue value;
        int valueType = 0, flag = 0;
    };
    std::vector<Call> calls;
    std::map<std::wstring, AnyValue> values;
    std::set<std::wstring> failingWrites;

    bool SetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                          const AnyValue& value, int valueType, int flag) override {
        calls.push_back({L"set", keyName, valueName, value, valueType, flag});
        if (failingWrites.count(valueName)) return false;
        values[valueName] = value;
        return true;
    }
    AnyValue GetRegistryValue(const std::wstring& keyName, const std::wstring& valueName,
                              const AnyValue& defaultValue) override {
        calls.push_back({L"get", keyName, valueName, defaultValue, 0, 0});
        const auto it = values.find(valueName);
        return it == values.end() ? defaultValue : it->second;
    }
};

// ---- The toggle: which way it goes from the window's outer width.

struct ToggleCase {
    int pixels, dpi;
    bool expanded;
};

TEST(PanelToggle, ThreeThousandTwipsOrMoreCountsAsExpanded) {
    const ToggleCase cases[] = {
        // 96 DPI: 15 twips a pixel, 3000 twips = 200 pixels.
        {199, 96, false},
        {200, 96, true},
        {201, 96, true},
        {174, 96, false},  // the start width and the collapsed width are well below
        {333, 96, true},   // the expanded width
        {0, 96, false},
        // 120 DPI: 12 twips a pixel, 3000 twips = 250 pixels.
        {249, 120, false},
        {250, 120, true},
        // 144 DPI: 10 twips a pixel, 3000 twips = 300 pixels.
        {299, 144, false},
        {300, 144, true},
        // 97 DPI: 3000 twips are 202.08 pixels; 202 is just short of it.
        {202, 97, false},
        {203, 97, true},
    };
    for (const ToggleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels << " px at " << c.dpi << " DPI");
        EXPECT_EQ(IsPanelExpanded(c.pixels, c.dpi), c.expanded);
        const PanelToggle t = DecideToggle(c.pixels, c.dpi);
        if (c.expanded) {
            EXPECT_EQ(t.widthTwips, 2600);
            EXPECT_STREQ(t.caption, text::kMenuExpand);
            EXPECT_FALSE(t.load);
        } else {
            EXPECT_EQ(t.widthTwips, 5000);
            EXPECT_STREQ(t.caption, text::kMenuCollapse);
            EXPECT_TRUE(t.load);
        }
    }
}

TEST(PanelToggle, EachNewWidthLeadsBackTheOtherWay) {
    // The widths set are rounded to pixels; read back they must still land on their side.
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const int collapsed = (2600 * dpi + 720) / 1440;
        const int expanded = (5000 * dpi + 720) / 1440;
        EXPECT_TRUE(DecideToggle(collapsed, dpi).load);
        EXPECT_FALSE(DecideToggle(expanded, dpi).load);
    }
}

// ---- Loading the boxes.

TEST(OwnerPanelLoad, ReadsTheThreeValuesInOrderWithAnEmptyTextDefault) {
    FakeRegistry registry;
    registry.values = {{L"RegisteredOwner", AnyValue::FromText(L"Owner")},
                       {L"RegisteredOrganization", AnyValue::FromText(L"Org")},
                       {L"ProductName", AnyValue::FromText(L"Product")}};
    OwnerPanel panel;
    EXPECT_FALSE(panel.loaded());
    EXPECT_EQ(panel.Load(registry), (OwnerTexts{L"Owner", L"Org", L"Product"}));
    EXPECT_TRUE(panel.loaded());
    ASSERT_EQ(registry.calls.size(), 3u);
    const wchar_t* order[] = {L"RegisteredOwner", L"RegisteredOrganization", L"ProductName"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(registry.calls[i].op, L"get");
        EXPECT_EQ(registry.calls[i].key, kKey);
        EXPECT_EQ(registry.calls[i].name, order[i]);
        EXPECT_EQ(registry.calls[i].value, AnyValue::FromText(L""));
    }
}

TEST(OwnerPanelLoad, ValuesThatAreNotTextShowAsTheirText) {
    FakeRegistry registry;
    registry.values = {{L"RegisteredOwner", AnyValue::FromInt32(-5)},
                       {L"RegisteredOrganization", AnyValue()},
                       {L"ProductName", AnyValue::FromBytes({'W', 'i', 'n'})}};
    OwnerPanel panel;
    EXPECT_EQ(panel.Load(registry), (OwnerTexts{L"-5", L"", L"Win"}));
}

TEST(OwnerPanelLoad, MissingValuesGiveEmptyBoxes) {
    FakeRegistry registry;
    OwnerPanel panel;
    EXPECT_EQ(panel.Load(registry), (OwnerTexts{L"", L"", L""}));
    EXPECT_TRUE(panel.loaded());
}

// ---- Saving.

TEST(OwnerPanelSave, BeforeTheFirstLoadWritesNothingAndSaysToExpandFirst) {
    FakeRegistry registry;
    const OwnerPanel panel;
    const std::wstring message =
        panel.Save(registry, {text::kTextPlaceholder, text::kTextPlaceholder, L"x"});
    EXPECT_TRUE(registry.calls.empty());
    EXPECT_EQ(message, text::kMsgOwnerNotLoaded);
    EXPECT_NE(message.find(text::kMenuExpand), std::wstring::npos);
}

TEST(OwnerPanelSave, WritesTheThreeBoxesInOrderAsExpandableText) {
    FakeRegistry registry;
    OwnerPanel panel;
    panel.Load(registry);
    registry.calls.clear();
    EXPECT_EQ(panel.Save(registry, {L"A", L"", L"%USERNAME%"}), text::kMsgOwnerSaved);
    ASSERT_EQ(registry.calls.size(), 3u);
    const wchar_t* order[] = {L"RegisteredOwner", L"RegisteredOrganization", L"ProductName"};
    const AnyValue written[] = {AnyValue::FromText(L"A"), AnyValue::FromText(L""),
                                AnyValue::FromText(L"%USERNAME%")};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(registry.calls[i].op, L"set");
        EXPECT_EQ(registry.calls[i].key, kKey);
        EXPECT_EQ(registry.calls[i].name, order[i]);
        // An emptied box is an empty text, never the empty value that writes nothing.
        EXPECT_EQ(registry.calls[i].value, written[i]);
        EXPECT_EQ(registry.calls[i].valueType, 8);
        EXPECT_EQ(registry.calls[i].flag, 1);
    }
}

TEST(OwnerPanelSave, FailedWritesAreNamedAndTheOthersStillRun) {
    const struct {
        std::set<std::wstring> failing;
        std::wstring message;
    } cases[] = {
        {{L"RegisteredOwner"}, std::wstring(text::kMsgOwnerNotSavedPrefix) + L"注册用户名"},
        {{L"RegisteredOrganization", L"ProductName"},
         std::wstring(text::kMsgOwnerNotSavedPrefix) + L"使用单位、操作系统名称"},
        {{L"RegisteredOwner", L"RegisteredOrganization", L"ProductName"},
         std::wstring(text::kMsgOwnerNotSavedPrefix) + L"注册用户名、使用单位、操作系统名称"},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        OwnerPanel panel;
        panel.Load(registry);
        registry.calls.clear();
        registry.failingWrites = c.failing;
        EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), c.message);
        EXPECT_EQ(registry.calls.size(), 3u);
        EXPECT_EQ(registry.values.size(), 3u - c.failing.size());
    }
}

TEST(OwnerPanelSave, StaysAllowedAfterTheFirstLoad) {
    FakeRegistry registry;
    OwnerPanel panel;
    panel.Load(registry);
    EXPECT_EQ(panel.Save(registry, {L"1", L"2", L"3"}), text::kMsgOwnerSaved);
    EXPECT_EQ(panel.Save(registry, {L"4", L"5", L"6"}), text::kMsgOwnerSaved);
    EXPECT_EQ(registry.values[L"ProductName"], AnyValue::FromText(L"6"));
}

}  // namespace
}  // namespace vx
