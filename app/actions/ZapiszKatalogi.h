#pragma once

#include <QByteArray>
#include <QString>

// Writes the two panel directories to the saved-directories file, one line
// each, without a trailing "/" except the root. The file is replaced whole or
// not at all; when the program's copy cannot be written the user's
// configuration folder takes it. False when neither could be written.
bool ZapiszKatalogi(const QString &left, const QString &right) noexcept;

// Writes the panels' settings file (their order and view) beside the saved
// directories, the same way. False when it could not be written.
bool ZapiszUstawieniaPaneli(const QByteArray &treść) noexcept;
