// A desktop session that ends, or a terminal's Ctrl+C, asks the program to
// quit with a signal. Caught, it ends every running modal loop as a close
// would, so the windows still write their settings on the way out.
#pragma once

namespace skinwright::platform {

// SIGTERM, SIGINT and SIGHUP from now on quit the application's event loops.
// Call once, after the application object exists.
void QuitOnTerminationSignals();

}  // namespace skinwright::platform
