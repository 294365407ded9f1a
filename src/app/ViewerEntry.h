// The process entry: toolkit start, optional test module, main routine, toolkit end.
#pragma once

// Runs mainRoutine between the toolkit's start and end and returns its result; 1 when the
// toolkit cannot start (no display). When the resource database names a "TestTool" module,
// its function init_test_func runs first: a result of 0 unloads the module again, any
// other keeps it loaded for the run. A std::bad_cast ends the process with the fatal-exit
// message "Bad pointer cast!", any other exception with "General C++ exception!".
int viewerEntry(int (*mainRoutine)());
