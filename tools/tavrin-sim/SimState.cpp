#include "SimState.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
const char *const kHeader = "tavrin-sim state 1";

int64_t weekMod(int64_t s)
{
    const int64_t r = s % DeviceEmulator::kWeekSeconds;
    return r < 0 ? r + DeviceEmulator::kWeekSeconds : r;
}
} // namespace

void loadSimState(const std::string &path, DeviceEmulator &emulator, int64_t localWeekSeconds,
                  std::vector<std::string> &problems)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (number == 1) {
            if (line != kHeader) {
                problems.push_back(where + "not a tavrin-sim state file");
                return;
            }
            continue;
        }
        if (line.rfind("clock-offset ", 0) == 0) {
            std::istringstream value(line.substr(13));
            long long offset = 0;
            if (value >> offset)
                emulator.setWeekSeconds(weekMod(localWeekSeconds + weekMod(offset)));
            else
                problems.push_back(where + "bad clock offset");
            continue;
        }
        if (line.size() == 2 + DayImage::kSize && DeviceEmulator::isImageCode(uint8_t(line[0])) && line[1] == ' ') {
            DayImage image;
            bool valid = true;
            for (size_t i = 0; i < DayImage::kSize; ++i) {
                const uint8_t b = uint8_t(line[2 + i]);
                valid = valid && b >= 0x30 && b <= 0x4F;
                image.bytes()[i] = b;
            }
            if (valid) {
                emulator.setImage(line[0], image);
                continue;
            }
        }
        if (!line.empty())
            problems.push_back(where + "skipped a line that is neither an image nor the clock");
    }
}

std::string saveSimState(const std::string &path, const DeviceEmulator &emulator, int64_t localWeekSeconds)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return "cannot write " + temporary;
        out << kHeader << '\n';
        out << "clock-offset " << weekMod(emulator.weekSeconds() - localWeekSeconds) << '\n';
        for (char code = 'A'; code <= 'H'; ++code) {
            const auto &bytes = emulator.image(code).bytes();
            out << code << ' ';
            out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
            out << '\n';
        }
        out.flush();
        if (!out)
            return "cannot write " + temporary;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return "cannot replace " + path;
    }
    return {};
}
