#include "core/machine/firmware.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/plain_text.h"

namespace vx {

namespace {

// Calling method, major and minor version, DMI revision, then the tables' length (a DWORD).
constexpr size_t kRawHeaderSize = 8;

// What boards and machines carry where their maker left a field unfilled.
constexpr std::wstring_view kPlaceholders[] = {
    L"to be filled by o.e.m.", L"to be filled by oem", L"system manufacturer",
    L"system product name", L"system version", L"default string", L"not applicable",
    L"not specified", L"none", L"oem", L"o.e.m.", L"x.x", L"n/a", L"unknown",
    L"base board manufacturer", L"base board product name"};

// Makers whose Product Name is a machine-type code ("20KHCTO1WW": model, build and region)
// that nobody recognises, while Version holds the name on the lid ("ThinkPad X1 Carbon 6th").
constexpr std::wstring_view kModelInVersion[] = {L"lenovo"};

// Whether the list holds the name, compared as names are.
bool Lists(std::span<const std::wstring_view> list, std::wstring_view name) {
    return std::any_of(list.begin(), list.end(),
                       [&](std::wstring_view item) { return SameName(item, name); });
}

// Where each string is: the structure's type, the offset of its string number in the
// formatted area, and the field it fills.
constexpr struct {
    std::uint8_t type, offset;
    std::wstring SmbiosStrings::*field;
} kSmbiosFields[] = {
    {1, 0x04, &SmbiosStrings::manufacturer}, {1, 0x05, &SmbiosStrings::product},
    {1, 0x06, &SmbiosStrings::version},      {2, 0x04, &SmbiosStrings::boardManufacturer},
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

// The text without its leading and trailing blanks; empty when it is one of the placeholders
// firmware leaves unfilled.
std::wstring FirmwareText(std::wstring_view text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(L" \t") + 1 - first);
    if (Lists(kPlaceholders, text)) return {};
    return std::wstring(text);
}

// String number `index` (from 1) of a structure's string set [p, end), which a NUL follows;
// empty for 0 or past its last. SMBIOS strings are bytes whose encoding the standard long left
// open; they are ASCII in practice. Printable ASCII is taken as it is and any other byte
// becomes '?', so that no code page can turn a stray byte into a letter the firmware never
// meant.
std::wstring StringOf(const std::uint8_t* p, const std::uint8_t* end, unsigned index) {
    for (; index > 1 && p < end; --index) p += std::strlen(reinterpret_cast<const char*>(p)) + 1;
    if (index != 1 || p >= end) return {};
    std::wstring text(p, p + std::strlen(reinterpret_cast<const char*>(p)));
    for (wchar_t& c : text)
        if (c < 0x20 || c > 0x7E) c = L'?';
    return FirmwareText(text);
}

}  // namespace

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
                s.*f.field = StringOf(set, setEnd, f.offset < p[1] ? p[f.offset] : 0);
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
        for (const auto& v : kBiosValues) s.*v.field = FirmwareText(firmware.BiosValue(v.name));
    // A self-built desktop names only its board's maker and model.
    MachineIdentity id{s.manufacturer.empty() ? s.boardManufacturer : s.manufacturer,
                       s.product.empty() ? s.boardProduct : s.product};
    if (!s.version.empty() && Lists(kModelInVersion, s.manufacturer)) id.model = s.version;
    return id;
}

}  // namespace vx
