// File selection on GtkFileChooserDialog, with a hook through which tests choose.
#include "toolkit/GwFileSelector.h"

#include <gtk/gtk.h>

#include <cctype>

#include "settings/Cp1252.h"
#include "toolkit/GObjectHandle.h"
#include "toolkit/GwCore.h"

namespace {

GwFileSelectorHook& hook() {
  static GwFileSelectorHook instance;
  return instance;
}

// "*.dxf" -> "*.[dD][xX][fF]": the filter ignores case, as file names on the drawings'
// home systems did.
std::string caseFreePattern(const std::string& pattern) {
  std::string out;
  for (char c : pattern) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) {
      out += '[';
      out += static_cast<char>(std::tolower(u));
      out += static_cast<char>(std::toupper(u));
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

bool hasWildcard(const std::string& pattern) {
  return pattern.find_first_of("*?") != std::string::npos;
}

std::string extensionPattern(const std::string& pattern) {
  const std::size_t dot = pattern.find_last_of('.');
  return dot == std::string::npos ? std::string("*") : "*" + pattern.substr(dot);
}

}  // namespace

void GwSetFileSelectorHook(GwFileSelectorHook newHook) { hook() = std::move(newHook); }

int GwFileSelector(std::string& result, GwCore* parent, const char* startDirectory,
                   const char* pattern, GwFileMode mode, const char* title) {
  GwFileRequest request{startDirectory ? startDirectory : "", pattern ? pattern : "", mode,
                        title ? title : ""};
  if (hook()) {
    std::string chosen;
    if (!hook()(request, chosen)) return 0;
    result = chosen;
    return 1;
  }

  const bool save = mode == GwFILE_SAVE;
  GtkWindow* owner = nullptr;
  if (parent && GTK_IS_WINDOW(parent->frame()->widget())) {
    owner = GTK_WINDOW(parent->frame()->widget());
  }
  const std::string titleUtf8 = cp1252ToUtf8(request.title);
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      titleUtf8.c_str(), owner, save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
      "_Cancel", GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, save);
  if (!request.startDirectory.empty()) {
    gtk_file_chooser_set_current_folder(chooser, request.startDirectory.c_str());
  }
  const std::string filterPattern =
      hasWildcard(request.pattern) ? request.pattern : extensionPattern(request.pattern);
  if (!request.pattern.empty()) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, filterPattern.c_str());
    gtk_file_filter_add_pattern(filter, caseFreePattern(filterPattern).c_str());
    gtk_file_chooser_add_filter(chooser, filter);
  }
  if (save && !request.pattern.empty() && !hasWildcard(request.pattern)) {
    gtk_file_chooser_set_current_name(chooser, cp1252ToUtf8(request.pattern).c_str());
  }

  int confirmed = 0;
  if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
    if (const GStringPtr file{gtk_file_chooser_get_filename(chooser)}) {
      result = file.get();
      confirmed = 1;
    }
  }
  gtk_widget_destroy(dialog);
  return confirmed;
}
