// The brand preset for this machine's maker, as the firmware names it.
#include "core/machine/machine_brand.h"

#include "fakes.h"

namespace vx {
namespace {

using namespace fakes;

// The first listed brand named, aliased or scripted by the maker (Kestrel's script names ASUS
// as the OEM information's maker, and Dell elsewhere).
TEST(MachineBrand, TheFirstBrandNamedAliasedOrScriptedByTheMakerWins) {
    FakeSystem f;
    f.files[L"C:\\V\\oemdata\\Kestrel\\oem.reg"] =
        "REGEDIT4\n[HKLM\\SOFTWARE\\X]\n\"Manufacturer\"=\"Dell\"\n[HKLM\\SOFTWARE\\"
        "Microsoft\\Windows\\CurrentVersion\\OEMInformation]\n\"Manufacturer\"=\"ASUS K\"\n";
    const std::vector<S> brands = {kCustomEntry, L"Kestrel", L"惠普", L"DELL", L"联想"};
    const struct Row {
        S maker, found;  // the brand found, or the message
    } rows[] = {
        {.maker = L"LENOVO", .found = L"联想"}, {.maker = L"Hewlett-Packard", .found = L"惠普"},
        {.maker = L"Dell Inc.", .found = L"DELL"}, {.maker = L"Asus", .found = L"Kestrel"},
        {.maker = L"", .found = kMsgNoFirmwareMaker},
        {.maker = L"Acme", .found = L"本机固件中的制造商为“Acme”，没有与之相符的品牌预设。"},
    };
    for (const Row& row : rows) {
        const MachineBrand b = FindMachineBrand(brands, row.maker, L"C:\\V", f);
        EXPECT_EQ(b.index < 0 ? b.message : brands[b.index], row.found) << row.maker;
    }
}

}  // namespace
}  // namespace vx
