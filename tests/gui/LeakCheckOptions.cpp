// Leak checking in test programs that start GTK: GTK, GLib and fontconfig keep caches to
// the end of the process, which the suppressions file names so that only our leaks count.
// The sanitizer runtime asks for these defaults at start; LSAN_OPTIONS still overrides. The
// path is quoted, as the project may live in a folder with blanks.
extern "C" const char* __lsan_default_options() {
  return "suppressions='" DXFV_LSAN_SUPPRESSIONS "'";
}
