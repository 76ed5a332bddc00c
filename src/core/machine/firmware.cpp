#include "core/machine/firmware.h"

#include <cstdint>
#include <cstring>

namespace vx {

namespace {

// Calling method, major and minor version, DMI revision, then the tables' length (a DWORD).
constexpr size_t kRawHeaderSize = 8;

// What boards and machines carry where their maker left a field unfilled.
constexpr char kPlaceholders[] =
    "|to be filled by o.e.m.|to be filled by oem|system manufacturer|system product name"
    "|system version|default string|not applicable|not specified|none|oem|o.e.m.|x.x|n/a"
    "|unknown|base board manufacturer|base board product name|";

// Makers whose Product Name is a machine-type code ("20KHCTO1WW": model, build and region)
// that nobody recognises, while Version holds the name on the lid ("ThinkPad X1 Carbon 6th").
constexpr char kModelInVersion[] = "|lenovo|";

// Where each string is: the structure's type, the offset of its string number in the
// formatted area, and the field it fills.
constexpr struct {
    std::uint8_t type, offset;
    std::wstring SmbiosStrings::*field;
} kSmbiosFields[] = {
    {1, 0x04, &SmbiosStrings::manufacturer}, {1, 0x05, &SmbiosStrings::product},
    {1, 0x06, &SmbiosStrings::version},      {1, 0x19, &SmbiosStrings::sku},
    {1, 0x1A, &SmbiosStrings::family},       {2, 0x04, &SmbiosStrings::boardManufacturer},
    {2, 0x05, &SmbiosStrings::boardProduct},
};

// The BIOS key's values standing for the same fields.
constexpr struct {
    const wchar_t* name;
    std::wstring SmbiosStrings::*field;
} kBiosValues[] = {
    {L"SystemManufacturer", &SmbiosStrings::manufacturer},
    {L"SystemProductName", &SmbiosStrings::product},
    {L"SystemVersion", &SmbiosStrings::version},
    {L"BaseBoardManufacturer", &SmbiosStrings::boardManufacturer},
    {L"BaseBoardProduct", &SmbiosStrings::boardProduct},
};

// The field set to string number `index` (from 1) of a structure's string set [p, end), which
// a NUL follows; left empty for 0 or past its last. SMBIOS strings are bytes whose encoding the
// standard long left open; they are ASCII in practice. Printable ASCII is taken as it is and
// any other byte becomes '?', so that no code page can turn a stray byte into a letter the
// firmware never meant.
void SetString(std::wstring& field, const std::uint8_t* p, const std::uint8_t* end,
               unsigned index) {
    for (; index > 1 && p < end; --index) p += std::strlen(reinterpret_cast<const char*>(p)) + 1;
    if (index != 1 || p >= end) return;
    std::wstring text(p, p + std::strlen(reinterpret_cast<const char*>(p)));
    for (wchar_t& c : text)
        if (c < 0x20 || c > 0x7E) c = L'?';
    SetFirmwareText(field, text);
}

}  // namespace

bool InAsciiList(const char* list, std::wstring_view item) {
    for (const char* p = list; *p; ++p) {
        if (*p != '|') continue;
        size_t i = 0;
        for (; i < item.size() && item[i]; ++i)
            if (p[1 + i] != (item[i] >= L'A' && item[i] <= L'Z' ? item[i] + 32 : item[i])) break;
        if (i == item.size() && p[1 + i] == '|') return true;
    }
    return false;
}

void SetFirmwareText(std::wstring& field, std::wstring_view text) {
    const wchar_t* first = text.data();
    const wchar_t* last = first + text.size();
    while (first < last && (*first == L' ' || *first == L'\t')) ++first;
    while (last > first && (last[-1] == L' ' || last[-1] == L'\t')) --last;
    field.clear();
    if (!InAsciiList(kPlaceholders, {first, static_cast<size_t>(last - first)}))
        field.append(first, last - first);
}

SmbiosStrings ParseSmbios(std::string_view raw) {
    SmbiosStrings s;
    if (raw.size() < kRawHeaderSize) return s;
    const auto* p = reinterpret_cast<const std::uint8_t*>(raw.data());
    const std::uint32_t length = p[4] | p[5] << 8 | p[6] << 16 | std::uint32_t{p[7]} << 24;
    // A buffer shorter than its header says ends the tables early: what runs past it is unread.
    const std::uint8_t* end = p + raw.size();
    if (length < raw.size() - kRawHeaderSize) end = p + kRawHeaderSize + length;
    unsigned seen = 0;  // the types met so far, as bits: only the first of each counts
    for (p += kRawHeaderSize; end - p >= 4 && p[1] >= 4 && p[1] <= end - p;) {
        // The string set: each string ends with a NUL and one more NUL ends the set (two NULs
        // when it is empty). A set that does not end inside the table is cut short.
        const std::uint8_t* set = p + p[1];
        const std::uint8_t* setEnd = set;
        while (setEnd + 1 < end && (setEnd[0] || setEnd[1])) ++setEnd;
        if (setEnd + 1 >= end || p[0] == 127) break;  // 127: the end of the tables
        for (const auto& f : kSmbiosFields)
            if (f.type == p[0] && !(seen >> f.type & 1))
                SetString(s.*f.field, set, setEnd, f.offset < p[1] ? p[f.offset] : 0);
        if (p[0] < 8) seen |= 1u << p[0];
        p = setEnd + 2;
    }
    return s;
}

MachineIdentity ReadMachineIdentity(FirmwarePort& firmware) {
    SmbiosStrings s = ParseSmbios(firmware.SmbiosTable());
    // Windows copies these from the same tables at start; a virtual machine's tables may be
    // empty while its BIOS key is filled.
    if (s.manufacturer.empty() && s.boardManufacturer.empty())
        for (const auto& v : kBiosValues) SetFirmwareText(s.*v.field, firmware.BiosValue(v.name));
    // A self-built desktop names only its board's maker and model.
    std::wstring& maker = s.manufacturer.empty() ? s.boardManufacturer : s.manufacturer;
    std::wstring& model = !s.version.empty() && InAsciiList(kModelInVersion, s.manufacturer)
                              ? s.version
                          : s.product.empty() ? s.boardProduct
                                              : s.product;
    return {std::move(maker), std::move(model)};
}

}  // namespace vx
