# Fails when a file of the headless core is compiled with GUI library flags.
# Run as: cmake -DCOMPILE_COMMANDS=<build>/compile_commands.json -DSOURCE_ROOT=<src>
#               -DBUILD_ROOT=<build>/src -P CheckCoreFlags.cmake
# A unity build compiles a target's batches from its own build folder, so a core file is one
# under SOURCE_ROOT/<layer> or under BUILD_ROOT/<layer>.
cmake_minimum_required(VERSION 3.25)
set(core_layers settings dxf entities document)
get_filename_component(project_root "${SOURCE_ROOT}" DIRECTORY)
file(READ "${COMPILE_COMMANDS}" commands)
string(JSON count LENGTH "${commands}")
math(EXPR last "${count} - 1")
set(core_files 0)
foreach(i RANGE ${last})
  string(JSON file GET "${commands}" ${i} file)
  string(JSON command GET "${commands}" ${i} command)
  # The project's own folders may have any name; only the flags that remain count.
  string(REPLACE "${BUILD_ROOT}" "" command "${command}")
  string(REPLACE "${project_root}" "" command "${command}")
  foreach(layer IN LISTS core_layers)
    string(FIND "${file}" "${SOURCE_ROOT}/${layer}/" in_sources)
    string(FIND "${file}" "${BUILD_ROOT}/${layer}/" in_build)
    if(in_sources EQUAL 0 OR in_build EQUAL 0)
      math(EXPR core_files "${core_files} + 1")
      if(command MATCHES "gtk|gdk|glib|cairo|pango|rsvg")
        message(FATAL_ERROR "${file} is compiled with GUI flags: ${CMAKE_MATCH_0}")
      endif()
    endif()
  endforeach()
endforeach()
if(core_files EQUAL 0)
  message(FATAL_ERROR "no core file found in ${COMPILE_COMMANDS}")
endif()
message(STATUS "${core_files} core files compiled without GUI flags")
