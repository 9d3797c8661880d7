#pragma once

#include <string>

// The system's text for an errno value, safe to call from any thread
// (strerror's buffer is shared by the whole process).
std::string errorText(int error);
