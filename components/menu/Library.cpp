#include "Class1.h"

#include <component/Export.h>

OC_COMPONENT({"menuoc.class1", &oc::makeComponent<menuoc::Class1>})
