// IniFile: reading, lookups, changes and atomic rewriting of the settings file.
#include "settings/IniFile.h"

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string_view>

#include "settings/Cp1252.h"
#include "settings/ReplacingFile.h"

namespace {

int errorCode = 0;

// Buffered byte source for reading lines of any length in one pass.
class ByteSource {
 public:
  explicit ByteSource(std::FILE* file) : file_(file) {}
  int next() {
    if (pos_ == len_) {
      len_ = std::fread(buffer_, 1, sizeof buffer_, file_);
      pos_ = 0;
      if (len_ == 0) return EOF;
    }
    return static_cast<unsigned char>(buffer_[pos_++]);
  }

 private:
  std::FILE* file_;
  char buffer_[65536];
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
};

// Reads one line into `line` (newline and a CR before it removed, cut to the line limit, the
// rest of a longer line skipped, text ending at a NUL byte). False at the end of the file.
bool readLine(ByteSource& source, std::string& line) {
  line.clear();
  std::size_t total = 0;
  int last = EOF;
  int c = source.next();
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = source.next()) {
    // One byte beyond the limit is kept so that a CR ending a full-length line can go.
    if (line.size() <= IniFile::maxLineLength) line.push_back(static_cast<char>(c));
    ++total;
    last = c;
  }
  if (last == '\r' && total == line.size()) line.pop_back();
  if (line.size() > IniFile::maxLineLength) line.resize(IniFile::maxLineLength);
  const std::size_t nul = line.find('\0');
  if (nul != std::string::npos) line.resize(nul);
  return true;
}

// Older files hold the drawings' Windows-1252 bytes in layer keys and values: a line that
// is no UTF-8 is such a line. Its UTF-8 form stays within the line limit, cut between
// characters.
void readAsUtf8(std::string& line) {
  if (isUtf8(line)) return;
  line = cp1252ToUtf8(line);
  line.resize(utf8CutAt(line, IniFile::maxLineLength));
}

// White space of the C locale, without depending on the current locale.
bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void stripBlanksBeforeEquals(std::string& line) {
  const std::size_t equals = line.find('=');
  const std::size_t end = equals == std::string::npos ? line.size() : equals;
  std::string stripped;
  stripped.reserve(line.size());
  for (std::size_t i = 0; i < end; ++i) {
    if (!isBlank(line[i])) stripped.push_back(line[i]);
  }
  stripped.append(line, end, std::string::npos);
  line.swap(stripped);
}

int compareSectionName(const void* value, const void* userValue) {
  const auto* section = static_cast<const IniSection*>(value);
  const auto* name = static_cast<const std::string_view*>(userValue);
  return section != nullptr && section->name() == *name ? 0 : 1;
}

}  // namespace

IniFile::IniFile(const char* path, bool stripBlanks) {
  errorCode = NoError;
  if (path != nullptr && *path != '\0') {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    path_ = ec ? std::string(path) : absolute.string();
    errorCode = read(stripBlanks);
  }
  sectionCursor_ = -1;
}

IniFile::~IniFile() {
  for (int row = sections_.rowCount() - 1; row >= 0; --row) delete sectionAt(row);
}

int IniFile::fail(int code) {
  errorCode = code;
  return code;
}

int IniFile::lastError() { return errorCode; }

void IniFile::clearError() { errorCode = NoError; }

const char* IniFile::errorText(int code) {
  static const char* const texts[] = {
      "\nKein Fehler aufgetreten.",          "\nFEHLER: Section existiert nicht.",
      "\nFEHLER: Section existiert schon.",  "\nFEHLER: Schluessel nicht gefunden.",
      "\nFEHLER: Eintrag existiert schon.",  "\nFEHLER: Keine Section ausgewaehlt.",
      "\nFEHLER: Kein Eintrag ausgewaehlt.",
  };
  return code >= 0 && code < static_cast<int>(std::size(texts)) ? texts[code] : "";
}

AT_Item& IniFile::sharedEmptyItem() {
  static AT_Item item;
  return item;
}

