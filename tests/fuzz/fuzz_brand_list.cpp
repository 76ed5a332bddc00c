// The brand list file is data anyone may edit: splitting it must keep its promises for any
// bytes at all.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/preset/brand_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = vx::SplitListLines(bytes);

    // The lines are the file in order, each followed by exactly one line end (CR LF, CR or
    // LF), the last one possibly by none; nothing else is dropped or added.
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find_first_of("\r\n") != std::string::npos) std::abort();
        if (bytes.substr(at, line.size()) != line) std::abort();
        at += line.size();
        if (at == size) {
            if (i + 1 != lines.size()) std::abort();
            break;
        }
        if (bytes[at] != '\r' && bytes[at] != '\n') std::abort();
        at += bytes.substr(at, 2) == "\r\n" ? 2 : 1;
    }
    if (at != size) std::abort();

    // Written back one line per LF line end, the file reads as the same lines.
    std::string rewritten;
    for (const std::string& line : lines) rewritten += line + "\n";
    if (vx::SplitListLines(rewritten) != lines) std::abort();
    return 0;
}
