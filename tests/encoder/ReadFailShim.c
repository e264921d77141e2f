/* Loaded with LD_PRELOAD into an encoder under test: read() of one file fails with EIO once it
 * reaches a byte offset, as a disk that fails halfway does. The bytes before the offset are
 * delivered. CLIPWRIGHT_FAIL_FILE names the file, CLIPWRIGHT_FAIL_OFFSET the offset. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

static ssize_t (*realRead)(int, void *, size_t);
static dev_t failDevice;
static ino_t failInode;
static off_t failOffset = -1;

__attribute__((constructor)) static void setUp(void)
{
    const char *path = getenv("CLIPWRIGHT_FAIL_FILE");
    const char *offset = getenv("CLIPWRIGHT_FAIL_OFFSET");
    struct stat info;
    if (path && offset && stat(path, &info) == 0) {
        failDevice = info.st_dev;
        failInode = info.st_ino;
        failOffset = (off_t)strtoll(offset, NULL, 10);
    }
}

ssize_t read(int fd, void *buffer, size_t count)
{
    if (!realRead)
        realRead = (ssize_t(*)(int, void *, size_t))dlsym(RTLD_NEXT, "read");
    struct stat info;
    if (failOffset >= 0 && fstat(fd, &info) == 0 && info.st_dev == failDevice &&
        info.st_ino == failInode) {
        off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= failOffset) {
            errno = EIO;
            return -1;
        }
        if (at >= 0 && at + (off_t)count > failOffset)
            count = (size_t)(failOffset - at);
    }
    return realRead(fd, buffer, count);
}
