#pragma once
// What an action came to, as a value: callers choose their branch, and the command line its
// exit code, by the kind, never by the message's text.
#include <string>

namespace vx {

enum class OutcomeKind {
    Done,      // everything it was for is done
    Failed,    // it ran, and something did not do what it was for
    Refused,   // stopped before its first change
    Declined,  // the user answered No to its question before any change
};

struct ActionOutcome {
    OutcomeKind kind = OutcomeKind::Done;
    // The one message to show: the completion message, what failed or why it was refused; for
    // a declined action the question the user answered No to.
    std::wstring message;
};

// Refused before any change: why, then what it is about on a line of its own.
inline ActionOutcome Refusal(const std::wstring& why, const std::wstring& subject) {
    return {OutcomeKind::Refused, why + L"\n" + subject};
}

}  // namespace vx
