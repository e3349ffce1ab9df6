#include "Sloty.h"

SlotyKomponentów &Sloty()
{
    static SlotyKomponentów sloty;
    return sloty;
}
