#include "core/machine/machine_brand.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/oem/oem_values.h"
#include "core/plain_text.h"
#include "core/preset/brand_list.h"
#include "core/preset/script_review.h"
#include "core/texts.h"

namespace vx {

namespace {

// Words that say what kind of company a maker is, not which.
constexpr std::wstring_view kCorporateWords[] = {
    L"inc",     L"co",       L"ltd",        L"limited",       L"corp", L"corporation",
    L"company", L"computer", L"technology", L"international", L"gmbh", L"llc",
};

// Makers' names as FoldMaker gives them (compared as names are), each with the name Chinese
// shops list the maker by.
constexpr struct {
    std::wstring_view maker, listedAs;
} kAliases[] = {
    {L"lenovo", L"联想"},   {L"hp", L"惠普"},           {L"hewlett-packard", L"惠普"},
    {L"dell", L"戴尔"},     {L"asustek", L"华硕"},      {L"asus", L"华硕"},
    {L"acer", L"宏碁"},     {L"hasee", L"神舟"},        {L"tongfang", L"同方"},
    {L"founder", L"方正"},  {L"great wall", L"长城"},   {L"haier", L"海尔"},
    {L"huawei", L"华为"},   {L"honor", L"荣耀"},        {L"xiaomi", L"小米"},
    {L"timi", L"小米"},     {L"mechrevo", L"机械革命"}, {L"micro-star", L"微星"},
    {L"gigabyte", L"技嘉"},
};

bool IsCorporateWord(std::wstring_view word) {
    return std::any_of(std::begin(kCorporateWords), std::end(kCorporateWords),
                       [&](std::wstring_view w) { return SameName(w, word); });
}

// A maker's name folded for comparing: '.', ',' and tabs as blanks, blanks collapsed and
// trimmed, each letter upper-cased as SameName compares it, and corporate words after the
// first word dropped ("ASUSTeK COMPUTER INC." reads "ASUSTEK").
std::wstring FoldMaker(std::wstring_view name) {
    std::wstring key;
    for (wchar_t c : name) {
        if (c == L'.' || c == L',' || c == L'\t') c = L' ';
        if (c != L' ' || (!key.empty() && key.back() != L' ')) key += UpperLetter(c);
    }
    for (;;) {
        if (!key.empty() && key.back() == L' ') key.pop_back();
        const size_t blank = key.rfind(L' ');
        if (blank == std::wstring::npos ||
            !IsCorporateWord(std::wstring_view(key).substr(blank + 1)))
            return key;
        key.erase(blank);
    }
}

// Whether the script sets the OEM information's Manufacturer to a text holding the folded
// maker's name.
bool ScriptNamesMaker(const std::wstring& script, const std::wstring& maker, PresetFiles& files) {
    const std::optional<std::string> bytes = files.ReadFile(script);
    if (!bytes) return false;
    for (const ScriptChange& c : ReadPresetScript(*bytes, files).changes)
        if (c.value && !c.deletes && SameName(*c.value, kOemValues[kManufacturerIndex].name) &&
            IsOemKey(c.key) && FoldMaker(c.text).find(maker) != std::wstring::npos)
            return true;
    return false;
}

}  // namespace

MachineBrand FindMachineBrand(const std::vector<std::wstring>& brands,
                              const std::wstring& manufacturer, const std::wstring& programFolder,
                              PresetFiles& files) {
    const std::wstring maker = FoldMaker(manufacturer);
    if (maker.empty()) return {-1, text::kMsgNoFirmwareMaker};
    for (size_t i = 0; i < brands.size(); ++i) {
        if (KindOf(brands[i]) != SelectionKind::Brand) continue;
        const std::wstring brand = FoldMaker(brands[i]);
        const bool aliased = std::any_of(
            std::begin(kAliases), std::end(kAliases),
            [&](const auto& a) { return SameName(a.maker, maker) && SameName(a.listedAs, brand); });
        const std::wstring script =
            PresetFolder(programFolder, brands[i]) + text::kPresetScriptSuffix;
        if (brand == maker || aliased || ScriptNamesMaker(script, maker, files))
            return {static_cast<int>(i), {}};
    }
    return {-1, text::kMsgNoMatchPrefix + manufacturer + text::kMsgNoMatchSuffix};
}

}  // namespace vx
