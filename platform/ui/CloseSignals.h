#pragma once
// Termination requests from outside (SIGTERM, SIGINT) become a close
// request of the main window, as its close button is: WM_SYSCOMMAND with
// SC_CLOSE is posted to it, so that the program closes the way it always
// does (options written, windows destroyed). Without a main window the loop
// is told to quit. The signal handler only writes to a pipe that the loop
// watches; everything else runs on the loop.

class CCloseSignals {
public:
    // Installs the handlers once; false when the pipe cannot be made.
    static bool Install();
};
