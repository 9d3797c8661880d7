// Linked into a program (tests, fuzzers, benchmarks), installs velvaTon as
// the maker's library's product when the program starts, as the plug-in
// library's entry points and the tool's main do.
#include "velvaTonDescriptor.h"

namespace {

const bool installed = (installVelvaTon(), true);

}  // namespace
