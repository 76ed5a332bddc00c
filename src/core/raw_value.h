#pragma once
// One registry value as the registry stores it, for the ports that read and write values
// exactly (core/ports.h) and for the scripts that carry them.
#include <cstdint>
#include <vector>

namespace vx {

// Its type code and bytes, or its absence.
struct RawValue {
    bool exists = false;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const RawValue&, const RawValue&) = default;
};

}  // namespace vx
