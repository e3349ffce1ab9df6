#include "OCDel.h"

#include <component/Export.h>

OC_COMPONENT({"ocdelete.ocdel", &oc::makeComponent<ocdelete::OCDel>})
