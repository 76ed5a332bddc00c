#pragma once
// How long one command the actions start may run: the hidden-command runner ends it then, and
// the actions' failure message names the limit.

namespace vx {

// How long one command may run before it counts as failed and is ended.
inline constexpr int kCommandTimeoutSeconds = 60;

}  // namespace vx
