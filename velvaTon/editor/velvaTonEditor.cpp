#include "velvaTonEditor.h"

#include "CInfo.h"
#include "CVelvaVuMeter2.h"
#include "HRXAnimKnob.h"
#include "HRXHorizontalSwitch.h"
#include "HRXKickButton.h"
#include "HRXLibraryResources.h"
#include "HRXMasterGraphicalEngine.h"
#include "HRXTickCount.h"
#include "HRXViewContainer.h"
#include "velvaTonEditorLayout.h"
#include "velvaTonProduct.h"
#include "velvaTonParameters.h"

namespace {

// Adds a control to a container, which then owns it. A control the container
// refuses is deleted here, and the caller gets null.
template <class Control>
Control* addTo(HRXViewContainer* container, Control* control, const char* tooltip = nullptr)
{
    if (tooltip)
        control->setTooltip(tooltip);
    if (container->addControl(control))
        return control;
    delete control;
    return nullptr;
}

// The switch shows the parameter mirrored (switch value = 1 - parameter
// value): Valve on the left, Clear in the middle, Off on the right.
double switchValueOf(velvaTonProcessMode mode) { return 1.0 - 0.5 * static_cast<double>(mode); }

}  // namespace

velvaTonEditor::velvaTonEditor(HRXMasterGraphicalEngine* engine, const HRXRect& rect) : HRXBaseEditor(engine, rect) {}

HRXBaseEditor* createVelvaTonEditor(HRXMasterGraphicalEngine* engine) { return new velvaTonEditor(engine, kEditorRect); }

velvaTonEditor::~velvaTonEditor()
{
    // An editor destroyed while open releases what it holds.
    close();
}

HRXAnimKnob* velvaTonEditor::getKnob(int32_t parameterIndex) const
{
    switch (parameterIndex) {
    case kRatio: return ratioKnob;
    case kAttackRatio: return attackRatioKnob;
    case kTime: return timeKnob;
    case kCompression: return compressionKnob;
    case kOutput: return outputKnob;
    case kValveLevel: return valveLevelKnob;
    default: return nullptr;
    }
}

void velvaTonEditor::open()
{
    if (!engine || mainContainer)
        return;
    HRXBitmap* background = getLibraryBitmap(kBackgroundBitmapId);
    if (background)
        engine->setBackground(background);
    mainContainer = engine->createViewContainer(kEditorRect);
    if (!mainContainer)
        return;
    if (background)
        mainContainer->setBackground(background);
    engine->addView(mainContainer);
    buildControls();
    buildAboutBox();
    needle.reset();
}

void velvaTonEditor::buildControls()
{
    if (HRXBitmap* strip = getLibraryBitmap(kProcessSwitchBitmapId)) {
        auto* control = new HRXHorizontalSwitch(kProcessSwitchRect, kProcess, strip, kProcessSwitchPositions);
        control->setDefaultValue(kProcessSwitchResetValue);
        // The control starts on the factory preset's parameter value; show
        // that mode rather than its mirror image.
        control->setValue(switchValueOf(getProcessMode(control->getValue())));
        processSwitch = addTo(mainContainer, control, kProcessSwitchTooltip);
    }

    for (const velvaTonKnobLayout& layout : kKnobLayout) {
        HRXBitmap* strip = getLibraryBitmap(layout.bitmapId);
        if (!strip)
            continue;
        auto* knob = new HRXAnimKnob(layout.rect, layout.tag, strip, layout.frames, layout.columns);
        knob->setMax(1.0);
        knob->setMin(0.0);
        knob->setDragPixels(layout.dragPixels);
        knob->setFineDragPixels(layout.fineDragPixels);
        knob->setDefaultValue(layout.resetValue);
        knob->setWheelStep(layout.wheelStep);
        knob->setFineWheelFactor(layout.fineWheelFactor);
        knob = addTo(mainContainer, knob, layout.tooltip);
        switch (layout.tag) {
        case kTime: timeKnob = knob; break;
        case kCompression: compressionKnob = knob; break;
        case kOutput: outputKnob = knob; break;
        case kRatio: ratioKnob = knob; break;
        case kAttackRatio: attackRatioKnob = knob; break;
        case kValveLevel: valveLevelKnob = knob; break;
        default: break;
        }
    }

    HRXBitmap* lit = getLibraryBitmap(kMeterLitBitmapId);
    HRXBitmap* second = getLibraryBitmap(kMeterSecondBitmapId);
    HRXBitmap* unlit = getLibraryBitmap(kMeterUnlitBitmapId);
    if (lit && second && unlit) {
        auto* control = new CVelvaVuMeter2(kMeterRect, lit, second, unlit, kMeterPivot, kMeterInnerRadius,
                                           kMeterOuterRadius);
        control->setDefaultValue(0.0);
        control->setValue(0.0);
        meter = addTo(mainContainer, control);
    }

    nameButton = addTo(mainContainer, new HRXKickButton(kNameButtonRect, kNameButtonTag), kNameButtonTooltip);
}

