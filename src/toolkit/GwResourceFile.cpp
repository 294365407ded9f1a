// Reading of the resource file and translation of its texts.
#include "toolkit/GwResourceFile.h"

#include <glib.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

struct GwResourceFileParser {
  GwResourceFile* file = nullptr;
  int depth = 0;            // element depth; frames are children of <interface> (depth 2)
  int language = -1;        // inside <texts>
  std::string english;      // inside <text>: its en attribute
  std::string translation;  // inside <text>: its content so far
  bool inText = false;

  static const char* attribute(const char** names, const char** values, const char* wanted) {
    for (int i = 0; names[i]; ++i) {
      if (std::strcmp(names[i], wanted) == 0) return values[i];
    }
    return nullptr;
  }

  static void start(GMarkupParseContext*, const char* element, const char** names,
                    const char** values, gpointer data, GError**) {
    auto* self = static_cast<GwResourceFileParser*>(data);
    ++self->depth;
    if (std::strcmp(element, "texts") == 0) {
      const char* language = attribute(names, values, "language");
      self->language = language ? std::atoi(language) : -1;
    } else if (std::strcmp(element, "text") == 0 && self->language >= 0) {
      const char* english = attribute(names, values, "en");
      self->english = english ? english : "";
      self->translation.clear();
      self->inText = true;
    } else if (std::strcmp(element, "signal") == 0) {
      const char* handler = attribute(names, values, "handler");
      if (handler) {
        std::string name = handler;
        self->file->handlers_.insert(name.substr(0, name.find('|')));
      }
    } else if (std::strcmp(element, "object") == 0 && self->depth == 3) {
      const char* id = attribute(names, values, "id");
      const char* type = attribute(names, values, "class");
      if (id && type) {
        const std::string kind = type;
        const bool window = kind == "GwFrameWindow" || kind.find("Dialog") != std::string::npos;
        (window ? self->file->frames_ : self->file->helpers_).insert(id);
      }
    }
  }

  static void end(GMarkupParseContext*, const char* element, gpointer data, GError**) {
    auto* self = static_cast<GwResourceFileParser*>(data);
    --self->depth;
    if (std::strcmp(element, "text") == 0 && self->inText) {
      self->file->texts_[self->language][self->english] = self->translation;
      self->inText = false;
    } else if (std::strcmp(element, "texts") == 0) {
      self->language = -1;
    }
  }

  static void text(GMarkupParseContext*, const char* text, gsize length, gpointer data, GError**) {
    auto* self = static_cast<GwResourceFileParser*>(data);
    if (self->inText) self->translation.append(text, length);
  }
};

namespace {

// The text of an XML element's content with the five predefined entities resolved.
std::string unescape(const std::string& raw) {
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '&') {
      out += raw[i];
      continue;
    }
    static const struct {
      const char* entity;
      char c;
    } entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    bool known = false;
    for (const auto& e : entities) {
      const std::size_t n = std::strlen(e.entity);
      if (raw.compare(i, n, e.entity) == 0) {
        out += e.c;
        i += n - 1;
        known = true;
        break;
      }
    }
    if (!known) out += '&';
  }
  return out;
}

std::string escape(const std::string& text) {
  std::unique_ptr<char, decltype(&g_free)> escaped(g_markup_escape_text(text.c_str(), -1), &g_free);
  return escaped.get();
}

}  // namespace

bool GwResourceFile::read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error_ = "cannot read " + path;
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  return parse(content.str());
}

bool GwResourceFile::parse(const std::string& text) {
  interface_.clear();
  texts_.clear();
  handlers_.clear();
  frames_.clear();
  helpers_.clear();
  error_.clear();

  GwResourceFileParser state;
  state.file = this;
  GMarkupParser parser{};
  parser.start_element = &GwResourceFileParser::start;
  parser.end_element = &GwResourceFileParser::end;
  parser.text = &GwResourceFileParser::text;
  GMarkupParseContext* context =
      g_markup_parse_context_new(&parser, G_MARKUP_TREAT_CDATA_AS_TEXT, &state, nullptr);
  GError* failure = nullptr;
  const bool parsed = g_markup_parse_context_parse(context, text.data(),
                                                   static_cast<gssize>(text.size()), &failure) &&
                      g_markup_parse_context_end_parse(context, &failure);
  g_markup_parse_context_free(context);
  if (!parsed) {
    error_ = failure ? failure->message : "malformed resource file";
    g_clear_error(&failure);
    return false;
  }

  const std::size_t begin = text.find("<interface");
  const std::string closing = "</interface>";
  const std::size_t end = text.rfind(closing);
  if (begin == std::string::npos || end == std::string::npos || end < begin) {
    error_ = "the resource file has no <interface> element";
    return false;
  }
  interface_ = text.substr(begin, end + closing.size() - begin);
  return true;
}

std::string GwResourceFile::interfaceFor(int language) const {
  const auto table = texts_.find(language);
  if (table == texts_.end()) return interface_;

  // Replace the content of every element marked translatable="yes".
  static const std::string marker = "translatable=\"yes\"";
  std::string out;
  out.reserve(interface_.size());
  std::size_t copied = 0;
  for (std::size_t at = interface_.find(marker); at != std::string::npos;
       at = interface_.find(marker, at + marker.size())) {
    const std::size_t open = interface_.find('>', at);
    if (open == std::string::npos || interface_[open - 1] == '/') continue;
    const std::size_t close = interface_.find('<', open);
    if (close == std::string::npos) break;
    const auto entry = table->second.find(unescape(interface_.substr(open + 1, close - open - 1)));
    if (entry == table->second.end()) continue;
    out.append(interface_, copied, open + 1 - copied);
    out += escape(entry->second);
    copied = close;
  }
  out.append(interface_, copied, std::string::npos);
  return out;
}
