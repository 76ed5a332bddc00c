// The brand preset for this machine's maker, as the firmware names it: real makers' strings
// against a shop's list, and look-alikes that must find nothing.
#include "core/machine/machine_brand.h"

#include "fakes.h"

namespace vx {
namespace {

using namespace fakes;

// Rule 1 (the brand is the maker's name or whole words of it) before rule 2 (a name the maker
// is known by) before rule 3 (the preset's script names the maker: Kestrel's sets the OEM
// information's Manufacturer to Aurora Systems, and Zephyr's elsewhere).
TEST(MachineBrand, TheEarliestRuleAndWithinItTheFirstListedBrandWins) {
    FakeSystem f;
    f.files[L"C:\\V\\oemdata\\Kestrel\\oem.reg"] =
        "REGEDIT4\n[HKLM\\SOFTWARE\\X]\n\"Manufacturer\"=\"Zephyr\"\n[HKLM\\SOFTWARE\\"
        "Microsoft\\Windows\\CurrentVersion\\OEMInformation]\n\"Manufacturer\"=\"Aurora Systems PC\"\n";
    const std::vector<S> brands = {
        kCustomEntry, L"Kestrel", L"惠普",    L"HP",     L"戴尔",     L"联想",   L"华硕",
        L"宏碁",      L"MSI",     L"技嘉",    L"小米",   L"华为",     L"荣耀",   L"神舟",
        L"机械革命",  L"Microsoft", L"苹果",  L"三星",   L"Intel",    L"华擎",   L"东芝",
        L"富士通",    L"雷神",    L"七彩虹",  L"同方",   L"Computer", kClearEntry};
    const struct Row {
        S maker, found;  // the brand found or the message; empty: none matches
    } rows[] = {
        {.maker = L"LENOVO", .found = L"联想"}, {.maker = L"Dell Inc.", .found = L"戴尔"},
        {.maker = L"Hewlett-Packard", .found = L"惠普"}, {.maker = L"HP", .found = L"HP"},
        {.maker = L"ASUSTeK COMPUTER INC.", .found = L"华硕"}, {.maker = L"Acer", .found = L"宏碁"},
        {.maker = L"Micro-Star International Co., Ltd.", .found = L"MSI"},
        {.maker = L"Gigabyte Technology Co., Ltd.", .found = L"技嘉"},
        {.maker = L"TIMI", .found = L"小米"}, {.maker = L"HUAWEI", .found = L"华为"},
        {.maker = L"HONOR", .found = L"荣耀"}, {.maker = L"Hasee Computer", .found = L"神舟"},
        {.maker = L"MECHREVO", .found = L"机械革命"},
        {.maker = L"Microsoft Corporation", .found = L"Microsoft"},
        {.maker = L"Apple Inc.", .found = L"苹果"},
        {.maker = L"SAMSUNG ELECTRONICS CO., LTD.", .found = L"三星"},
        {.maker = L"Intel Corporation", .found = L"Intel"}, {.maker = L"ASRock", .found = L"华擎"},
        {.maker = L"TOSHIBA", .found = L"东芝"},
        {.maker = L"FUJITSU CLIENT COMPUTING LIMITED", .found = L"富士通"},
        {.maker = L"THUNDEROBOT", .found = L"雷神"},
        {.maker = L"Colorful Technology And Development Co.,LTD", .found = L"七彩虹"},
        {.maker = L"TSINGHUA TONGFANG CO.,LTD", .found = L"同方"},
        {.maker = L"AURORA SYSTEMS LTD.", .found = L"Kestrel"}, {.maker = L"Tracer Sp. z o.o."},
        {.maker = L"Intelligent Systems"}, {.maker = L"Modell GmbH"},
        {.maker = L"HPC Systems Inc."}, {.maker = L"Asustor Inc."}, {.maker = L"Zephyr Ltd"},
        {.maker = L"Computer Inc."}, {.maker = L"--", .found = kMsgNoFirmwareMaker},
    };
    for (const Row& row : rows) {
        const MachineBrand b = FindMachineBrand(brands, row.maker, L"C:\\V", f);
        EXPECT_EQ(b.index < 0 ? b.message : brands[b.index],
                  row.found.empty() ? kMsgNoMatchPrefix + row.maker + kMsgNoMatchSuffix : row.found)
            << row.maker;
    }
}

}  // namespace
}  // namespace vx
