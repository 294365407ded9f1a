# Fills a desktop entry or thumbnailer template at install time: @BINDIR@ is the installed
# programs' folder as a plain value (TryExec), @EXEC_BINDIR@ the same for use inside a quoted
# argument of an Exec line, so that a prefix with blanks or quotes still names the program.
# Run with SOURCE, TARGET and BINDIR set.
set(EXEC_BINDIR "${BINDIR}")
# Inside quotes a backslash, double quote, backquote and dollar take a backslash, and the
# value's own escaping doubles every backslash; a per cent sign starts a field code.
string(REPLACE "\\" "\\\\\\\\" EXEC_BINDIR "${EXEC_BINDIR}")
foreach(character "\"" "`" "$")
  string(REPLACE "${character}" "\\\\${character}" EXEC_BINDIR "${EXEC_BINDIR}")
endforeach()
string(REPLACE "%" "%%" EXEC_BINDIR "${EXEC_BINDIR}")
configure_file("${SOURCE}" "${TARGET}" @ONLY)
