#include "SimOptions.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#ifndef TAVRIN_VERSION
#define TAVRIN_VERSION "0"
#endif

namespace {

bool readCount(const std::string &text, long long max, long long &out)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (errno != 0 || v > max)
        return false;
    out = v;
    return true;
}

// "0d0a" or "0D 0A" -> the bytes 0x0D 0x0A.
bool readHex(const std::string &text, std::string &out)
{
    std::string digits;
    for (char c : text) {
        if (c == ' ' || c == ':')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        digits += c;
    }
    if (digits.empty() || digits.size() % 2 != 0)
        return false;
    out.clear();
    for (size_t i = 0; i < digits.size(); i += 2)
        out += char(std::stoi(digits.substr(i, 2), nullptr, 16));
    return true;
}

} // namespace

const char *SimOptions::usage()
{
    return "Usage: tavrin-sim [options]\n"
           "Runs a Tavrin program timer on a pseudo-terminal. The first line printed names\n"
           "the device to open: \"tavrin-sim: device on /dev/pts/N\". Ends on Ctrl+C or SIGTERM.\n"
           "\n"
           "  --link PATH        also make the device reachable as PATH (a symbolic link)\n"
           "  --realtime         take in and send at 9600 baud, about 1.04 ms a byte, as a real line does\n"
           "  --state FILE       keep the eight images and the clock in FILE across runs\n"
           "  --verbose          print one line per frame received and sent\n"
           "  --help             print this text\n"
           "  --version          print the version\n"
           "\n"
           "Faults:\n"
           "  --refuse CODES     refuse images with these day codes (letters A to H)\n"
           "  --forget CODES     accept images with these day codes but keep what was there\n"
           "  --silent           act on frames but never answer\n"
           "  --corrupt-upload   send images that fail the line check\n"
           "  --cut N            stop every answer after N bytes\n"
           "  --chunk N          send answers in pieces of N bytes, with a 20 ms pause between pieces\n"
           "  --delay MS         answer MS milliseconds after a frame ends\n"
           "  --noise HEX        send these bytes before every answer (e.g. 000d)\n"
           "  --trail HEX        send these bytes after every answer\n"
           "  --flip N           byte N (from 0) of the next image reply reads 0xFF\n";
}

const char *SimOptions::versionText()
{
    return "tavrin-sim " TAVRIN_VERSION;
}

std::string SimOptions::parse(const std::vector<std::string> &args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        const size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            hasValue = true;
        }
        auto needValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= args.size())
                return false;
            value = args[++i];
            return true;
        };
        auto flag = [&](bool &target) -> std::string {
            if (hasValue)
                return name + " takes no value";
            target = true;
            return {};
        };

        std::string error;
        long long n = 0;
        if (name == "--help" || name == "-h") {
            error = flag(help);
        } else if (name == "--version") {
            error = flag(version);
        } else if (name == "--realtime") {
            error = flag(realtime);
        } else if (name == "--verbose") {
            error = flag(verbose);
        } else if (name == "--silent") {
            error = flag(faults.silent);
        } else if (name == "--corrupt-upload") {
            error = flag(faults.corruptUpload);
        } else if (name == "--link" || name == "--state") {
            if (!needValue() || value.empty())
                return name + " needs a path";
            (name == "--link" ? link : stateFile) = value;
        } else if (name == "--refuse" || name == "--forget") {
            if (!needValue() || value.empty())
                return name + " needs day codes, letters A to H";
            for (char &c : value) {
                if (c >= 'a' && c <= 'h')
                    c = char(c - 'a' + 'A');
                if (c < 'A' || c > 'H')
                    return name + " takes day codes A to H, not \"" + value + "\"";
            }
            (name == "--refuse" ? faults.refuseCodes : faults.forgetCodes) = value;
        } else if (name == "--noise" || name == "--trail") {
            if (!needValue() || !readHex(value, name == "--noise" ? faults.noise : faults.trail))
                return name + " needs bytes in hexadecimal, e.g. 000d";
        } else if (name == "--flip") {
            if (!needValue() || !readCount(value, 1'000'000, n))
                return "--flip needs a whole number";
            faults.flipByte = size_t(n);
        } else if (name == "--cut" || name == "--chunk" || name == "--delay") {
            if (!needValue() || !readCount(value, 1'000'000'000, n))
                return name + " needs a whole number";
            if (name == "--cut")
                faults.cutReplyAt = size_t(n);
            else if (name == "--chunk")
                faults.chunkSize = size_t(n);
            else
                faults.delayMs = n;
        } else {
            return "unknown option " + args[i];
        }
        if (!error.empty())
            return error;
    }
    return {};
}
