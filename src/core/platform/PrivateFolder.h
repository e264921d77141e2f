#pragma once

#include <sys/types.h>

#include <QProcessEnvironment>
#include <QString>

// The folder where this user's running programs keep what no one else may see or replace:
// their sockets, run folders and scripts. It is "clipwright-<uid>" in $XDG_RUNTIME_DIR when
// that is private to the user, else in the temporary folder ($TMPDIR or /tmp), made with
// mode 0700 when missing. A name there that another user made first, a link, or a folder
// others can enter is never used.
namespace PrivateFolder {

// Whether path is a folder (not a link to one) owned by userId that no one else can
// enter, read or write.
bool IsPrivate(const QString &path, uid_t userId);

// The user's folder with a trailing "/", made when missing; empty when no private folder
// can be had.
QString ForUser(const QProcessEnvironment &env, uid_t userId);

} // namespace PrivateFolder
