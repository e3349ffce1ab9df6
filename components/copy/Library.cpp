#include "ClsOCCopy.h"

#include <component/Export.h>

OC_COMPONENT({"occopy.clsOCCopy", &oc::makeComponent<occopy::ClsOCCopy>})
