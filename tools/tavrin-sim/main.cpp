// tavrin-sim: a Tavrin program timer on a pseudo-terminal, for running the program and its
// tests without the hardware.

#include "device/DeviceEmulator.h"
#include "SimOptions.h"
#include "SimState.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <string>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_stop = 0;

void onSignal(int)
{
    g_stop = 1;
}

using Clock = std::chrono::steady_clock;

int64_t micros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

// The computer's local time as seconds since Sunday 00:00:00.
int64_t localWeekSeconds()
{
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return int64_t(t.tm_wday) * 86400 + t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec;
}

void fail(const std::string &what)
{
    std::fprintf(stderr, "tavrin-sim: %s\n", what.c_str());
}

// 9600 baud, ten bits a byte.
constexpr int64_t kBytesPerSecond = 960;
// Pause between the pieces of a split answer.
constexpr int64_t kPiecePauseUs = 20'000;

class Simulator {
public:
    explicit Simulator(const SimOptions &options)
        : m_options(options)
        , m_started(micros())
    {
    }

    ~Simulator()
    {
        removeLink();
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }

    int run()
    {
        // From here on SIGINT and SIGTERM get through only inside ppoll, so none is lost
        // between the test of the flag and the wait, and one that comes early (right after
        // the first line, say) still ends the run cleanly.
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGINT);
        sigaddset(&blocked, SIGTERM);
        sigprocmask(SIG_BLOCK, &blocked, &m_signalMask);
        struct sigaction sa { };
        sa.sa_handler = onSignal;
        sigaction(SIGINT, &sa, nullptr);
        sigaction(SIGTERM, &sa, nullptr);
        std::signal(SIGPIPE, SIG_IGN);

        if (!openLine())
            return 1;
        m_emulator.setFaults(m_options.faults);
        m_emulator.setWeekSeconds(localWeekSeconds());
        if (!m_options.stateFile.empty()) {
            std::vector<std::string> problems;
            loadSimState(m_options.stateFile, m_emulator, localWeekSeconds(), problems);
            for (const std::string &p : problems)
                fail(p);
            // Written at once, so a path that cannot be written is reported now, not at
            // the first image.
            saveState();
        }
        m_emulator.setOutput([this](const uint8_t *p, size_t n) {
            if (m_out.empty()) {
                m_paceStart = micros();
                m_paced = 0;
            }
            m_out.emplace_back(p, p + n);
        });
        if (m_options.verbose)
            m_emulator.setLog([this](const std::string &line) { say(line); });

        std::printf("tavrin-sim: device on %s\n", m_slaveName.c_str());
        std::fflush(stdout);

        const int result = loop();
        saveState();
        if (m_options.verbose)
            say("stopped");
        return result;
    }

