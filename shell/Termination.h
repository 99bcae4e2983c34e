#pragma once
// Ending on a signal from the desktop or the system (logout, shutdown).

// SIGTERM and SIGHUP end the program through its normal end: every event loop
// returns, the windows close and the pending work is committed as on "Kilépés".
void endOnTermination();
