// The list file's line ends, the owner panel's guard and the browser's command line.
#include <gtest/gtest.h>

#include <map>

#include "core/brand_list.h"
#include "core/owner_panel.h"
#include "core/texts.h"
#include "core/web_page.h"

namespace vx {
namespace {

// No folder name holds CR or LF, so each ends a line on its own; nothing else is touched.
TEST(SplitListLines, CrLfALoneCrAndALoneLfEachEndOneLine) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"A\n\rB\r\r\n", {"A", "", "B", ""}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(SplitListLines(bytes), lines) << bytes;
}

// Holds the texts written; refuses the value named `refused`.
struct FakeRegistry : RegistryPort {
    std::map<std::wstring, std::wstring> values;
    std::wstring refused;

    WriteResult SetRegistryValue(const std::wstring&, const std::wstring& name,
                                 const AnyValue& value, int, int) override {
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
    EXPECT_EQ(registry.values.size(), 1u);
    EXPECT_EQ(panel.Load(registry), (OwnerTexts{L"Owner", L"", L""}));
    EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), text::kMsgOwnerSaved);
    registry.refused = text::kRegisteredOrganization;
    EXPECT_EQ(panel.Save(registry, {L"a", L"b", L"c"}), L"以下个人信息未能保存：使用单位");
}

// Unquoted, a path with spaces would start C:\Program.exe first if such a file exists; a
// "programfiles" that is not absolute would lead to wherever the current folder is.
TEST(WebPage, TheBrowserIsNamedByItsQuotedPathBelowAnAbsoluteFolderOnly) {
    EXPECT_EQ(BrowserCommandLine(BrowserPath(L"C:\\Program Files\\"), L"https://x.example/"),
              L"\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" https://x.example/");
    for (const wchar_t* relative : {L"", L"Program Files", L"\\Program Files", L"C:Program Files"})
        EXPECT_EQ(BrowserPath(relative), L"") << relative;
}

}  // namespace
}  // namespace vx
