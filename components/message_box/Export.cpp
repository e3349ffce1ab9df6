#include "Notebox2.h"

#include <component/Export.h>

OC_COMPONENT({"notebox.notebox2", &oc::makeComponent<notebox::Notebox2>})
