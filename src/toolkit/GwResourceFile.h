// The toolkit's resource file: a GtkBuilder description of every frame plus text tables
// that translate its texts into further languages.
//
// Layout of the file:
//   <cgw>
//     <texts language="0"> <text en="Open">Öffnen</text> ... </texts>
//     <interface> ... GtkBuilder objects ... </interface>
//   </cgw>
// The texts inside <interface> are written in English (language 1). Every element marked
// translatable="yes" whose text has an entry in the table of the chosen language gets that
// entry instead. Signal handlers are written "name" or "name|user data text".
#pragma once

#include <map>
#include <set>
#include <string>

// The languages the settings name ([General] GwLanguage); the file may hold tables for
// further numbers.
enum GwLanguage { GwLANGUAGE_GERMAN = 0, GwLANGUAGE_ENGLISH = 1 };

class GwResourceFile {
 public:
  // Reads and parses the file; false when it cannot be read or has no <interface>.
  bool read(const std::string& path);
  bool parse(const std::string& text);
  const std::string& error() const { return error_; }

  // The GtkBuilder document with the texts of the language (numbers as in the settings:
  // 0 German, 1 English). A language without a table gives the texts as written.
  std::string interfaceFor(int language) const;

  // Handler names used by the <signal> elements (without their user data texts).
  const std::set<std::string>& handlerNames() const { return handlers_; }
  // Ids of the top-level windows: the frames that GwRcMgr::load can build.
  const std::set<std::string>& frameIds() const { return frames_; }
  // Ids of the other top-level objects (list models, adjustments): every load builds them
  // too, so that any frame may refer to them.
  const std::set<std::string>& helperIds() const { return helpers_; }

 private:
  friend struct GwResourceFileParser;
  std::string interface_;
  std::map<int, std::map<std::string, std::string>> texts_;  // language -> English -> text
  std::set<std::string> handlers_;
  std::set<std::string> frames_;
  std::set<std::string> helpers_;
  std::string error_;
};
