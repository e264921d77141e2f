#pragma once

#include <sys/types.h>

#include <QString>

// An output name taken on disk when a job is built: an empty file created only if no file
// of that name exists, so no other program, and no file that appears meanwhile, is
// overwritten by the job. The encoder replaces it with the finished output; a job that
// ends without one gives the name back.
class OutputClaim
{
public:
    // Creates path exclusively. 0 when the name is now this job's; else the errno (EEXIST
    // when the name is taken). A name claimed before is kept on disk and forgotten.
    int Claim(const QString &path);
    // Removes the claimed file when it is still the empty one this claim made, then
    // forgets the claim. A finished output, or anything else now under the name, stays.
    void Release();

    bool IsHeld() const { return m_held; }
    const QString &Path() const { return m_path; }

private:
    QString m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    bool m_held = false;
};
