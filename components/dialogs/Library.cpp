#include "Ocmd.h"

#include <component/Export.h>

OC_COMPONENT({"oc.ocmd", &oc::makeComponent<oc::Ocmd>})
