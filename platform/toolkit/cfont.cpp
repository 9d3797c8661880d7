#include "vstgui/cfont.h"

namespace VSTGUI {

CFontDesc::CFontDesc(const char* name, CCoord size, int32_t style)
    : name_(name ? name : ""), size_(size), style_(style) {}

}  // namespace VSTGUI
