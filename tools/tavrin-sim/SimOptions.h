#pragma once

#include "device/DeviceEmulator.h"

#include <string>
#include <vector>

// The simulator's command line.
struct SimOptions {
    std::string link; // symbolic link to the device, if any
    std::string stateFile; // images and clock kept here, if any
    bool realtime = false;
    bool verbose = false;
    bool help = false;
    bool version = false;
    DeviceEmulator::Faults faults;

    // Empty when the arguments are fine, else what is wrong with them.
    std::string parse(const std::vector<std::string> &args);

    static const char *usage();
    // "tavrin-sim 1.1"
    static const char *versionText();
};
