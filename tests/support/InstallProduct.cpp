// Every test program runs with the product installed, as the plug-in
// library and the tool do when they start.
#include "velvaTonDescriptor.h"

namespace {

const bool installed = (installVelvaTon(), true);

}  // namespace
