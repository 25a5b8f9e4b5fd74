#pragma once

#include <functional>

struct CliCommand;

// What one device of a site does on its own thread; its exit status.
using SiteTask = std::function<int()>;
// Made for each device in turn, on the main thread, with the device's port and schedule file
// in the command: the task, or none after saying why the device cannot run.
using SitePrepare = std::function<SiteTask(const CliCommand &)>;

// sync, clock or compare with --site: every device of the site (or those named by --device)
// at once, each on its own thread and port, each line it writes after "NAME: ". 0 when every
// device succeeded, 1 when any failed (compare: 3 when none failed and any differs), 2 for a
// device the site does not have.
int runOnSite(const CliCommand &command, const SitePrepare &prepare);

// site: one line per device, its port, its schedule file, whether it holds tomorrow's image
// and its last exchange, as the journal tells.
int runSiteList(const CliCommand &command);
