#include "AAX.h"

const char* const cDefaultMasterBypassID = "MasterBypassID";
