#include "HRXBaseControl.h"

#include <cstring>

#include "HRXBitmap.h"
#include "HRXEngineView.h"
#include "HRXProduct.h"

namespace {

// A new control shows the first factory preset's value until the editor is
// told the real one; slots outside a preset start at their default.
double initialValueFor(int32_t tag)
{
    if (tag < 0 || tag >= kPresetValues)
        return product().getParameterDefault(tag);
    double values[kPresetValues];
    getDefaultPresetValues(values);
    return values[tag];
}

}  // namespace

HRXBaseControl::HRXBaseControl(const HRXRect& rect, int32_t tag, HRXBitmap* bitmap, int32_t kind)
    : bitmap(bitmap), viewRect(rect), value(initialValueFor(tag)), tag(tag), kind(kind),
      defaultValue(product().getParameterDefault(tag)), initialRect(rect)
{
    if (bitmap)
        bitmap->remember();
}

HRXBaseControl::~HRXBaseControl()
{
    delete[] tooltip;
    if (bitmap)
        bitmap->forget();
}

void HRXBaseControl::setValue(double newValue)
{
    // A control being dragged keeps its value against outside updates.
    if (!editing) {
        value = hrxClamp01(newValue);
        if (companion)
            companion->setValue(value);
    }
    if (linkedControl) {
        linkedControl->setValue(value);
        linkedControl->redraw();
    }
}

void HRXBaseControl::setTag(int32_t newTag)
{
    if (newTag < 0)
        return;
    tag = newTag;
    if (companion)
        companion->setTag(tag);
}

void HRXBaseControl::beginEdit() { editing = true; }

void HRXBaseControl::valueChanged()
{
    if (companion)
        companion->reportValue();
}

void HRXBaseControl::endEdit() { editing = false; }

bool HRXBaseControl::isEditing() const { return editing; }

void HRXBaseControl::setDefaultValue(double newValue) { defaultValue = newValue; }

double HRXBaseControl::getDefaultValue() const { return defaultValue; }

void HRXBaseControl::setViewSize(const HRXRect& rect)
{
    viewRect = rect;
    if (companion)
        companion->setViewSize(rect);
}

void HRXBaseControl::setScale(double factor)
{
    HRXRect scaled = viewRect;
    scaled.right = scaled.left + initialRect.width() * factor;
    scaled.bottom = scaled.top + initialRect.height() * factor;
    setViewSize(scaled);
}

void HRXBaseControl::draw(HRXDrawContext*) {}

void HRXBaseControl::setBackground(HRXBitmap* newBitmap)
{
    if (!newBitmap)
        return;
    newBitmap->remember();
    if (bitmap)
        bitmap->forget();
    bitmap = newBitmap;
    redraw();
}

int32_t HRXBaseControl::onMouseDown(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }
int32_t HRXBaseControl::onMouseMoved(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }
int32_t HRXBaseControl::onMouseUp(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }
int32_t HRXBaseControl::onMouseEntered(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }
int32_t HRXBaseControl::onMouseExited(const HRXPoint&, uint32_t) { return kHRXMouseHandled; }
bool HRXBaseControl::onWheel(const HRXPoint&, float, uint32_t) { return true; }

void HRXBaseControl::setValueNotify(double newValue)
{
    doubleClicked = false;
    setValue(newValue);
    valueChanged();
}

void HRXBaseControl::setTooltip(const char* text)
{
    if (!tooltip)
        tooltip = new char[kTooltipSize];
    std::strncpy(tooltip, text ? text : "", kTooltipSize - 1);
    tooltip[kTooltipSize - 1] = '\0';
    if (companion)
        companion->setTooltipText(tooltip);
}

const char* HRXBaseControl::getTooltip() const { return tooltip ? tooltip : ""; }

void HRXBaseControl::redraw()
{
    if (companion)
        companion->redraw();
}
