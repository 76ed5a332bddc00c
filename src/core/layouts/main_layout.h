#pragma once
// The main window's controls, menu and size in twips.
#include <span>

#include "core/layouts/layout.h"

namespace vx::main_ids {
// ok answers Enter as the window's default button, so it carries IDOK's value.
inline constexpr int kOk = 1;
inline constexpr int kLabel1 = 101, kCombolist = 102, kLogo = 103, kLabel2 = 105, kText1 = 106,
                     kText3 = 107, kLabel4 = 108, kText2 = 109, kLabel3 = 110, kCgUser = 111,
                     kCleanOEM = 112, kLine1 = 113;
// Menu commands.
inline constexpr int kMenu11 = 201, kMenu2 = 202, kMenu3 = 203, kMenu9 = 204, kMenu12 = 205,
                     kMenu13 = 206;
inline constexpr int kMenuUndo = 207;
}  // namespace vx::main_ids

namespace vx {

inline constexpr int kMainClientWidthTwips = 2520;
inline constexpr int kMainClientHeightTwips = 3870;

std::span<const ControlDef> MainLayout();

}  // namespace vx
