#pragma once
// What an action came to: the steps that failed and the one message to show.
#include <string>
#include <vector>

namespace vx {

enum class ApplyStep {
    EnterPresetFolder,
    CheckLogoPath,
    CheckPreset,
    MakeOemFolder,
    CopyLogo,
    ImportScript,
    DeleteLogo,
    RemoveOemFolder,
    WriteValue,
};

// One step that did not do what it was for: which step, what it concerned (a folder, a file
// or a value name) and why.
struct StepFailure {
    ApplyStep step;
    std::wstring subject;
    std::wstring reason;
    friend bool operator==(const StepFailure&, const StepFailure&) = default;
};

struct ActionOutcome {
    // True when the action was refused before its first step: nothing was changed.
    bool refused = false;
    std::vector<StepFailure> failures;
    // The one message to show: the completion message, or what failed.
    std::wstring message;
    bool Succeeded() const { return !refused && failures.empty(); }
};

// Refused before its first step: the message, then what it is about on a line of its own.
inline ActionOutcome Refuse(ApplyStep step, const std::wstring& subject, const wchar_t* message) {
    ActionOutcome outcome;
    outcome.refused = true;
    outcome.failures.push_back({step, subject, L""});
    outcome.message = std::wstring(message) + L"\n" + subject;
    return outcome;
}

}  // namespace vx
