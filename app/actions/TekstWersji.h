#pragma once

#include <QString>

// The program's version: major "." minor, and "." revision when it is not 0.
QString TekstWersji();
QString TekstWersji(int major, int minor, int revision);
