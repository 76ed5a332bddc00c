#pragma once
// Who made this machine and what model it is, as its firmware says: the SMBIOS tables, or where
// they name no maker, the copy of their values Windows keeps in the registry.
#include <string>
#include <string_view>

namespace vx {

// The strings of the System Information (type 1) and Baseboard (type 2) structures, trimmed;
// a placeholder or anything the tables cannot give is empty.
struct SmbiosStrings {
    std::wstring manufacturer, product, version;
    std::wstring boardManufacturer, boardProduct;
};

// The buffer GetSystemFirmwareTable('RSMB') fills: a RawSMBIOSData header, then the
// structures. Only what lies wholly inside both the buffer and the header's length is read.
SmbiosStrings ParseSmbios(std::string_view raw);

struct MachineIdentity {
    std::wstring manufacturer, model;  // empty: unknown
};

// The machine's firmware as the system hands it out.
class FirmwarePort {
  public:
    virtual ~FirmwarePort() = default;
    // The raw 'RSMB' table; empty when the system gives none.
    virtual std::string SmbiosTable() = 0;
    // A text value of HKLM\HARDWARE\DESCRIPTION\System\BIOS; empty when absent.
    virtual std::wstring BiosValue(const wchar_t* name) = 0;
};

// The tables first; the BIOS key's values, through the same rules, when they name no maker.
// The model is Product Name, the Version for makers that put a type code there, or the
// baseboard's product; the maker is the baseboard's where the system names none.
MachineIdentity ReadMachineIdentity(FirmwarePort& firmware);

}  // namespace vx
