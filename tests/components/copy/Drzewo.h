#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Trees of files for the copy tests, in the file system's bytes (names need
// not be UTF-8). Lines have fields separated by "|":
//   "d|name[|mode]"                 a directory (octal mode)
//   "f|name|size[|mode[|mtime]]"    a file; mtime as "seconds.nanoseconds"
//   "l|name|target"                 a symbolic link; "@" at the start of target stands for root + "/"
//   "t|name|existing"               another name (a hard link) of an existing file
//   "p|name"                        a named pipe
//   "h|name|size"                   a file of that length that is all hole but
//                                   4 KiB of data at its start, middle and end
//   "x|name|attribute|value"        an extended attribute of the entry made
//                                   before; the value percent-encoded
namespace drzewo {

// A fresh directory under the temporary folder (or under gdzie), removed
// with everything in it, whatever bytes its names hold.
class Tymczasowy
{
public:
    explicit Tymczasowy(const QByteArray &gdzie = {});
    ~Tymczasowy();
    Tymczasowy(const Tymczasowy &) = delete;
    Tymczasowy &operator=(const Tymczasowy &) = delete;

    const QByteArray &ścieżka() const { return m_ścieżka; }

private:
    QByteArray m_ścieżka;
};

bool zbuduj(const QByteArray &root, const QByteArrayList &opis);

// Every entry below root, sorted, in the same form with all fields:
// "d|name|mode", "f|name|size|mode|mtime|md5", "l|name|target", "p|name",
// and "x|name|attribute|value" for the extended attributes of files and
// directories.
QByteArrayList opisz(const QByteArray &root);

// The disk space the files below root take, in 512-byte blocks.
qint64 zajęte(const QByteArray &root);

// The same without sizes, modes, times and contents.
QByteArrayList nazwy(const QByteArray &root);

// A temporary folder on another file system than the test folder, for the
// moves across; empty when the machine has none.
QByteArray innySystem();

// "@" at the start of each line's target replaced by root + "/".
QByteArrayList zRootem(QByteArrayList opis, const QByteArray &root);

} // namespace drzewo
