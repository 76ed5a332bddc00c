// Any command line splits and reads to an end, and every word it splits into comes back whole
// when quoted the way a caller quotes one argument.
#include <cstdint>
#include <cstdlib>

#include "core/command/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring line, quoted = L"V";
    for (size_t i = 0; i + 1 < size; i += 2) line += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    std::vector<std::wstring> words = vx::SplitCommandLine(line), again;
    const vx::CommandReading reading = vx::ReadCommandLine(words);
    if (reading.error.empty() && reading.request.action == vx::CommandAction::None) std::abort();
    for (size_t w = 1; w < words.size(); ++w) {
        quoted += L" \"";
        size_t slashes = 0;  // backslashes not yet written
        for (const wchar_t c : words[w]) {
            // Backslashes before a quote are doubled, and the quote escaped.
            if (c != L'\\') quoted.append(c == L'"' ? 2 * slashes + 1 : slashes, L'\\') += c;
            slashes = c == L'\\' ? slashes + 1 : 0;
        }
        quoted.append(2 * slashes, L'\\') += L'"';
    }
    again = vx::SplitCommandLine(quoted);
    again[0] = words[0];
    if (again != words) std::abort();
    return 0;
}
