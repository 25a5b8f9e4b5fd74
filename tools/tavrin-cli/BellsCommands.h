#pragma once

struct CliCommand;

// bells-off / bells-on: the window's Bells Off and Bells Back On. The calendar entry is added
// or removed and the file saved, then today's weekday alone goes to the device at once: blank,
// or its regular image back.
int runBells(const CliCommand &command);
