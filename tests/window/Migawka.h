#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// What a tree looks like from outside: every entry below a root (links not
// followed) with its kind, size, permissions and modification time.
using Migawka = QMap<QString, QString>;

Migawka Sfotografuj(const QString &root);

// The entries that differ, appeared or disappeared, one line each.
QStringList Różnice(const Migawka &przed, const Migawka &po);
