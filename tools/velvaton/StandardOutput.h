#pragma once

// Registered with atexit: closes standard output and, when anything written
// to it was lost (a full disk, a closed pipe, /dev/full), says so on standard
// error and ends the process with status 1, as the coreutils do.
void closeStandardOutput();
