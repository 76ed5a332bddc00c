#pragma once
// What stands before an action's first change: what it will change read and compared with what
// it will set; then nothing to do, the dry run's answer, or a restore point made (and the oldest
// beyond the kept number pruned) before it goes on. And the undo, which puts a point back.
#include <optional>
#include <string>
#include <vector>

#include "core/oem/apply_actions.h"
#include "core/oem/owner_panel.h"
#include "core/oem/restore_point.h"
#include "core/preset/reg_script.h"

namespace vx {

class ChangeGuard {
  public:
    // `origin`: what started the action (core/oem/action_origin.h). A dry run (`whatIf`) ends
    // every action at its guard, with the lines of what would change.
    ChangeGuard(RestorePorts& ports, std::wstring origin, bool whatIf = false)
        : ports_(ports), origin_(std::move(origin)), whatIf_(whatIf) {}

    // Nothing when the action is to go on, its restore point made; otherwise the outcome it ends
    // with: nothing to change (done), the dry run's lines (done), or no restore point (refused).
    std::optional<ActionOutcome> Check(const Plan& plan);

    const Comparison& comparison() const { return comparison_; }
    const std::wstring& restorePoint() const { return made_; }  // the one made; empty if none
    RestorePorts& ports() { return ports_; }

  private:
    RestorePorts& ports_;
    std::wstring origin_;
    bool whatIf_;
    Comparison comparison_;
    std::wstring made_;
};

// A text value as the actions write it: expandable, with its terminator.
RawValue ExpandableText(std::wstring_view text);

// What each action will leave. A brand: the OEM values its script sets or deletes, and the
// preset's logo (nothing when it cannot be read); a script that changes more always runs.
Plan BrandPlan(const std::vector<ScriptChange>& changes, std::optional<std::string> logo);
Plan ClearPlan();
// `logo`: the bytes the copy would make the logo; used only when the values give a logo path.
Plan CustomPlan(const CustomValues& values, std::optional<std::string> logo);
// In both registry views where the 32-bit one holds the owner values (64-bit Windows).
Plan OwnerPlan(const OwnerValues& values, RegistryPort& registry);

// The checks the actions call before their first step, reading the preset's script and logo
// or the prepared logo through `files`.
BeforeChange GuardBrand(ChangeGuard& guard, const std::wstring& presetFolder, PresetFiles& files);
BeforeChange GuardClear(ChangeGuard& guard);
BeforeChange GuardCustom(ChangeGuard& guard, const CustomValues& values, PresetFiles& files);

// The restore points, newest first, with what made each (an unreadable one with no origin).
std::vector<RestorePoint> ListRestorePoints(RestorePointStore& store);

// Puts back the named restore point, or the newest for an empty name: each value exactly as
// it was (absent ones deleted), the logo written or removed. Refused for an unknown name.
ActionOutcome RunRestoreAction(const std::wstring& name, ChangeGuard& guard);

}  // namespace vx
