// A preset's script comes from anywhere: any bytes are read to an end, and one text reads the
// same in either encoding, whatever its line ends (each a lone CR in the UTF-16 copy).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/preset/reg_codec.h"
#include "core/preset/reg_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto latin1 = [](std::string_view b) {
        return std::wstring(reinterpret_cast<const std::uint8_t*>(b.data()),
                            reinterpret_cast<const std::uint8_t*>(b.data()) + b.size());
    };
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vx::ReadRegScript(bytes, latin1);
    std::wstring text = L"\uFEFFWindows Registry Editor Version 5.00\r";
    for (size_t i = 0; i < size; i += 1 + (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n'))
        text += data[i] == '\n' ? L'\r' : wchar_t{data[i]};
    const auto units = vx::reg::Utf16LeBytes(text);
    const vx::ScriptReading a = vx::ReadRegScript("REGEDIT4\r\n" + bytes, latin1);
    const vx::ScriptReading u = vx::ReadRegScript(std::string(units.begin(), units.end()), latin1);
    if (a.changes != u.changes || a.badLine != u.badLine || a.badText != u.badText) std::abort();
    return 0;
}
