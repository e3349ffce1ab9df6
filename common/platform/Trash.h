#pragma once

#include "FileError.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace oc::platform {

// The desktop trash: $XDG_DATA_HOME/Trash for the home's file system,
// $topdir/.Trash/$uid or $topdir/.Trash-$uid on any other. An entry goes
// there by one rename on its own file system, never by copying; a link goes
// as itself.

// A trash directory (holding files/ and info/) and the top of the file
// system it serves; topdir is empty for the home trash, whose Path= lines
// are absolute (a top directory's are relative to it).
struct TrashPlace
{
    QString directory;
    QString topdir;
};

// Where one entry went.
struct TrashedEntry
{
    QString original; // the full path it had
    QString file;     // its path under files/
    QString info;     // its .trashinfo
};

// Why no trash can take an entry: the trash directory cannot be made or is
// unsafe (not the user's, a link), the file system is read-only, or the
// entry holds a mounted file system. The FileError's path names the place,
// its code the system's error nearest to the reason.
enum class TrashProblem { None, NoTrash, ReadOnly, HoldsMount, OtherFileSystem, Failed };

struct TrashError
{
    TrashProblem problem = TrashProblem::None;
    FileError error;

    // What the user reads: the reason in a sentence.
    QString text() const;
};

// The trash that would take entries of `directory`, checked without making
// anything: nullopt, with the reason, when none can be used.
std::optional<TrashPlace> trashFor(const QString &directory, TrashError *error = nullptr);

// The trash of one top directory, in the order desktops look for it:
// $topdir/.Trash when it is a real directory with the sticky
// bit (its $uid directory the user's own, made 0700 when missing), else
// $topdir/.Trash-$uid, the user's own and no link, made 0700 when missing.
// With create false nothing is made, only checked.
std::optional<TrashPlace> topdirTrash(const QString &topdir, unsigned uid, bool create, TrashError *error = nullptr);

// Moves the entry at path to its file system's trash: the trashinfo is
// written first (exclusively, under a name not yet taken), then the entry
// renamed in without replacing anything. A directory's size goes to
// directorysizes.
// With original, the entry stands elsewhere for now, on the file system of
// original, and goes to the trash as the entry of that path, the place it
// is restored to (a target that a copy or a move replaced, set aside).
std::optional<TrashedEntry> moveToTrash(const QString &path, TrashError *error = nullptr,
                                        const QString &original = {});

// Puts a trashed entry back at target without replacing anything there
// (EEXIST in the error when the place is taken), then removes its trashinfo
// and its directorysizes line.
bool restoreFromTrash(const TrashedEntry &entry, const QString &target, FileError *error = nullptr);

// The trashinfo of an entry: Path= percent-encoded bytes, DeletionDate= in
// local time without a zone.
QByteArray trashInfoText(const QByteArray &path, const QDateTime &deleted);
// The Path= bytes of a trashinfo, decoded; nullopt when it is not one.
std::optional<QByteArray> trashInfoPath(const QByteArray &text);

// Bytes escaped as URLs escape them: all but letters, digits, "/" and
// -_.!~*'() become %XX.
QByteArray percentEncode(const QByteArray &bytes);
QByteArray percentDecode(const QByteArray &text);

// The name an entry takes in the trash on attempt n (1 first): its own name,
// then "name.n", shortened where needed so that "<name>.trashinfo" still
// fits the file system's limit of 255 bytes.
QByteArray trashName(const QByteArray &name, int attempt);

} // namespace oc::platform
