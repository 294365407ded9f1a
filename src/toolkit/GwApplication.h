// Start and end of the toolkit, and the optional hooks a host may plug in around a run.
#pragma once

// Starts the toolkit: opens the display. Non-zero when the toolkit is usable; 0 without a
// display. The arguments are kept for the entry's sake and not used here.
int GwInitApplication(void* instance, void* previousInstance, int showState);
// Ends the toolkit: hides every window still shown and lets GTK finish pending work.
void GwCleanupApplication(int flags);
// Hooks a host application may set before the start; the entry calls each one that is not
// null: inter_init and gwsql_init after the toolkit started, gwsql_exit and inter_exit
// before it ends.
extern void (*inter_init)();
extern void (*gwsql_init)();
extern void (*gwsql_exit)();
extern void (*inter_exit)();
