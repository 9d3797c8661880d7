#include "CHRXFontWrapper.h"

namespace Brackenworks {

CHRXFontWrapper::CHRXFontWrapper(const char* name, double size, int32_t style)
    : font_(new CHRXFontDesc(name, size, style)) {}

CHRXFontWrapper::~CHRXFontWrapper() {
    font_->forget();
}

}  // namespace Brackenworks
