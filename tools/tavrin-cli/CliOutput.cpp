#include "CliOutput.h"

#include <cstdio>
#include <mutex>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::mutex g_writing;
thread_local QByteArray t_prefix;
// Per stream: whether what this thread writes next starts a line.
thread_local bool t_lineStart[2] = {true, true};

// The bytes as written, each line after the thread's prefix.
QByteArray prefixed(const char *data, size_t size, bool &lineStart)
{
    if (t_prefix.isEmpty())
        return QByteArray(data, qsizetype(size));
    QByteArray out;
    for (size_t i = 0; i < size; ++i) {
        if (lineStart)
            out += t_prefix;
        out += data[i];
        lineStart = data[i] == '\n';
    }
    return out;
}

bool writeTo(std::FILE *stream, const char *data, size_t size)
{
    const QByteArray bytes = prefixed(data, size, t_lineStart[stream == stdout ? 0 : 1]);
    const std::lock_guard lock(g_writing);
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    return std::fflush(stream) == 0 && written == size_t(bytes.size());
}

} // namespace

void setDeviceLinePrefix(const QString &name)
{
    t_prefix = name.isEmpty() ? QByteArray() : name.toLocal8Bit() + ": ";
}

void setBinaryStandardOutput()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

bool writeOut(const QByteArray &bytes)
{
    return writeTo(stdout, bytes.constData(), size_t(bytes.size()));
}

bool writeOut(const std::string &bytes)
{
    return writeTo(stdout, bytes.data(), bytes.size());
}

void sayError(const QString &text)
{
    sayRaw((t_prefix.isEmpty() ? QStringLiteral("tavrin-cli: ") : QString()) + text + QLatin1Char('\n'));
}

void sayRaw(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    writeTo(stderr, bytes.constData(), size_t(bytes.size()));
}

bool errorIsTerminal()
{
    // Bars redrawn in place would overwrite each other's lines.
    if (!t_prefix.isEmpty())
        return false;
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}