void velvaTonEditor::buildAboutBox()
{
    aboutContainer = engine->createViewContainer(kEditorRect);
    if (!aboutContainer)
        return;
    aboutContainer->setBackgroundColour(0, 0, 0, 0);
    aboutBox = addTo(aboutContainer,
                     new CInfo(kEditorRect, CInfo::kTag, getLibraryBitmap(kAboutBitmapId), kProductVersion));
}

void velvaTonEditor::close()
{
    needle.requestJump();
    // The about box is attached only while shown; detached, nothing else
    // would release it, so it goes here either way. Deleting a container
    // handle drops its reference; the frame releases the views it holds.
    if (aboutContainer) {
        if (engine->isAttached(aboutContainer))
            engine->removeView(aboutContainer);
        delete aboutContainer;
        aboutContainer = nullptr;
    }
    delete mainContainer;
    mainContainer = nullptr;
    processSwitch = nullptr;
    timeKnob = compressionKnob = outputKnob = ratioKnob = attackRatioKnob = valveLevelKnob = nullptr;
    meter = nullptr;
    nameButton = nullptr;
    aboutBox = nullptr;
}

void velvaTonEditor::setKnobValue(HRXAnimKnob* knob, double value)
{
    if (!knob)
        return;
    knob->setValue(value);
    knob->redraw();
}

void velvaTonEditor::resize(const HRXRect& newRect)
{
    rect = newRect;
    if (engine)
        engine->setEditorSize(static_cast<int32_t>(newRect.width()), static_cast<int32_t>(newRect.height()));
}

void velvaTonEditor::parameterChanged(int32_t index, double value)
{
    switch (index) {
    case kProcess: {
        // Switch and lamp follow the mode the engine runs and the display
        // names, also for values on a boundary or outside 0..1.
        const velvaTonProcessMode mode = getProcessMode(value);
        if (processSwitch) {
            processSwitch->setValue(switchValueOf(mode));
            processSwitch->redraw();
        }
        if (meter) {
            // Off darkens the meter; Clear and Valve light it.
            meter->setLamp(mode != kProcessOff);
            meter->redraw();
        }
        break;
    }
    case kRatio:
    case kAttackRatio:
    case kTime:
    case kCompression:
    case kOutput:
    case kValveLevel:
        setKnobValue(getKnob(index), value);
        break;
    case kGainReduction:
        needle.newValue(value, static_cast<double>(getTickCount()));
        break;
    case kMessageMeterReset:
        if (meter) {
            meter->setValue(0.0);
            meter->redraw();
        }
        needle.meterReset();
        break;
    case kMessagePresetMenuOpening:
        resize(kEditorRectMenuOpen);
        break;
    case kMessagePresetMenuClosed:
        resize(kEditorRect);
        break;
    case kMessageShowAbout:
        if (aboutContainer)
            engine->addView(aboutContainer);
        break;
    case kMessageHideAbout:
        if (aboutContainer)
            engine->removeView(aboutContainer);
        break;
    default:
        break;
    }
}

void velvaTonEditor::controlChanged(int32_t tag, double value)
{
    if (!engine)
        return;
    switch (tag) {
    case kProcess:
        engine->editParameter(kProcess, 1.0 - value);
        break;
    case kRatio:
    case kAttackRatio:
    case kTime:
    case kCompression:
    case kOutput:
    case kValveLevel:
        engine->editParameter(tag, value);
        break;
    case kNameButtonTag:
        engine->editParameter(kMessageShowAbout, 1.0);
        break;
    case CInfo::kTag:
        engine->editParameter(kMessageHideAbout, 1.0);
        break;
    default:
        break;
    }
}

void velvaTonEditor::idle()
{
    if (!meter)
        return;
    meter->setValue(needle.valueAt(static_cast<double>(getTickCount())));
    meter->redraw();
}
