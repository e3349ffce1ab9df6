#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Trees of files for the copy tests, in the file system's bytes (names need
// not be UTF-8). Lines have fields separated by "|":
//   "d|name[|mode]"                 a directory (octal mode)
//   "f|name|size[|mode[|mtime]]"    a file; mtime as "seconds.nanoseconds"
//   "l|name|target"                 a symbolic link; "@" at the start of target stands for root + "/"
//   "p|name"                        a named pipe
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
// "d|name|mode", "f|name|size|mode|mtime|md5", "l|name|target", "p|name".
QByteArrayList opisz(const QByteArray &root);

// The same without sizes, modes, times and contents.
QByteArrayList nazwy(const QByteArray &root);

// "@" at the start of each line's target replaced by root + "/".
QByteArrayList zRootem(QByteArrayList opis, const QByteArray &root);

} // namespace drzewo
