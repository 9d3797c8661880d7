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
Control* addTo(HRXViewContainer* container, Control* control, const char* tooltip = nullptr) {
    if (tooltip)
        control->setTooltip(tooltip);
    if (container->addControl(control))
        return control;
    delete control;
    return nullptr;
}

// The switch shows the parameter mirrored (switch value = 1 - parameter
// value): Valve on the left, Clear in the middle, Off on the right.
double switchValueOf(velvaTonProcessMode mode) {
    return 1.0 - 0.5 * static_cast<double>(mode);
}

}  // namespace

velvaTonEditor::velvaTonEditor(HRXMasterGraphicalEngine* engine, const HRXRect& rect) : HRXBaseEditor(engine, rect) {}

HRXBaseEditor* createVelvaTonEditor(HRXMasterGraphicalEngine* engine) {
    return new velvaTonEditor(engine, kEditorRect);
}

velvaTonEditor::~velvaTonEditor() {
    // An editor destroyed while open releases what it holds.
    close();
}

HRXAnimKnob* velvaTonEditor::getKnob(int32_t parameterIndex) const {
    switch (parameterIndex) {
    case kRatio: return ratioKnob_;
    case kAttackRatio: return attackRatioKnob_;
    case kTime: return timeKnob_;
    case kCompression: return compressionKnob_;
    case kOutput: return outputKnob_;
    case kValveLevel: return valveLevelKnob_;
    default: return nullptr;
    }
}

void velvaTonEditor::open() {
    if (!engine_ || mainContainer_)
        return;
    HRXBitmap* background = getLibraryBitmap(kBackgroundBitmapId);
    if (background)
        engine_->setBackground(background);
    mainContainer_ = engine_->createViewContainer(kEditorRect);
    if (!mainContainer_)
        return;
    if (background)
        mainContainer_->setBackground(background);
    engine_->addView(mainContainer_);
    buildControls();
    buildAboutBox();
    needle_.reset();
}

void velvaTonEditor::buildControls() {
    if (HRXBitmap* strip = getLibraryBitmap(kProcessSwitchBitmapId)) {
        auto* control = new HRXHorizontalSwitch(kProcessSwitchRect, kProcess, strip, kProcessSwitchPositions);
        control->setDefaultValue(kProcessSwitchResetValue);
        // The control starts on the factory preset's parameter value; show
        // that mode rather than its mirror image.
        control->setValue(switchValueOf(getProcessMode(control->getValue())));
        processSwitch_ = addTo(mainContainer_, control, kProcessSwitchTooltip);
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
        knob = addTo(mainContainer_, knob, layout.tooltip);
        switch (layout.tag) {
        case kTime: timeKnob_ = knob; break;
        case kCompression: compressionKnob_ = knob; break;
        case kOutput: outputKnob_ = knob; break;
        case kRatio: ratioKnob_ = knob; break;
        case kAttackRatio: attackRatioKnob_ = knob; break;
        case kValveLevel: valveLevelKnob_ = knob; break;
        default: break;
        }
    }

    HRXBitmap* lit = getLibraryBitmap(kMeterLitBitmapId);
    HRXBitmap* second = getLibraryBitmap(kMeterSecondBitmapId);
    HRXBitmap* unlit = getLibraryBitmap(kMeterUnlitBitmapId);
    if (lit && second && unlit) {
        auto* control =
            new CVelvaVuMeter2(kMeterRect, lit, second, unlit, kMeterPivot, kMeterInnerRadius, kMeterOuterRadius);
        control->setDefaultValue(0.0);
        control->setValue(0.0);
        meter_ = addTo(mainContainer_, control);
    }

    nameButton_ = addTo(mainContainer_, new HRXKickButton(kNameButtonRect, kNameButtonTag), kNameButtonTooltip);
}

void velvaTonEditor::buildAboutBox() {
    aboutContainer_ = engine_->createViewContainer(kEditorRect);
    if (!aboutContainer_)
        return;
    aboutContainer_->setBackgroundColour(0, 0, 0, 0);
    aboutBox_ =
        addTo(aboutContainer_, new CInfo(kEditorRect, CInfo::kTag, getLibraryBitmap(kAboutBitmapId), kProductVersion));
}

void velvaTonEditor::close() {
    needle_.requestJump();
    // The about box is attached only while shown; detached, nothing else
    // would release it, so it goes here either way. Deleting a container
    // handle drops its reference; the frame releases the views it holds.
    if (aboutContainer_) {
        if (engine_->isAttached(aboutContainer_))
            engine_->removeView(aboutContainer_);
        delete aboutContainer_;
        aboutContainer_ = nullptr;
    }
    delete mainContainer_;
    mainContainer_ = nullptr;
    processSwitch_ = nullptr;
    timeKnob_ = compressionKnob_ = outputKnob_ = ratioKnob_ = attackRatioKnob_ = valveLevelKnob_ = nullptr;
    meter_ = nullptr;
    nameButton_ = nullptr;
    aboutBox_ = nullptr;
}

void velvaTonEditor::setKnobValue(HRXAnimKnob* knob, double value) {
    if (!knob)
        return;
    knob->setValue(value);
    knob->redraw();
}

void velvaTonEditor::resize(const HRXRect& newRect) {
    rect_ = newRect;
    if (engine_)
        engine_->setEditorSize(static_cast<int32_t>(newRect.width()), static_cast<int32_t>(newRect.height()));
}

void velvaTonEditor::parameterChanged(int32_t index, double value) {
    switch (index) {
    case kProcess: {
        // Switch and lamp follow the mode the engine runs and the display
        // names, also for values on a boundary or outside 0..1.
        const velvaTonProcessMode mode = getProcessMode(value);
        if (processSwitch_) {
            processSwitch_->setValue(switchValueOf(mode));
            processSwitch_->redraw();
        }
        if (meter_) {
            // Off darkens the meter; Clear and Valve light it.
            meter_->setLamp(mode != kProcessOff);
            meter_->redraw();
        }
        break;
    }
    case kRatio:
    case kAttackRatio:
    case kTime:
    case kCompression:
    case kOutput:
    case kValveLevel: setKnobValue(getKnob(index), value); break;
    case kGainReduction: needle_.newValue(value, static_cast<double>(getTickCount())); break;
    case kMessageMeterReset:
        if (meter_) {
            meter_->setValue(0.0);
            meter_->redraw();
        }
        needle_.meterReset();
        break;
    case kMessagePresetMenuOpening: resize(kEditorRectMenuOpen); break;
    case kMessagePresetMenuClosed: resize(kEditorRect); break;
    case kMessageShowAbout:
        if (aboutContainer_)
            engine_->addView(aboutContainer_);
        break;
    case kMessageHideAbout:
        if (aboutContainer_)
            engine_->removeView(aboutContainer_);
        break;
    default: break;
    }
}

void velvaTonEditor::controlChanged(int32_t tag, double value) {
    if (!engine_)
        return;
    switch (tag) {
    case kProcess: engine_->editParameter(kProcess, 1.0 - value); break;
    case kRatio:
    case kAttackRatio:
    case kTime:
    case kCompression:
    case kOutput:
    case kValveLevel: engine_->editParameter(tag, value); break;
    case kNameButtonTag: engine_->editParameter(kMessageShowAbout, 1.0); break;
    case CInfo::kTag: engine_->editParameter(kMessageHideAbout, 1.0); break;
    default: break;
    }
}

void velvaTonEditor::idle() {
    if (!meter_)
        return;
    meter_->setValue(needle_.valueAt(static_cast<double>(getTickCount())));
    meter_->redraw();
}
