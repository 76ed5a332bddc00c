// The owner panel's own logic: which way the toggle goes, how stored values show, and a
// refused write (which Wine never gives). What the real window stores and shows is proven end
// to end.
#include "core/owner_panel.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/texts.h"

namespace vx {
namespace {

// An in-memory registry that counts the writes and can refuse some.
class FakeRegistry : public RegistryPort {
  public:
    std::map<std::wstring, AnyValue> values;
    std::set<std::wstring> failingWrites;
    int writes = 0;

    WriteResult SetRegistryValue(const std::wstring&, const std::wstring& valueName,
                                 const AnyValue& value, int, int) override {
        ++writes;
        if (failingWrites.count(valueName)) return {5, L"拒绝访问。"};
        values[valueName] = value;
        return {};
    }
    AnyValue GetRegistryValue(const std::wstring&, const std::wstring& valueName,
                              const AnyValue& defaultValue) override {
        const auto it = values.find(valueName);
        return it == values.end() ? defaultValue : it->second;
    }
};

TEST(PanelToggle, ThreeThousandTwipsOrMoreCountsAsExpanded) {
    const struct {
        int pixels, dpi;
        bool expanded;
    } cases[] = {
        // 96 DPI: 15 twips a pixel, 3000 twips = 200 pixels.
        {199, 96, false},
        {200, 96, true},
        {0, 96, false},
        // 120 DPI: 12 twips a pixel, 3000 twips = 250 pixels.
        {249, 120, false},
        {250, 120, true},
        // 97 DPI: 3000 twips are 202.08 pixels; 202 is just short of it.
        {202, 97, false},
        {203, 97, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels << " px at " << c.dpi << " DPI");
        EXPECT_EQ(IsPanelExpanded(c.pixels, c.dpi), c.expanded);
        const PanelToggle t = DecideToggle(c.pixels, c.dpi);
        EXPECT_EQ(t.widthTwips, c.expanded ? 2600 : 5000);
        EXPECT_STREQ(t.caption, c.expanded ? text::kMenuExpand : text::kMenuCollapse);
        EXPECT_EQ(t.load, !c.expanded);
    }
}

TEST(PanelToggle, EachNewWidthLeadsBackTheOtherWay) {
    // The widths set are rounded to pixels; read back they must still land on their side.
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        EXPECT_TRUE(DecideToggle((2600 * dpi + 720) / 1440, dpi).load);
        EXPECT_FALSE(DecideToggle((5000 * dpi + 720) / 1440, dpi).load);
    }
}

TEST(OwnerPanelLoad, ValuesThatAreNotTextOrMissingShowAsTheirText) {
    FakeRegistry registry;
    registry.values = {{L"RegisteredOwner", AnyValue::FromInt32(-5)},
                       {L"ProductName", AnyValue::FromBytes({'W', 'i', 'n'})}};
    OwnerPanel panel;
    EXPECT_FALSE(panel.loaded());
    EXPECT_EQ(panel.Load(registry), (OwnerTexts{L"-5", L"", L"Win"}));
    EXPECT_TRUE(panel.loaded());
}

TEST(OwnerPanelSave, FailedWritesAreNamedAndTheOthersStillRun) {
    const std::wstring prefix = text::kMsgOwnerNotSavedPrefix;
    const struct {
        std::set<std::wstring> failing;
        std::wstring message;
    } cases[] = {
        {{L"RegisteredOwner"}, prefix + L"注册用户名"},
        {{L"RegisteredOrganization", L"ProductName"}, prefix + L"使用单位、操作系统名称"},
        {{L"RegisteredOwner", L"RegisteredOrganization", L"ProductName"},
         prefix + L"注册用户名、使用单位、操作系统名称"},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        OwnerPanel panel;
        panel.Load(registry);
        registry.failingWrites = c.failing;
        EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), c.message);
        EXPECT_EQ(registry.writes, 3);
        EXPECT_EQ(registry.values.size(), 3u - c.failing.size());
    }
}

}  // namespace
}  // namespace vx
