#include "ClsOCCopy.h"
#include "ClsOCMove.h"

#include <component/Export.h>

OC_COMPONENT({"occopy.clsOCCopy", &oc::makeComponent<occopy::ClsOCCopy>},
             {"occopy.clsOCMove", &oc::makeComponent<occopy::ClsOCMove>})
