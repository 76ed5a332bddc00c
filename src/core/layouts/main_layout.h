#pragma once
// The main window's controls, menu and size in twips.
#include <span>

#include "core/layouts/layout.h"

namespace vx::main_ids {
// ok answers Enter as the window's default button, so it carries IDOK's value.
inline constexpr int kOk = 1;
inline constexpr int kChooseBrandLabel = 101, kCombolist = 102, kLogo = 103;
// The owner panel: each field's heading and box, the save button, and the line before them.
inline constexpr int kOwnerLabel = 105, kOwnerBox = 106, kProductNameBox = 107,
                     kOrganizationLabel = 108, kOrganizationBox = 109, kProductNameLabel = 110,
                     kSaveOwner = 111;
inline constexpr int kCleanOEM = 112, kPanelDivider = 113;
// Menu commands; kMenuTogglePanel reads 扩展 or 收缩.
inline constexpr int kMenuExit = 201, kMenuTogglePanel = 202, kMenuUpdate = 203, kMenuAbout = 204,
                     kMenuSaveAsPreset = 205, kMenuMachineBrand = 206,
                     kMenuUndo = 207, kMenuChooseTarget = 208;
}  // namespace vx::main_ids

namespace vx {

inline constexpr int kMainClientWidthTwips = 2520;
inline constexpr int kMainClientHeightTwips = 3870;

std::span<const ControlDef> MainLayout();

}  // namespace vx
