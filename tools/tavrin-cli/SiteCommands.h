#pragma once

struct CliCommand;

// sync, clock or compare with --site: `run` for every device of the site (or those named by
// --device) at once, each on its own thread and port, each line it writes after "NAME: ".
// 0 when every device succeeded, 1 when any failed (compare: 3 when none failed and any
// differs), 2 for a device the site does not have.
int runOnSite(const CliCommand &command, int (*run)(const CliCommand &));

// site: one line per device, its port, its schedule file, whether it holds tomorrow's image
// and its last exchange, as the journal tells.
int runSiteList(const CliCommand &command);
