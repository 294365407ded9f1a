// dxfviewer: the program takes no arguments; whatever stands on the command line is ignored.
#include "app/ViewerEntry.h"
#include "app/ViewerStartup.h"

int main() { return viewerEntry(runViewer); }