int IniFile::read(bool stripBlanks) {
  std::FILE* file = path_.empty() ? nullptr : std::fopen(path_.c_str(), "rb");
  if (file == nullptr) return CannotOpen;

  int status = NoError;
  std::string sectionName;
  std::string line;
  ByteSource source(file);
  while (readLine(source, line)) {
    readAsUtf8(line);
    if (stripBlanks) stripBlanksBeforeEquals(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      // The closing bracket is assumed, not checked: the last character goes whatever it is,
      // never only a part of it.
      const std::size_t last = utf8CutAt(line, line.size() - 1);
      sectionName = line.size() >= 2 ? line.substr(1, last - 1) : std::string();
      status = addSection(sectionName.c_str());
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    line[equals] = '\0';
    status = addEntry(sectionName.c_str(), line.c_str(), line.c_str() + equals + 1);
  }
  // A folder opens but cannot be read: that is a file that could not be opened for reading.
  const bool unreadable = std::ferror(file) != 0;
  std::fclose(file);
  return unreadable ? CannotOpen : status;
}

std::string IniFile::render() {
  std::string out;
  const char* name = firstSection();
  if (name == nullptr) return "[]\n";
  for (bool first = true; name != nullptr; name = nextSection(), first = false) {
    if (!first) out += '\n';
    out.append("[").append(name).append("]\n");
    for (const char* key = firstKey(); key != nullptr; key = nextKey()) {
      out.append(key).append("=").append(currentValue());
      // The reader drops one carriage return before the newline (CR LF files); a value
      // that ends in one keeps it through an extra one.
      if (out.back() == '\r') out += '\r';
      out += '\n';
    }
  }
  return out;
}

bool IniFile::write(const char* path) {
  const std::string target = path != nullptr ? std::string(path) : path_;
  if (target.empty()) return false;
  ReplacingFile file(target);
  return file.open() && file.write(render()) && file.commit();
}

IniSection* IniFile::sectionAt(int row) const {
  return static_cast<IniSection*>(const_cast<void*>(sections_.cellAt(row, 0).value()));
}

IniSection* IniFile::findSection(const char* name) const {
  const std::string_view wanted = IniSection::clipName(name != nullptr ? name : "");
  return sectionAt(sections_.findRowByMatch(compareSectionName, &wanted, 0));
}

int IniFile::addSection(const char* name) {
  if (findSection(name) != nullptr) return fail(SectionExists);
  const int row = sections_.appendRow();
  sections_.cellAt(row, 0).setRaw(new IniSection(name != nullptr ? name : ""), 0);
  return NoError;
}

int IniFile::addEntry(const char* section, const char* key, const char* value) {
  IniSection* target = findSection(section);
  if (target == nullptr) return fail(SectionMissing);
  if (target->findEntry(key != nullptr ? key : "") >= 0) return fail(EntryExists);
  target->appendEntry(key, value);
  return NoError;
}

int IniFile::setValue(const char* section, const char* key, const char* value) {
  IniSection* target = findSection(section);
  if (target == nullptr) return fail(SectionMissing);
  const int row = target->findEntry(key != nullptr ? key : "");
  if (row < 0) return fail(KeyMissing);
  target->entries().cellAt(row, 1).setText(value != nullptr ? value : "");
  return NoError;
}

AT_Item& IniFile::getItem(const char* section, const char* key, const char* defaultText) {
  if (section != nullptr && key != nullptr) {
    if (IniSection* found = findSection(section)) {
      const int row = found->findEntry(key);
      if (row >= 0) return found->entries().cellAt(row, 1);
      fail(KeyMissing);
    } else {
      fail(SectionMissing);
    }
  }
  AT_Item& fallback = sharedEmptyItem();
  fallback.clearFormat();
  if (defaultText != nullptr) {
    fallback.setText(defaultText);
  } else {
    fallback.clear();
  }
  return fallback;
}

const char* IniFile::getString(const char* section, const char* key, const char* defaultText) {
  return getItem(section, key, defaultText).text();
}

int IniFile::getInt(const char* section, const char* key) { return getItem(section, key).toInt(); }

const char* IniFile::selectSection(int row) {
  IniSection* section = sectionAt(row);
  if (section == nullptr) {
    sectionCursor_ = -1;
    return nullptr;
  }
  sectionCursor_ = row;
  section->setEntryCursor(-1);
  return section->name().c_str();
}

const char* IniFile::firstSection() { return selectSection(0); }

const char* IniFile::nextSection() {
  return sectionCursor_ < 0 ? nullptr : selectSection(sectionCursor_ + 1);
}

const char* IniFile::selectEntry(IniSection& section, int row) {
  section.setEntryCursor(row);
  return section.entryCursor() < 0 ? nullptr : section.entries().cellAt(row, 0).text();
}

const char* IniFile::firstKey() {
  IniSection* section = currentSection();
  if (section == nullptr) {
    fail(NoSectionSelected);
    return nullptr;
  }
  return selectEntry(*section, 0);
}

const char* IniFile::nextKey() {
  IniSection* section = currentSection();
  if (section == nullptr) {
    fail(NoSectionSelected);
    return nullptr;
  }
  if (section->entryCursor() < 0) {
    fail(NoEntrySelected);
    return nullptr;
  }
  return selectEntry(*section, section->entryCursor() + 1);
}

const char* IniFile::currentValue() {
  IniSection* section = currentSection();
  if (section == nullptr) {
    fail(NoSectionSelected);
    return "";
  }
  if (section->entryCursor() < 0) {
    fail(NoEntrySelected);
    return "";
  }
  return section->entries().cellAt(section->entryCursor(), 1).text();
}
