#pragma once
// The window that chooses which Windows the actions act on: its controls and size in twips.
#include <span>

#include "core/layouts/layout.h"

namespace vx::target_ids {
// OK and cancel carry IDOK's and IDCANCEL's values so that Enter and Esc press them.
inline constexpr int kOk = 1, kCancel = 2;
inline constexpr int kListLabel = 101, kSystemList = 102;
}  // namespace vx::target_ids

namespace vx {

inline constexpr int kTargetClientWidthTwips = 4800;
inline constexpr int kTargetClientHeightTwips = 1620;

std::span<const ControlDef> TargetLayout();

}  // namespace vx
