// Giving the system back the memory a closed drawing held.
#pragma once

// Asks the C library to return its unused heap pages to the system, on a thread of its own
// (with a large heap it takes a while). A request while one is still running is dropped:
// that one gives back what has been freed so far.
void giveBackFreedMemory();
