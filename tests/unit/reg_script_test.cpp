// Registry scripts read as `reg import` reads them; a line it would skip makes them unreadable.
#include <gtest/gtest.h>

#include "core/preset/reg_codec.h"
#include "core/preset/reg_script.h"

namespace vx {
namespace {

TEST(RegScript, ReadsAsRegImportDoesAndRefusesWhatItWouldSkip) {
    const std::wstring h5 = L"\uFEFFWindows Registry Editor Version 5.00\r\n", h4 = L"REGEDIT4\n",
                       lm = L"HKEY_LOCAL_MACHINE\\", k = h4 + L"[HKLM\\K]\n";
    // A script starting with a byte-order mark is stored as UTF-16, any other as ANSI; each
    // change as +key, -key, +key:value or -key:value, else where reading stopped.
    const struct Row {
        std::wstring script, reads;
    } rows[] = {
        {.script = h5 + L"[HKEY_LOCAL_MACHINE\\K]\r\n\"a \\\"q\\\"\"=\"C:\\\\x\" ;c\r\n",
         .reads = L" +" + lm + L"K +" + lm + L"K:a \"q\""},
        {.script = h4 + L" [hklm\\Sw\\]\n@ = dword:0000001F\n\"\"=\"d\"\n\"v\"\t=\t\"\"\n",
         .reads = L" +" + lm + L"Sw +" + lm + L"Sw: +" + lm + L"Sw: +" + lm + L"Sw:v"},
        {.script = h4 + L"[HKCU\\K]\n\"b\"=hex(7):4c,\\ ;c\n\n ;c\n  6e,00\n#c\n\"c\"=hex:\n",
         .reads = L" +HKEY_CURRENT_USER\\K +HKEY_CURRENT_USER\\K:b +HKEY_CURRENT_USER\\K:c"},
        {.script = L"REGEDIT4\r[-HKEY_local_MACHINE\\K]\r[HkLm\\L]\r\"v\"= -\r",
         .reads = L" -" + lm + L"K +" + lm + L"L -" + lm + L"L:v"},
        {.script = k + L"\"b\"=hex:01,\\\n;c\n", .reads = L"line 3: \"b\"=hex:01,\\"},
        {.script = L"", .reads = L"line 1: "},
        {.script = L"\uFEFF" + k, .reads = L"line 1: REGEDIT4"},
        {.script = k + L"\"a\"=\"b\" #c\n", .reads = L"line 3: \"a\"=\"b\" #c"},
        {.script = h4 + L"[-HKLM\\K]\n@=\"b\"\n", .reads = L"line 3: @=\"b\""},
        {.script = k + L"\"a\"=\"\\n\"\n", .reads = L"line 3: \"a\"=\"\\n\""},
        {.script = h4 + L"[ HKLM\\K]\n", .reads = L"line 2: [ HKLM\\K]"},
        {.script = h4 + L"[HKEY_LOCAL_MACHINES\\K]\n", .reads = L"line 2: [HKEY_LOCAL_MACHINES\\K]"},
        {.script = k + L"\"a\"=hex:01\\\n02\n", .reads = L"line 3: \"a\"=hex:01\\"},
        {.script = k + L"\"a\"=hex:01,\\\n[HKLM\\Run]\n", .reads = L"line 4: [HKLM\\Run]"},
        {.script = k + L"\"a\"=hex:01,\\\n" + std::wstring(L";\0\n02\n", 6), .reads = L"line 4: ;?"},
    };
    for (const auto& [script, reads] : rows) {
        std::string bytes(script.begin(), script.end());
        const auto units = reg::Utf16LeBytes(script);
        if (script.starts_with(L'\uFEFF')) bytes.assign(units.begin(), units.end());
        const ScriptReading r = ReadRegScript(
            bytes, [](std::string_view b) { return std::wstring(b.begin(), b.end()); });
        std::wstring got = r.ok() ? L"" : L"line " + std::to_wstring(r.badLine) + L": " + r.badText;
        for (const ScriptChange& ch : r.changes)
            got += (ch.deletes ? L" -" : L" +") + ch.key + (ch.value ? L":" + *ch.value : L"");
        EXPECT_EQ(got, reads) << bytes;
    }
}

}  // namespace
}  // namespace vx
