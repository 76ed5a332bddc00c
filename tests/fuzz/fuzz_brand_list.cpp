// The brand list file is data anyone may edit, and scripts and messages are split into lines by
// the same rule: splitting must keep its promises for any text at all.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/plain_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text(data, data + size);  // each byte one character
    const std::wstring_view all = text;
    const auto lines = vx::SplitLines(all);

    // The lines are the text in order, each followed by exactly one line end (CR LF, CR or
    // LF), the last one possibly by none; nothing else is dropped or added.
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::wstring_view line = lines[i];
        if (line.find_first_of(L"\r\n") != std::wstring_view::npos) std::abort();
        if (all.substr(at, line.size()) != line) std::abort();
        at += line.size();
        if (at == size) {
            if (i + 1 != lines.size()) std::abort();
            break;
        }
        if (all[at] != L'\r' && all[at] != L'\n') std::abort();
        at += all.substr(at, 2) == L"\r\n" ? 2 : 1;
    }
    if (at != size) std::abort();

    // Written back one line per LF line end, the text reads as the same lines.
    std::wstring rewritten;
    for (const std::wstring_view line : lines) rewritten += std::wstring(line) + L'\n';
    if (vx::SplitLines(rewritten) != lines) std::abort();
    return 0;
}
