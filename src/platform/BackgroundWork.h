// Long work on a thread of its own while the window goes on answering input.
#pragma once

#include <functional>

// Runs `work` on a new thread and, until it ends, handles the window events on the calling
// (GUI) thread, calling `tick` about every kTickMilliseconds there (a progress mark).
// Returns when the work has ended. `work` must not touch windows; callbacks run by the
// events may, so the caller keeps them from starting what conflicts with the work.
void runWhileAnswering(const std::function<void()>& work, const std::function<void()>& tick);

inline constexpr int kTickMilliseconds = 150;
