#include "Kolory.h"

Kolory &kolory()
{
    static Kolory colours;
    return colours;
}
