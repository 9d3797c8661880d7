#include "PresetBarScaleControls.h"

#include <cmath>
#include <cstdio>

#include "HRXGlobalSettings.h"

using namespace PresetBarStyle;

PresetBarScaleMenuButton::PresetBarScaleMenuButton(const HRXRect& rect, int32_t tag)
    : PresetBarMenuButton(rect, tag, nullptr)
{
    setZoom(1.0);
    value = 0.0;
}

void PresetBarScaleMenuButton::setZoom(double factor)
{
    zoom = HRXGlobalSettings::limitZoomFactor(factor);
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", static_cast<int>(HRXGlobalSettings::zoomPercentOf(zoom)));
    setLabel(text);
}

void PresetBarScaleMenuButton::chooseZoom(double factor)
{
    setZoom(factor);
    changedByUser = true;
}

PresetBarScaleMenuButton::MenuRequest PresetBarScaleMenuButton::takeMenuRequest()
{
    const MenuRequest request = menuRequest;
    menuRequest = MenuRequest::None;
    return request;
}

int32_t PresetBarScaleMenuButton::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    if (buttons & (kHRXDoubleClick | kHRXControl | kHRXAlt)) {
        chooseZoom(1.0);
        value = 0.0;
        menuRequest = MenuRequest::Close;
    } else {
        value = value > 0.5 ? 0.0 : 1.0;
        menuRequest = value > 0.5 ? MenuRequest::Open : MenuRequest::Close;
    }
    return PresetBarMenuButton::onMouseDown(point, buttons);
}

bool PresetBarScaleMenuButton::onWheel(const HRXPoint&, float distance, uint32_t buttons)
{
    double notches = distance;
    if (distance > 0.1f)
        notches = 1.0;
    else if (distance < -0.1f)
        notches = -1.0;
    chooseZoom(zoom + notches * ((buttons & kHRXShift) ? kFineWheelStep : kWheelStep));
    valueChanged();
    return true;
}

PresetBarScaleCornerControl::PresetBarScaleCornerControl(const HRXRect& rect, int32_t tag)
    : PresetBarScaleMenuButton(rect, tag)
{
}

void PresetBarScaleCornerControl::draw(HRXDrawContext* context)
{
    // Three short diagonals in the very corner, clear of the panel's screw.
    const HRXColour colour = (hovered || dragging) ? kAccent : HRXColour{0x30, 0x22, 0x14, 0xB0};
    context->setLineWidth(1.5);
    context->setFrameColour(colour);
    for (double offset : {3.0, 7.0, 11.0}) {
        context->moveTo({viewRect.right - offset, viewRect.bottom - 1.5});
        context->lineTo({viewRect.right - 1.5, viewRect.bottom - offset});
    }
}

void PresetBarScaleCornerControl::setPlacement(const HRXPoint& newOrigin, double width, double height)
{
    origin = newOrigin;
    windowWidth = width;
    windowHeight = height;
}

HRXPoint PresetBarScaleCornerControl::windowPixels(const HRXPoint& point) const
{
    return {(origin.x + point.x) * zoom, (origin.y + point.y) * zoom};
}

int32_t PresetBarScaleCornerControl::onMouseDown(const HRXPoint& point, uint32_t buttons)
{
    if (!(buttons & kHRXLeftButton))
        return kHRXMouseNotHandled;
    dragging = true;
    dragStartZoom = zoom;
    dragStart = windowPixels(point);
    pressed = true;
    redraw();
    return kHRXMouseHandled;
}

// The window grows by the pointer's travel in pixels: width and height each
// ask for a zoom, and the grip takes their mean.
int32_t PresetBarScaleCornerControl::onMouseMoved(const HRXPoint& point, uint32_t buttons)
{
    if (!dragging || !(buttons & kHRXLeftButton))
        return PresetBarScaleMenuButton::onMouseMoved(point, buttons);
    const HRXPoint now = windowPixels(point);
    const double wanted =
        dragStartZoom + ((now.x - dragStart.x) / windowWidth + (now.y - dragStart.y) / windowHeight) * 0.5;
    const double limited = HRXGlobalSettings::limitZoomFactor(std::round(wanted * 100.0) / 100.0);
    if (limited != zoom) {
        chooseZoom(limited);
        valueChanged();
    }
    return kHRXMouseHandled;
}

int32_t PresetBarScaleCornerControl::onMouseUp(const HRXPoint& point, uint32_t buttons)
{
    dragging = false;
    return PresetBarScaleMenuButton::onMouseUp(point, buttons);
}