private:
    bool openLine()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0 || ptsname(m_master) == nullptr) {
            fail(std::string("cannot make a pseudo-terminal: ") + std::strerror(errno));
            return false;
        }
        m_slaveName = ptsname(m_master);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        // Held open for the whole run: the line then stays raw and never hangs up between
        // two programs that use it.
        m_slave = ::open(m_slaveName.c_str(), O_RDWR | O_NOCTTY);
        if (m_slave < 0) {
            fail("cannot open " + m_slaveName + ": " + std::strerror(errno));
            return false;
        }
        termios t{};
        tcgetattr(m_slave, &t);
        cfmakeraw(&t);
        cfsetspeed(&t, B9600);
        tcsetattr(m_slave, TCSANOW, &t);

        if (!m_options.link.empty()) {
            struct stat st { };
            if (lstat(m_options.link.c_str(), &st) == 0) {
                if (!S_ISLNK(st.st_mode)) {
                    fail(m_options.link + " exists and is not a symbolic link; not replacing it");
                    return false;
                }
                ::unlink(m_options.link.c_str());
            }
            if (symlink(m_slaveName.c_str(), m_options.link.c_str()) != 0) {
                fail("cannot make the link " + m_options.link + ": " + std::strerror(errno));
                return false;
            }
            m_linked = true;
        }
        return true;
    }

    void removeLink()
    {
        if (!m_linked)
            return;
        // Only our own link: another simulator may have taken the name over since.
        char target[4096];
        const ssize_t n = readlink(m_options.link.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, size_t(n)) == m_slaveName)
            ::unlink(m_options.link.c_str());
        m_linked = false;
    }

    int loop()
    {
        sigset_t waiting = m_signalMask;
        sigdelset(&waiting, SIGINT);
        sigdelset(&waiting, SIGTERM);

        while (!g_stop) {
            m_emulator.poll();
            const int64_t inputUs = deliverPaced();
            int64_t waitUs = send();
            if (inputUs >= 0)
                waitUs = waitUs < 0 ? inputUs : std::min(waitUs, inputUs);

            if (const auto due = m_emulator.nextDue()) {
                const int64_t untilDue = std::max<int64_t>(0, (*due - nowMillis()) * 1000);
                waitUs = waitUs < 0 ? untilDue : std::min(waitUs, untilDue);
            }
            pollfd p{m_master, POLLIN, 0};
            if (m_blocked)
                p.events |= POLLOUT;
            timespec ts{};
            timespec *timeout = nullptr;
            if (waitUs >= 0) {
                ts.tv_sec = waitUs / 1'000'000;
                ts.tv_nsec = long(waitUs % 1'000'000) * 1000;
                timeout = &ts;
            }
            const int ready = ppoll(&p, 1, timeout, &waiting);
            if (ready < 0) {
                if (errno == EINTR)
                    continue;
                fail(std::string("waiting for the line failed: ") + std::strerror(errno));
                return 1;
            }
            if (ready > 0 && (p.revents & POLLIN) && !receive())
                return 1;
        }
        return 0;
    }

    DeviceEmulator::Millis nowMillis() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
    }

    bool receive()
    {
        uint8_t buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0) {
                if (m_options.realtime) {
                    if (m_in.empty()) {
                        m_inPaceStart = micros();
                        m_inPaced = 0;
                    }
                    m_in.insert(m_in.end(), buffer, buffer + n);
                } else {
                    deliver(buffer, size_t(n));
                }
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                return true;
            if (n < 0 && errno == EIO)
                return true; // nobody on the line just now
            fail(std::string("reading the line failed: ") + (n == 0 ? "end of file" : std::strerror(errno)));
            return false;
        }
    }

    void deliver(const uint8_t *data, size_t size)
    {
        const int before = m_emulator.stats().imagesStored + m_emulator.stats().clockSets;
        m_emulator.feed(data, size);
        if (m_emulator.stats().imagesStored + m_emulator.stats().clockSets != before)
            saveState();
    }

    // With --realtime the device takes in what the program wrote at the line's pace too: the
    // pseudo-terminal takes a whole frame at once, a real line needs about six seconds for an
    // image. Returns how long until the next byte is due (microseconds), or -1 when nothing waits.
    int64_t deliverPaced()
    {
        if (m_in.empty())
            return -1;
        const int64_t now = micros();
        const int64_t due = (now - m_inPaceStart) * kBytesPerSecond / 1'000'000 + 1;
        const size_t count = size_t(std::clamp<int64_t>(due - m_inPaced, 0, int64_t(m_in.size())));
        if (count > 0) {
            const std::vector<uint8_t> bytes(m_in.begin(), m_in.begin() + std::ptrdiff_t(count));
            m_in.erase(m_in.begin(), m_in.begin() + std::ptrdiff_t(count));
            m_inPaced += int64_t(count);
            deliver(bytes.data(), bytes.size());
        }
        if (m_in.empty())
            return -1;
        const int64_t nextAt = m_inPaceStart + m_inPaced * 1'000'000 / kBytesPerSecond;
        return std::max<int64_t>(0, nextAt - micros());
    }

    // Writes what may leave now. Returns how long to wait before more may go (microseconds),
    // or -1 when nothing waits to be sent. With --chunk the pieces leave with a short pause
    // between them, so the program really reads them one by one.
    int64_t send()
    {
        m_blocked = false;
        const int64_t now = micros();
        if (m_out.empty())
            return -1;
        if (now < m_holdUntil)
            return m_holdUntil - now;
        size_t allowed = SIZE_MAX;
        if (m_options.realtime) {
            const int64_t due = (now - m_paceStart) * kBytesPerSecond / 1'000'000 + 1;
            allowed = size_t(std::max<int64_t>(0, due - m_paced));
        }
        while (allowed > 0 && !m_out.empty()) {
            const std::vector<uint8_t> &piece = m_out.front();
            const size_t run = std::min(allowed, piece.size() - m_offset);
            const ssize_t n = ::write(m_master, piece.data() + m_offset, run);
            if (n <= 0) {
                m_blocked = n < 0 && errno == EAGAIN;
                break;
            }
            m_offset += size_t(n);
            m_paced += n;
            allowed -= size_t(n);
            if (m_offset == piece.size()) {
                m_out.pop_front();
                m_offset = 0;
                if (m_options.faults.chunkSize > 0 && !m_out.empty()) {
                    m_holdUntil = micros() + kPiecePauseUs;
                    // pacing starts over after the pause
                    m_paceStart = m_holdUntil;
                    m_paced = 0;
                    return kPiecePauseUs;
                }
            }
        }
        if (m_out.empty())
            return -1;
        if (m_blocked)
            return 50'000; // the slave's queue is full: POLLOUT wakes us, this is a backstop
        if (!m_options.realtime)
            return 0;
        const int64_t nextAt = m_paceStart + m_paced * 1'000'000 / kBytesPerSecond;
        return std::max<int64_t>(0, nextAt - micros());
    }

    void saveState()
    {
        if (m_options.stateFile.empty())
            return;
        const std::string error = saveSimState(m_options.stateFile, m_emulator, localWeekSeconds());
        if (!error.empty())
            fail(error);
    }

    void say(const std::string &line)
    {
        const double seconds = double(micros() - m_started) / 1e6;
        std::printf("[%9.3f] %s\n", seconds, line.c_str());
        std::fflush(stdout);
    }

    SimOptions m_options;
    DeviceEmulator m_emulator;
    int64_t m_started;
    int m_master = -1;
    int m_slave = -1;
    std::string m_slaveName;
    bool m_linked = false;
    std::deque<uint8_t> m_in; // received, not yet taken in (--realtime)
    int64_t m_inPaceStart = 0;
    int64_t m_inPaced = 0;
    std::deque<std::vector<uint8_t>> m_out; // answers, piece by piece
    size_t m_offset = 0; // bytes of the front piece already sent
    int64_t m_holdUntil = 0;
    int64_t m_paceStart = 0;
    int64_t m_paced = 0;
    bool m_blocked = false;
    sigset_t m_signalMask{}; // the mask before SIGINT and SIGTERM were blocked
};

} // namespace

int main(int argc, char **argv)
{
    SimOptions options;
    const std::string error = options.parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!error.empty()) {
        fail(error);
        std::fputs(SimOptions::usage(), stderr);
        return 2;
    }
    if (options.help) {
        std::fputs(SimOptions::usage(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", SimOptions::versionText());
        return 0;
    }
    Simulator simulator(options);
    return simulator.run();
}
