#pragma once

#include <QStringView>

// Reads a number from the start of a text as the system's numeric-text
// conversion does: blanks, tabs and line feeds are skipped wherever they
// stand; then an optional sign, decimal digits with an optional fraction and
// exponent ("E" or "D"), or after "&H" hexadecimal and after "&O" octal
// digits, up to the first character that cannot continue the number. No
// digits give 0. Hexadecimal and octal numbers of up to 32 bits are their bit
// pattern read as a signed 32-bit value; longer ones keep their magnitude,
// which no 32-bit variable takes.
double Val(QStringView text);
