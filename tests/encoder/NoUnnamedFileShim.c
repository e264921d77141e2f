/* Loaded with LD_PRELOAD into an encoder under test: opening an unnamed file (O_TMPFILE)
 * fails with EOPNOTSUPP, as it does on NFS, SMB and vfat, so the encoder writes its partial
 * output under a hidden name. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>

typedef int (*OpenAt)(int, const char *, int, ...);

static int openAt(const char *symbol, int folder, const char *path, int flags, mode_t mode)
{
    if ((flags & __O_TMPFILE) == __O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    OpenAt real = (OpenAt)dlsym(RTLD_NEXT, symbol);
    return real(folder, path, flags, mode);
}

int openat(int folder, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    mode_t mode = (flags & (O_CREAT | __O_TMPFILE)) ? va_arg(args, mode_t) : 0;
    va_end(args);
    return openAt("openat", folder, path, flags, mode);
}

int openat64(int folder, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    mode_t mode = (flags & (O_CREAT | __O_TMPFILE)) ? va_arg(args, mode_t) : 0;
    va_end(args);
    return openAt("openat64", folder, path, flags, mode);
}
