#include "CrashingVfs.h"

#include <sqlite3.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace crashingvfs {
namespace {

sqlite3_vfs *g_real = nullptr;
sqlite3_vfs g_vfs;
int g_killAt = 0;
int g_points = 0;

void point()
{
    if (++g_points == g_killAt)
        std::raise(SIGKILL);
}

struct File {
    sqlite3_file base;
    sqlite3_file *real;
};

sqlite3_file *real(sqlite3_file *f)
{
    return reinterpret_cast<File *>(f)->real;
}

int fClose(sqlite3_file *f)
{
    const int rc = real(f)->pMethods ? real(f)->pMethods->xClose(real(f)) : SQLITE_OK;
    std::free(real(f));
    return rc;
}
int fRead(sqlite3_file *f, void *b, int n, sqlite3_int64 o)
{
    return real(f)->pMethods->xRead(real(f), b, n, o);
}
int fWrite(sqlite3_file *f, const void *b, int n, sqlite3_int64 o)
{
    point();
    return real(f)->pMethods->xWrite(real(f), b, n, o);
}
int fTruncate(sqlite3_file *f, sqlite3_int64 size)
{
    point();
    return real(f)->pMethods->xTruncate(real(f), size);
}
int fSync(sqlite3_file *f, int flags)
{
    point();
    return real(f)->pMethods->xSync(real(f), flags);
}
int fSize(sqlite3_file *f, sqlite3_int64 *s)
{
    return real(f)->pMethods->xFileSize(real(f), s);
}
int fLock(sqlite3_file *f, int l)
{
    return real(f)->pMethods->xLock(real(f), l);
}
int fUnlock(sqlite3_file *f, int l)
{
    return real(f)->pMethods->xUnlock(real(f), l);
}
int fCheck(sqlite3_file *f, int *r)
{
    return real(f)->pMethods->xCheckReservedLock(real(f), r);
}
int fControl(sqlite3_file *f, int op, void *a)
{
    return real(f)->pMethods->xFileControl(real(f), op, a);
}
int fSector(sqlite3_file *f)
{
    return real(f)->pMethods->xSectorSize(real(f));
}
int fCaps(sqlite3_file *f)
{
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}

// Version 1: no shared memory and no memory mapping, which a rollback journal needs neither.
const sqlite3_io_methods kMethods = {1,       fClose,  fRead,   fWrite,   fTruncate, fSync, fSize,
                                     fLock,   fUnlock, fCheck,  fControl, fSector,   fCaps, nullptr,
                                     nullptr, nullptr, nullptr, nullptr,  nullptr};

int vOpen(sqlite3_vfs *, const char *name, sqlite3_file *f, int flags, int *outFlags)
{
    File *file = reinterpret_cast<File *>(f);
    file->real = static_cast<sqlite3_file *>(std::calloc(1, size_t(g_real->szOsFile)));
    const int rc = g_real->xOpen(g_real, name, file->real, flags, outFlags);
    file->base.pMethods = file->real->pMethods ? &kMethods : nullptr;
    if (!file->base.pMethods)
        std::free(file->real);
    return rc;
}
int vDelete(sqlite3_vfs *, const char *name, int sync)
{
    point();
    return g_real->xDelete(g_real, name, sync);
}
int vAccess(sqlite3_vfs *, const char *n, int f, int *r)
{
    return g_real->xAccess(g_real, n, f, r);
}
int vFull(sqlite3_vfs *, const char *n, int size, char *out)
{
    return g_real->xFullPathname(g_real, n, size, out);
}
int vRandom(sqlite3_vfs *, int n, char *out)
{
    return g_real->xRandomness(g_real, n, out);
}
int vSleep(sqlite3_vfs *, int us)
{
    return g_real->xSleep(g_real, us);
}
int vTime(sqlite3_vfs *, double *t)
{
    return g_real->xCurrentTime(g_real, t);
}
int vError(sqlite3_vfs *, int n, char *out)
{
    return g_real->xGetLastError(g_real, n, out);
}

} // namespace

void installKillingAt(int at)
{
    g_real = sqlite3_vfs_find(nullptr);
    g_killAt = at;
    g_points = 0;
    std::memset(&g_vfs, 0, sizeof g_vfs);
    g_vfs.iVersion = 1;
    g_vfs.szOsFile = int(sizeof(File));
    g_vfs.mxPathname = g_real->mxPathname;
    g_vfs.zName = "crashing";
    g_vfs.xOpen = vOpen;
    g_vfs.xDelete = vDelete;
    g_vfs.xAccess = vAccess;
    g_vfs.xFullPathname = vFull;
    g_vfs.xDlOpen = g_real->xDlOpen;
    g_vfs.xDlError = g_real->xDlError;
    g_vfs.xDlSym = g_real->xDlSym;
    g_vfs.xDlClose = g_real->xDlClose;
    g_vfs.xRandomness = vRandom;
    g_vfs.xSleep = vSleep;
    g_vfs.xCurrentTime = vTime;
    g_vfs.xGetLastError = vError;
    sqlite3_vfs_register(&g_vfs, 1);
}

} // namespace crashingvfs
