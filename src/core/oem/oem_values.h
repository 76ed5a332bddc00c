#pragma once
// The six values of the OEM information: their names, the orders they are written and listed
// in, and the custom values that set them.
#include <array>

#include "core/any_value.h"

namespace vx {

// The custom window's six fields as its last OK handed them over (all empty before the first
// OK of the run), or the values /set names. An empty field (the kind) is not written, and an
// empty logo path leaves the logo as it is.
struct CustomValues {
    AnyValue manufacturer;
    AnyValue model;
    AnyValue supportUrl;
    AnyValue supportPhone;
    AnyValue logoPath;
    AnyValue supportHours;
};

struct OemValue {
    const wchar_t* name;  // under the OEM information key
    // The custom value that sets it; null for Logo, which the custom action sets to the fixed
    // logo path when it is given a picture.
    AnyValue CustomValues::*custom;
    int written;  // its place in the order the custom and clear actions write the six
};

// In the order a saved script, /show and the current OEM information window list them.
inline constexpr std::array<OemValue, 6> kOemValues = {{
    {L"Manufacturer", &CustomValues::manufacturer, 2},
    {L"Model", &CustomValues::model, 0},
    {L"SupportURL", &CustomValues::supportUrl, 3},
    {L"SupportPhone", &CustomValues::supportPhone, 4},
    {L"SupportHours", &CustomValues::supportHours, 5},
    {L"Logo", nullptr, 1},
}};
inline constexpr size_t kManufacturerIndex = 0, kLogoValueIndex = 5;

// The six in the order the actions write them.
inline constexpr std::array<const OemValue*, 6> kOemValuesWritten = [] {
    std::array<const OemValue*, 6> order{};
    for (const OemValue& v : kOemValues) order[v.written] = &v;
    return order;
}();

}  // namespace vx
