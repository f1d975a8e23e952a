// The ways a run can end without unwinding: a termination signal (Ctrl+C in
// the terminal, SIGTERM from the desktop or a script, the terminal closed) and
// the loss of the display. Both end the process at once; the only work left to
// do then is to remove the temporary files of outputs that were not complete,
// so that an output is either whole under its own name or absent.
#pragma once

#include <string>

namespace mebuki {

// From now on SIGINT, SIGTERM and SIGHUP remove the temporaries and end the
// process with status 128 + the signal's number. A second signal while that
// happens ends it the default way; a signal that was ignored stays ignored.
void EndOnTerminationSignals();

// A temporary file to remove if the run ends abruptly; Forget takes it back
// (after it was renamed or removed). At most a handful are open at a time.
void RemoveOnAbruptEnd(const std::string& path);
void ForgetOnAbruptEnd(const std::string& path);

// Removes the temporaries and ends the process with the status, now.
// Async-signal-safe.
[[noreturn]] void EndAbruptly(int status);

}  // namespace mebuki
