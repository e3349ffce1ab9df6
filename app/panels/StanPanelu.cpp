#include "StanPanelu.h"

std::array<StanPanelu, 2> Panele;
qint32 AktywnyPanel = 1;
