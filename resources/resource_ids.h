#pragma once
// Identifiers of the resources in the executable, shared by the resource script and the code.
// The program icon group, which every window of the program shows.
#define IDI_PROGRAM 1
#define IDB_LOGO_PLACEHOLDER 101
#define IDB_CLEAN_OEM 102
#define IDB_MAKER_LOGO 103
// The maker's web address, also the CompanyName of the version block.
#define VX_MAKER_SITE "https://www.vendrix.example"
