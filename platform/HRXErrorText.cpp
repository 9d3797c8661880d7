#include "HRXErrorText.h"

#include <cstring>

std::string errorText(int error) {
    char buffer[256];
    // The GNU strerror_r answers a pointer to the text: its own static text
    // or `buffer`.
    return strerror_r(error, buffer, sizeof buffer);
}
