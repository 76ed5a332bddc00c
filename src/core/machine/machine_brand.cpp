#include "core/machine/machine_brand.h"

#include <optional>

#include "core/machine/firmware.h"
#include "core/preset/brand_list.h"
#include "core/preset/script_review.h"
#include "core/texts.h"

namespace vx {

namespace {

// Words that say what kind of company a maker is, not which.
constexpr char kCorporateWords[] =
    "|inc|co|ltd|limited|corp|corporation|company|computer|technology|international|gmbh|llc|";

// Makers as FoldMaker gives their firmware's name, each with the name Chinese shops list it by.
constexpr wchar_t kAliases[] =
    L"|lenovo=联想|hp=惠普|hewlett-packard=惠普|dell=戴尔|asustek=华硕|asus=华硕|acer=宏碁"
    L"|hasee=神舟|tongfang=同方|founder=方正|great wall=长城|haier=海尔|huawei=华为|honor=荣耀"
    L"|xiaomi=小米|timi=小米|mechrevo=机械革命|micro-star=微星|gigabyte=技嘉|";

// Room for a maker's name folded for comparing; a longer one is cut there.
constexpr size_t kKeyChars = 128;

// A maker's name folded into `key` for comparing: ASCII letters in lower case, '.' and ',' as
// blanks, blanks collapsed, and corporate words at the end dropped ("ASUSTeK COMPUTER INC."
// reads "asustek"). Returns the end of the folded text, where its NUL is.
wchar_t* FoldMaker(std::wstring_view name, wchar_t* key) {
    wchar_t* end = key;
    for (wchar_t c : name) {
        if (c == L'.' || c == L',' || c == L'\t') c = L' ';
        if (c >= L'A' && c <= L'Z') c += 32;
        if ((c != L' ' || (end > key && end[-1] != L' ')) && end < key + kKeyChars - 1) *end++ = c;
    }
    for (;;) {
        if (end > key && end[-1] == L' ') --end;
        *end = L'\0';
        wchar_t* word = end;  // the last word
        while (word > key && word[-1] != L' ') --word;
        if (word == key || !InAsciiList(kCorporateWords, word)) return end;
        end = word;
    }
}

// Whether the text holds the part (both ended by a NUL). Not the C runtime's: that would be
// one more import for these few bytes.
bool Holds(const wchar_t* text, const wchar_t* part) {
    for (;; ++text) {
        size_t i = 0;
        while (part[i] && text[i] == part[i]) ++i;
        if (!part[i]) return true;
        if (!*text) return false;
    }
}

// Whether the script sets Manufacturer to a text that holds the folded maker's name.
bool ScriptNamesMaker(const std::wstring& script, const wchar_t* maker, PresetFiles& files) {
    const std::optional<std::string> bytes = files.ReadFile(script);
    if (!bytes) return false;
    wchar_t key[kKeyChars];
    for (const ScriptChange& c : ReadPresetScript(*bytes, files).changes)
        if (c.value && !c.deletes && SameKey(*c.value, L"Manufacturer") && IsOemKey(c.key) &&
            Holds((FoldMaker(c.text, key), key), maker))
            return true;
    return false;
}

}  // namespace

MachineBrand FindMachineBrand(const std::vector<std::wstring>& brands,
                              const std::wstring& manufacturer, const std::wstring& programFolder,
                              PresetFiles& files) {
    // The folded maker's name, and "|maker=name|" as the alias table holds the pairs.
    wchar_t maker[kKeyChars], needle[2 * kKeyChars + 2] = L"|";
    if (FoldMaker(manufacturer, maker) == maker) return {-1, text::kMsgNoFirmwareMaker};
    wchar_t* name = needle + 1;
    for (const wchar_t* m = maker; *m;) *name++ = *m++;
    *name++ = L'=';
    for (size_t i = 0; i < brands.size(); ++i) {
        if (KindOf(brands[i]) != SelectionKind::Brand) continue;
        wchar_t* end = FoldMaker(brands[i], name);
        const wchar_t *a = maker, *b = name;
        while (*a && *a == *b) ++a, ++b;
        const bool named = *a == *b;
        end[0] = L'|', end[1] = L'\0';
        if (named || Holds(kAliases, needle) ||
            ScriptNamesMaker(PresetFolder(programFolder, brands[i]) + text::kPresetScriptSuffix,
                             maker, files))
            return {static_cast<int>(i), {}};
    }
    std::wstring message = text::kMsgNoMatchPrefix;
    message += manufacturer;
    return {-1, message += text::kMsgNoMatchSuffix};
}

}  // namespace vx
