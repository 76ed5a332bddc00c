// A Windows that is not running: which folders may be one, where its places lie, and a preset's
// script written into its hive through the ports, refused whole when a line has no place there.
#include <gtest/gtest.h>

#include "core/oem/offline_script.h"
#include "core/oem/offline_target.h"
#include "core/preset/reg_codec.h"
#include "core/texts.h"
#include "restore_fakes.h"

namespace vx {
namespace {

TEST(OfflineTarget, TheRunningFolderIsNoTargetItsDriveAndFoldersWithoutAHiveAreRefused) {
    const struct Row {
        const wchar_t *folder, *running;
        bool hasHive;
        TargetKind kind;
        const wchar_t* why = nullptr;
    } rows[] = {
        {.folder = L"c:\\WINDOWS\\", .running = L"C:\\Windows", .hasHive = true, .kind = TargetKind::Running},
        {.folder = L"D:\\Windows", .running = L"X:\\Windows", .hasHive = true, .kind = TargetKind::Other},
        {.folder = L"\\\\pc\\c$\\Windows", .running = L"X:\\Windows", .hasHive = true, .kind = TargetKind::Other},
        {.folder = L"x:\\Win7", .running = L"X:\\Windows", .hasHive = true, .kind = TargetKind::Refused,
         .why = text::kMsgTargetOwnDrive},
        {.folder = L"D:\\Data\\", .running = L"X:\\Windows", .hasHive = false, .kind = TargetKind::Refused,
         .why = text::kMsgTargetNoHive},
    };
    for (const Row& r : rows) {
        const TargetChoice c = ChooseTarget(r.folder, r.running, r.hasHive);
        EXPECT_EQ(c.kind, r.kind) << r.folder;
        // The message names the folder, without its trailing separator.
        EXPECT_EQ(c.message, r.why ? r.why + std::wstring(r.folder).substr(0, 7) : L"") << r.folder;
    }
    EXPECT_EQ(TargetRestoreFolder(L"\\\\pc\\c$\\Windows"), L"\\\\pc\\c$\\ProgramData\\Vendrix\\RestorePoints");
    EXPECT_EQ(TargetHiveFile(L"D:\\Windows\\"), L"D:\\Windows\\System32\\config\\SOFTWARE");
    EXPECT_EQ(TargetFilePath(L"%WINDIR%\\system32\\oem\\oemlogo.bmp", L"D:\\Windows"),
              L"D:\\Windows\\system32\\oem\\oemlogo.bmp");
    EXPECT_EQ(TargetFilePath(L"%systemdrive%\\logo.bmp", L"D:\\Windows"), L"D:\\logo.bmp");
    EXPECT_EQ(TargetFilePath(L"E:\\%windir%.bmp", L"D:\\Windows"), L"E:\\%windir%.bmp");
    EXPECT_EQ(TargetCaption(L"Vendrix 1.5.2", L"D:\\Windows\\"), L"Vendrix 1.5.2 — 目标：D:\\Windows");
}

// The in-memory machine, with the keys a script creates and deletes kept in order.
struct FakeHive : fakes::FakeMachine, RegistryKeys {
    std::vector<std::wstring> keyChanges;
    WriteResult CreateKey(const std::wstring& key) override { return Keyed(L"+" + key); }
    WriteResult DeleteKeyTree(const std::wstring& key) override { return Keyed(L"-" + key); }
    WriteResult Keyed(const std::wstring& change) {
        keyChanges.push_back(change);
        return Check(change);
    }
};

std::vector<ScriptChange> Script(const std::wstring& body) {
    const std::wstring text = L"REGEDIT4\n" + body;
    return ReadRegScript(std::string(text.begin(), text.end()), [](std::string_view b) {
               return std::wstring(b.begin(), b.end());
           }).changes;
}

TEST(OfflineScript, EachLineLandsInTheHiveWithItsTypeAndALineOutsideSoftwareRefusesTheScript) {
    const std::wstring oem = L"Microsoft\\Windows\\CurrentVersion\\OEMInformation";
    FakeHive hive;
    hive.values[{L"SOFTWARE\\" + oem, L"Model"}] = {true, reg::kSz, {}};
    hive.refused = L"SupportURL";
    const std::vector<ScriptChange> script = Script(
        L"[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Old]\n[HKEY_LOCAL_MACHINE\\software\\" + oem +
        L"]\n\"Manufacturer\"=\"Aurora\"\n\"Model\"=-\n\"Logo\"=hex(2):25,00\n\"SupportURL\"=\"u\"\n"
        L"@=dword:00000010\n");
    ASSERT_EQ(FirstUnmapped(script), nullptr);
    const std::vector<ScriptFailure> failures = ApplyScript(script, hive, hive);
    // Keys as the port names them: SOFTWARE first, the rest as the script writes it.
    const auto value = [&](const wchar_t* name) { return hive.values[{L"SOFTWARE\\" + oem, name}]; };
    EXPECT_EQ(hive.keyChanges, (std::vector<std::wstring>{L"-SOFTWARE\\Old", L"+SOFTWARE\\" + oem}));
    EXPECT_EQ(value(L"Manufacturer"), (RawValue{true, reg::kSz, reg::Utf16LeBytes({L"Aurora", 7})}));
    EXPECT_EQ(value(L"Logo"), (RawValue{true, reg::kExpandSz, {0x25, 0, 0, 0}}));
    EXPECT_EQ(value(L""), (RawValue{true, reg::kDword, {16, 0, 0, 0}}));
    EXPECT_FALSE(value(L"Model").exists) << "deleted";
    // A refused value is named and the lines after it are still written.
    EXPECT_EQ(failures, (std::vector<ScriptFailure>{
                            {L"HKEY_LOCAL_MACHINE\\software\\" + oem + L"\\SupportURL", L"拒绝访问。"}}));

    for (const wchar_t* outside : {L"[HKEY_CURRENT_USER\\Software\\X]", L"[HKEY_LOCAL_MACHINE\\SYSTEM\\X]",
                                   L"[HKEY_LOCAL_MACHINE\\SOFTWAREX]", L"[-HKEY_LOCAL_MACHINE\\SOFTWARE]"}) {
        const std::vector<ScriptChange> refused = Script(L"[HKLM\\SOFTWARE\\A]\n" + std::wstring(outside) + L"\n");
        ASSERT_NE(FirstUnmapped(refused), nullptr) << outside;
        EXPECT_EQ(FirstUnmapped(refused), &refused[1]) << outside;
    }
}

}  // namespace
}  // namespace vx
