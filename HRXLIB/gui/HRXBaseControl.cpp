#include "HRXBaseControl.h"

#include <cstring>

#include "HRXBitmap.h"
#include "HRXEngineView.h"
#include "HRXProduct.h"

namespace {

// A new control shows the first factory preset's value until the editor is
// told the real one; slots outside a preset start at their default.
double initialValueFor(int32_t tag) {
    if (tag < 0 || tag >= kPresetValues)
        return product().getParameterDefault(tag);
    double values[kPresetValues];
    getDefaultPresetValues(values);
    return values[tag];
}

}  // namespace

HRXBaseControl::HRXBaseControl(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t kind)
    : bitmap_(bitmap),
      viewRect_(rect),
      value_(initialValueFor(tag)),
      tag_(tag),
      kind_(kind),
      defaultValue_(product().getParameterDefault(tag)),
      initialRect_(rect) {
    if (bitmap)
        bitmap->remember();
}

HRXBaseControl::~HRXBaseControl() {
    delete[] tooltip_;
    if (bitmap_)
        bitmap_->forget();
}

void HRXBaseControl::setValue(double newValue) {
    // A control being dragged keeps its value against outside updates.
    if (!editing_) {
        value_ = hrxClamp01(newValue);
        if (companion_)
            companion_->setValue(value_);
    }
    if (linkedControl_) {
        linkedControl_->setValue(value_);
        linkedControl_->redraw();
    }
}

void HRXBaseControl::setTag(int32_t newTag) {
    if (newTag < 0)
        return;
    tag_ = newTag;
    if (companion_)
        companion_->setTag(tag_);
}

void HRXBaseControl::beginEdit() {
    editing_ = true;
}

void HRXBaseControl::valueChanged() {
    if (companion_)
        companion_->reportValue();
}

void HRXBaseControl::endEdit() {
    editing_ = false;
}

bool HRXBaseControl::isEditing() const {
    return editing_;
}

void HRXBaseControl::setDefaultValue(double newValue) {
    defaultValue_ = newValue;
}

double HRXBaseControl::getDefaultValue() const {
    return defaultValue_;
}

void HRXBaseControl::setViewSize(const HRXRect& rect) {
    viewRect_ = rect;
    if (companion_)
        companion_->setViewSize(rect);
}

void HRXBaseControl::setScale(double factor) {
    HRXRect scaled = viewRect_;
    scaled.right = scaled.left + initialRect_.width() * factor;
    scaled.bottom = scaled.top + initialRect_.height() * factor;
    setViewSize(scaled);
}

void HRXBaseControl::draw(HRXDrawContext*) {}

void HRXBaseControl::setBackground(HRXBitmap* newBitmap) {
    if (!newBitmap)
        return;
    newBitmap->remember();
    if (bitmap_)
        bitmap_->forget();
    bitmap_ = newBitmap;
    redraw();
}

int32_t HRXBaseControl::onMouseDown(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}
int32_t HRXBaseControl::onMouseMoved(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}
int32_t HRXBaseControl::onMouseUp(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}
int32_t HRXBaseControl::onMouseEntered(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}
int32_t HRXBaseControl::onMouseExited(const HRXPoint&, uint32_t) {
    return kHRXMouseHandled;
}
bool HRXBaseControl::onWheel(const HRXPoint&, float, uint32_t) {
    return true;
}

void HRXBaseControl::setValueNotify(double newValue) {
    doubleClicked_ = false;
    setValue(newValue);
    valueChanged();
}

void HRXBaseControl::setTooltip(const char* text) {
    if (!tooltip_)
        tooltip_ = new char[kTooltipSize];
    std::strncpy(tooltip_, text ? text : "", kTooltipSize - 1);
    tooltip_[kTooltipSize - 1] = '\0';
    if (companion_)
        companion_->setTooltipText(tooltip_);
}

const char* HRXBaseControl::getTooltip() const {
    return tooltip_ ? tooltip_ : "";
}

void HRXBaseControl::redraw() {
    if (companion_)
        companion_->redraw();
}
