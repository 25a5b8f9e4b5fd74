#include "device/PortAccess.h"

#include "device/PortName.h"

#include <algorithm>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool mayReadAndWrite(const PortAccessFacts &facts)
{
    constexpr unsigned rw = 06;
    if (facts.user == 0)
        return true;
    if (facts.user == facts.fileOwner)
        return ((facts.mode >> 6) & rw) == rw;
    if (std::find(facts.groups.begin(), facts.groups.end(), facts.fileGroup) != facts.groups.end())
        return ((facts.mode >> 3) & rw) == rw;
    return (facts.mode & rw) == rw;
}

bool readPortAccessFacts(const QString &deviceFile, PortAccessFacts &facts)
{
#ifdef Q_OS_UNIX
    struct stat st { };
    if (::stat(QFile::encodeName(deviceFile).constData(), &st) != 0)
        return false;
    facts.fileOwner = st.st_uid;
    facts.fileGroup = st.st_gid;
    facts.mode = st.st_mode & 0777;
    facts.user = ::geteuid();
    facts.groups = {unsigned(::getegid())};
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> ids(static_cast<size_t>(count));
        const int got = ::getgroups(count, ids.data());
        for (int i = 0; i < got; ++i)
            facts.groups.push_back(ids[size_t(i)]);
    }
    return true;
#else
    Q_UNUSED(deviceFile);
    Q_UNUSED(facts);
    return false;
#endif
}

QString portPermissionHint(const QString &portName)
{
    const QString file = openablePortName(portName);
    PortAccessFacts facts;
    if (!readPortAccessFacts(file, facts) || mayReadAndWrite(facts))
        return {};
    const QString group = QFileInfo(file).group();
    if ((facts.mode & 060) == 060 && !group.isEmpty())
        return QStringLiteral("You may not use %1. To use serial ports, add yourself to the %2 group: "
                              "sudo usermod -aG %2 $USER, then log in again.")
            .arg(file, group);
    // its group may not use it either: joining that group would not help
    return QStringLiteral("You may not use %1: only its owner may. Ask the administrator to give it to the "
                          "dialout group, then add yourself to that group: sudo usermod -aG dialout $USER, "
                          "then log in again.")
        .arg(file);
}
