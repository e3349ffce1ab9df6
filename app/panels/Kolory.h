#pragma once

#include <QtGlobal>

// The eleven colours of the scheme, as 0x00BBGGRR values; 0 (black) unless
// the scheme sets them.
struct Kolory
{
    quint32 background = 0;
    quint32 titlebar = 0;
    quint32 titlebardeactiv = 0;
    quint32 filetext = 0;
    quint32 filebackground = 0;
    quint32 fileselbackground = 0;
    quint32 fileinsert = 0;
    quint32 seldirbar = 0;
    quint32 shorts = 0;
    quint32 panelstable = 0;
    quint32 fileseltext = 0;
};

// The colours in use for the whole run.
Kolory &kolory();
