#include "core/machine/machine_brand.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "core/machine/firmware.h"
#include "core/oem/oem_values.h"
#include "core/plain_text.h"
#include "core/preset/brand_list.h"
#include "core/preset/script_review.h"
#include "core/texts.h"

namespace vx {

namespace {

// Words that say what kind of company a maker is, not which.
constexpr std::wstring_view kCorporateWords[] = {
    L"Inc",     L"Co",       L"Ltd",        L"Limited",       L"Corp", L"Corporation",
    L"Company", L"Computer", L"Technology", L"International", L"GmbH", L"LLC",
};

// The names makers are known by beside their short one: what their firmware writes (a longer
// or an older name) and the Chinese name shops list them by, as {short name, other name}.
// A firmware that names a maker by any of its names finds a brand listed by any of them.
constexpr std::pair<std::wstring_view, std::wstring_view> kAliases[] = {
    {L"Lenovo", L"联想"},   {L"HP", L"Hewlett-Packard"}, {L"HP", L"惠普"},
    {L"Dell", L"戴尔"},     {L"ASUS", L"ASUSTeK"},       {L"ASUS", L"华硕"},
    {L"Acer", L"宏碁"},     {L"Acer", L"宏基"},          {L"MSI", L"Micro-Star"},
    {L"MSI", L"微星"},      {L"Gigabyte", L"技嘉"},      {L"Xiaomi", L"TIMI"},
    {L"Xiaomi", L"小米"},   {L"Huawei", L"华为"},        {L"Honor", L"荣耀"},
    {L"Hasee", L"神舟"},    {L"Mechrevo", L"机械革命"},  {L"Tongfang", L"同方"},
    {L"Tongfang", L"THTF"}, {L"Founder", L"方正"},       {L"Great Wall", L"长城"},
    {L"Haier", L"海尔"},    {L"Microsoft", L"微软"},     {L"Apple", L"苹果"},
    {L"Samsung", L"三星"},  {L"Toshiba", L"东芝"},       {L"Fujitsu", L"富士通"},
    {L"Sony", L"索尼"},     {L"Panasonic", L"松下"},     {L"Intel", L"英特尔"},
    {L"ASRock", L"华擎"},   {L"Biostar", L"映泰"},       {L"Colorful", L"七彩虹"},
    {L"Maxsun", L"铭瑄"},   {L"Thunderobot", L"雷神"},   {L"Machenike", L"机械师"},
    {L"Inspur", L"浪潮"},   {L"Razer", L"雷蛇"},
};

// The name without the corporate words at its end ("ASUSTeK COMPUTER INC." is "ASUSTeK");
// empty when nothing else is left.
std::wstring_view WithoutCorporateWords(std::wstring_view name) {
    std::vector<std::wstring_view> words = WordsOf(name);
    const auto corporate = [](std::wstring_view word) {
        return std::ranges::any_of(kCorporateWords,
                                   [&](std::wstring_view w) { return SameName(w, word); });
    };
    while (!words.empty() && corporate(words.back())) words.pop_back();
    if (words.empty()) return {};
    const wchar_t* end = words.back().data() + words.back().size();
    return {words.front().data(), static_cast<size_t>(end - words.front().data())};
}

// The makers the firmware's maker is, by any of their names as whole words of it.
std::vector<std::wstring_view> MakersNamed(std::wstring_view maker) {
    std::vector<std::wstring_view> makers;
    for (const auto& [name, alias] : kAliases)
        if (HoldsWords(maker, name) || HoldsWords(maker, alias)) makers.push_back(name);
    return makers;
}

// Whether the brand is one of the makers' names.
bool KnownAs(std::wstring_view brand, const std::vector<std::wstring_view>& makers) {
    return std::ranges::any_of(kAliases, [&](const auto& a) {
        return (SameWords(brand, a.first) || SameWords(brand, a.second)) &&
               std::ranges::find(makers, a.first) != makers.end();
    });
}

// Whether the script sets the OEM information's Manufacturer to a text holding the maker's
// name as whole words.
bool ScriptNamesMaker(const std::wstring& script, std::wstring_view maker, PresetFiles& files) {
    const std::optional<std::string> bytes = files.ReadFile(script);
    if (!bytes) return false;
    for (const ScriptChange& c : ReadPresetScript(*bytes, files).changes)
        if (c.value && !c.deletes && SameName(*c.value, kOemValues[kManufacturerIndex].name) &&
            IsOemKey(c.key) && HoldsWords(c.text, maker))
            return true;
    return false;
}

}  // namespace

MachineBrand FindMachineBrand(const std::vector<std::wstring>& brands,
                              const std::wstring& manufacturer, const std::wstring& programFolder,
                              PresetFiles& files) {
    if (WordsOf(manufacturer).empty()) return {-1, text::kMsgNoFirmwareMaker};
    const std::vector<std::wstring_view> makers = MakersNamed(manufacturer);
    const std::wstring_view name = WithoutCorporateWords(manufacturer);
    // In this order; the first rule any brand meets decides, and within it the first brand.
    const std::function<bool(const std::wstring&)> rules[] = {
        // The brand is the maker's name or whole words of it, not a corporate word alone.
        [&](const std::wstring& brand) {
            return !WithoutCorporateWords(brand).empty() && HoldsWords(manufacturer, brand);
        },
        [&](const std::wstring& brand) { return KnownAs(brand, makers); },
        [&](const std::wstring& brand) {
            const std::wstring script =
                PresetFolder(programFolder, brand) + text::kPresetScriptSuffix;
            return ScriptNamesMaker(script, name, files);
        },
    };
    for (const auto& rule : rules)
        for (size_t i = 0; i < brands.size(); ++i)
            if (KindOf(brands[i]) == SelectionKind::Brand && rule(brands[i]))
                return {static_cast<int>(i), {}};
    return {-1, text::kMsgNoMatchPrefix + manufacturer + text::kMsgNoMatchSuffix};
}

}  // namespace vx
