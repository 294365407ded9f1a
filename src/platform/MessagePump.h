// The message pump long operations run so that windows repaint while they work.
#pragma once

// Handles every pending window event without waiting. Returns non-zero when it stopped
// because the running event loop was asked to end (the window is closing), 0 when nothing
// was pending any more. Without a display it does nothing and returns 0.
int pumpMessages();
