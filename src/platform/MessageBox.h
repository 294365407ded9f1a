// Message boxes of the start-up and the fatal exit: a GTK dialog when a display is open,
// standard error otherwise.
#pragma once

#include <functional>
#include <string>

// Shows text (Windows-1252) with the caption and an OK button, owned by no window, and
// returns when the user confirmed it.
void messageBox(const char* text, const char* caption);

// Shows text with the caption "Fatal Application Exit" and ends the process at once with
// exit code 3; nothing is cleaned up and no settings are written.
[[noreturn]] void fatalAppExit(const char* text);

// Replaces the dialog (tests): the hook receives text and caption instead. Standard error
// still gets nothing. An empty function brings the dialog back.
using MessageBoxHook = std::function<void(const std::string& text, const std::string& caption)>;
void setMessageBoxHook(MessageBoxHook hook);
