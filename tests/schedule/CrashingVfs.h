#pragma once

// A SQLite VFS over the default one that kills the process (SIGKILL) at the Nth write,
// sync, truncate or delete of any file, to test what a crash in the middle of a save leaves.
// Installed as the default VFS; meant for a forked child.
namespace crashingvfs {

void installKillingAt(int point);

} // namespace crashingvfs
