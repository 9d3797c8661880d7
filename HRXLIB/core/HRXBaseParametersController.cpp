#include "HRXBaseParametersController.h"

void HRXBaseParametersController::parameterChanged(int32_t, double) {}
