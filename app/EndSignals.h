// A program ended by the desktop (log out: SIGHUP, SIGTERM) or by Ctrl+C in a terminal
// (SIGINT) leaves nothing behind: its private picture folder is removed, then it ends as
// the signal asks.
#pragma once

// Call once, with the application object made.
void RemovePicturesOnEndSignals();
