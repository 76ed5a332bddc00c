#include "core/owner_panel.h"

#include <gtest/gtest.h>

#include <map>

#include "core/texts.h"

namespace vx {
namespace {

// Holds what was written; refuses the value named `refused`.
class FakeRegistry : public RegistryPort {
  public:
    std::map<std::wstring, std::wstring> values;
    std::wstring refused;
    int writes = 0;

    WriteResult SetRegistryValue(const std::wstring&, const std::wstring& name,
                                 const AnyValue& value, int, int) override {
        ++writes;
        if (name == refused) return {5, L"拒绝访问。"};
        values[name] = value.ToText();
        return {};
    }
    AnyValue GetRegistryValue(const std::wstring&, const std::wstring& name,
                              const AnyValue&) override {
        return AnyValue::FromText(values[name]);
    }
};

// Until loaded the boxes hold only their placeholder, which must never replace the user's data.
TEST(OwnerPanel, SaveWritesNothingUntilLoadedThenNamesAFieldNotSaved) {
    FakeRegistry registry;
    registry.values[text::kRegisteredOwner] = L"Owner";
    OwnerPanel panel;
    EXPECT_EQ(panel.Save(registry, {L"Text1", L"Text1", L"Text1"}), text::kMsgOwnerNotLoaded);
    EXPECT_EQ(registry.writes, 0);
    EXPECT_EQ(panel.Load(registry), (OwnerTexts{L"Owner", L"", L""}));
    EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), text::kMsgOwnerSaved);
    EXPECT_EQ(registry.values[text::kProductName], L"c");
    registry.refused = text::kRegisteredOrganization;
    EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), L"以下个人信息未能保存：使用单位");
}

}  // namespace
}  // namespace vx
