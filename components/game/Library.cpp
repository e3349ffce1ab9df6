#include "ClsFalrow.h"

#include <component/Export.h>

OC_COMPONENT({"ocfalrow.clsFalrow", &oc::makeComponent<ocfalrow::ClsFalrow>})
