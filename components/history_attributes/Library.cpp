#include "Ocmd.h"

#include <component/Export.h>

OC_COMPONENT({"oc2.Ocmd", &oc::makeComponent<oc2::Ocmd>})
