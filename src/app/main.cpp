// dxfviewer: the program takes no arguments; whatever stands on the command line is ignored.
#include "ViewerEntry.h"
#include "ViewerStartup.h"

int main() { return viewerEntry(runViewer); }
