#pragma once

namespace tarvanel {

// Makes SIGTERM and SIGINT end the application's event loop normally, with
// exit code 0, whatever dialog is open, so that scripts can stop the program
// cleanly; unsaved changes are not asked about. Call once, after
// the QCoreApplication exists. Returns false if the signals could not be hooked.
bool quitOnTerminationSignals();

} // namespace tarvanel
