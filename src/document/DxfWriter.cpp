// The DXF writer: a drawing document as an ASCII DXF file of release 12 ("AC1009").
#include "document/DxfWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "document/DrawingExtents.h"
#include "document/InsertCycles.h"
#include "dxf/CNumericLocale.h"

namespace {

// Closes a file descriptor once.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now; false when closing reported an error (data that never reached the disk).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A linetype whose group 73 names more pattern elements than were read is written with the
// count of the elements it holds (given as the group 73 pair the count is read from), so
// that its pattern stays as read instead of gaining zero-length elements.
void writeLinetype(std::ostream& out, const Linientyp& linetype) {
  if (linetype.elementCount() <= linetype.storedElements()) {
    linetype.write(out);
    return;
  }
  Linientyp complete(linetype);
  std::string countGroup(" 73\n");
  countGroup += std::to_string(linetype.storedElements());
  countGroup += "\n  0\n";
  auto count = DxfLineReader::fromString(std::move(countGroup));
  complete.read(count);
  complete.write(out);
}

void writeHeaderReal(std::ostream& out, double value) {
  out << std::setprecision(6) << value << std::setprecision(4) << '\n';
}

}  // namespace

DxfWriter::DxfWriter(const DXF_Zeichnung& document) : document_(document) {}

int DxfWriter::write(const std::filesystem::path& path) const {
  CNumericLocale locale;
  std::ostringstream text;
  writeTo(text);
  if (!text) return kCannotWrite;
  return replaceFile(path, text.view());
}

void DxfWriter::writeTo(std::ostream& out) const {
  out.imbue(std::locale::classic());
  out << std::fixed << std::setprecision(4);
  writeHeader(out);
  writeTables(out);
  writeBlocks(out);
  writeEntities(out);
}

void DxfWriter::writeHeader(std::ostream& out) const {
  // The box of what is drawn, not the window the viewer widened around it; a drawing with
  // nothing drawn keeps the document's extents.
  DrawingExtents::Box box = DrawingExtents(document_).compute();
  if (box.empty) {
    box = {document_.minX(), document_.minY(), document_.maxX(), document_.maxY(), false};
  }
  out << "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n";
  out << "  9\n$EXTMIN\n 10\n";
  writeHeaderReal(out, box.minX);
  out << " 20\n";
  writeHeaderReal(out, box.minY);
  out << " 30\n0.0\n  9\n$EXTMAX\n 10\n";
  writeHeaderReal(out, box.maxX);
  out << " 20\n";
  writeHeaderReal(out, box.maxY);
  out << " 30\n0.0\n  9\n$LTSCALE\n 40\n";
  writeHeaderReal(out, document_.linetypeScale());
  out << "  0\nENDSEC\n";
}

void DxfWriter::writeTables(std::ostream& out) const {
  const LinetypeList& linetypes = document_.linetypes();
  out << "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n"
      << linetypes.count() - 1 << "\n  0\n";
  for (int i = linetypes.count() - 1; i >= 0; --i) writeLinetype(out, *linetypes.at(i));
  const LayerList& layers = document_.layers();
  out << "ENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n" << layers.count() - 1 << "\n  0\n";
  for (int i = layers.count() - 1; i >= 0; --i) layers.at(i)->write(out);
  out << "ENDTAB\n  0\nENDSEC\n";
}

void DxfWriter::writeBlocks(std::ostream& out) const {
  const BlockList& blocks = document_.blocks();
  out << "  0\nSECTION\n  2\nBLOCKS\n  0\n";
  const std::unordered_set<const DXF_Insert*> cyclic = cyclicInserts(blocks);
  for (int i = blocks.count() - 1; i >= 0; --i) blocks.at(i)->write(out, &cyclic);
  out << "ENDSEC\n";
}

void DxfWriter::writeEntities(std::ostream& out) const {
  out << "  0\nSECTION\n  2\nENTITIES\n  0\n";
  const EntityList& entities = document_.entities();
  for (int i = entities.count() - 1; i >= 0; --i) entities.at(i)->writeGroups(out);
  const PolylineList& polylines = document_.polylines();
  for (int i = polylines.count() - 1; i >= 0; --i) polylines.at(i)->write(out);
  const InsertList& inserts = document_.inserts();
  for (int i = inserts.count() - 1; i >= 0; --i) inserts.at(i)->write(out);
  const DimensionList& dimensions = document_.dimensions();
  for (int i = dimensions.count() - 1; i >= 0; --i) dimensions.at(i)->write(out);
  out << "ENDSEC\n  0\nEOF\n";
}

int DxfWriter::replaceFile(const std::filesystem::path& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  fs::path target = path;
  // A link is followed, so that the file it names is replaced and the link stays.
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    std::error_code error;
    target = fs::canonical(path, error);
    if (error) return kCannotWrite;
  }
  if (target.filename().empty()) return kCannotWrite;
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  // A write-protected file stays protected, even in a folder that would let it be replaced
  // and for a user whom the system would let write it anyway.
  if (exists && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0 ||
                 ::access(target.c_str(), W_OK) != 0)) {
    return kCannotWrite;
  }
  fs::path temporary = target;
  std::string temporaryName(".");
  temporaryName += target.filename().string();
  temporaryName += ".saving-";
  temporaryName += std::to_string(::getpid());
  temporary.replace_filename(temporaryName);
  FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                             exists ? (existing.st_mode & 07777) : 0666));
  if (file.get() < 0) return kCannotWrite;
  bool ok = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  if (ok && exists) ok = ::fchmod(file.get(), existing.st_mode & 07777) == 0;
  ok = file.close() && ok;
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok ? 0 : kCannotWrite;
}
