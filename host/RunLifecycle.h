#pragma once
// One invocation of the filter: the show-dialog flag kept in the host's data
// handle, the scripting descriptor, and the choice between the dialog run and
// the run with stored settings.
#include <cstdint>

class OrvRunContext;

namespace orv {

/// Locks the data handle and remembers the flag byte; null when that failed
/// (gResult then says why).
char* LockDataHandle();
/// The flag byte of the last successful lock, or null.
char* ShowDialogFlag();

/// Decides whether the dialog is shown: the flag, overridden by a host descriptor.
bool ReadDescriptor();
/// Hands the host an empty descriptor so that it can record the filter in an action.
int32_t WriteDescriptor();

/// The interactive run.
void RunDialog();

}  // namespace orv
