// Message boxes on GTK, falling back to standard error without a display.
#include "platform/MessageBox.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>

#include "settings/Cp1252.h"

namespace {

MessageBoxHook& hook() {
  static MessageBoxHook instance;
  return instance;
}

void show(const char* text, const char* caption, GtkMessageType type) {
  const std::string message = text ? text : "";
  const std::string title = caption ? caption : "";
  if (hook()) {
    hook()(message, title);
    return;
  }
  if (!gdk_display_get_default()) {
    std::fprintf(stderr, "%s: %s\n", cp1252ToUtf8(title).c_str(), cp1252ToUtf8(message).c_str());
    return;
  }
  GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, type, GTK_BUTTONS_OK, "%s",
                                             cp1252ToUtf8(message).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), cp1252ToUtf8(title).c_str());
  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
}

}  // namespace

void messageBox(const char* text, const char* caption) { show(text, caption, GTK_MESSAGE_ERROR); }

void fatalAppExit(const char* text) {
  show(text, "Fatal Application Exit", GTK_MESSAGE_ERROR);
  std::fflush(stderr);
  std::_Exit(3);
}

void setMessageBoxHook(MessageBoxHook newHook) { hook() = std::move(newHook); }
