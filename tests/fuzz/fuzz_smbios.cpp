// Firmware tables come from any machine: any bytes are read to an end, never past it, and no
// string read keeps a blank at either end or a byte outside printable ASCII.
#include <cstdint>
#include <cstdlib>

#include "core/machine/firmware.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vx::SmbiosStrings s = vx::ParseSmbios({reinterpret_cast<const char*>(data), size});
    for (const std::wstring& f :
         {s.manufacturer, s.product, s.version, s.boardManufacturer, s.boardProduct})
        for (size_t i = 0; i < f.size(); ++i)
            if (f[i] < 0x20 || f[i] > 0x7E || (f[i] == L' ' && (i == 0 || i + 1 == f.size())))
                std::abort();
    return 0;
}
