#pragma once

#include "HRXBaseEditor.h"
#include "velvaTonNeedleAnimation.h"

class CInfo;
class CVelvaVuMeter2;
class HRXAnimKnob;
class HRXHorizontalSwitch;
class HRXKickButton;
class HRXViewContainer;

// The product's panel: the Process switch, six filmstrip knobs, the gain
// reduction meter, an invisible button over the product name and the about
// box, built through the graphical engine and bound to the parameters.
class velvaTonEditor : public HRXBaseEditor {
public:
    velvaTonEditor(HRXMasterGraphicalEngine* engine, const HRXRect& rect);
    ~velvaTonEditor() override;

    void open() override;
    void close() override;
    void parameterChanged(int32_t index, double value) override;
    void controlChanged(int32_t tag, double value) override;
    void idle() override;

    HRXHorizontalSwitch* getProcessSwitch() const { return processSwitch_; }
    // The knob bound to a parameter index, null when there is none.
    HRXAnimKnob* getKnob(int32_t parameterIndex) const;
    CVelvaVuMeter2* getMeter() const { return meter_; }
    HRXKickButton* getNameButton() const { return nameButton_; }
    CInfo* getAboutBox() const { return aboutBox_; }
    HRXViewContainer* getMainContainer() const { return mainContainer_; }
    HRXViewContainer* getAboutContainer() const { return aboutContainer_; }
    const velvaTonNeedleAnimation& getNeedle() const { return needle_; }

private:
    void buildControls();
    void buildAboutBox();
    void setKnobValue(HRXAnimKnob* knob, double value);
    void resize(const HRXRect& newRect);

    HRXViewContainer* mainContainer_ = nullptr;
    HRXViewContainer* aboutContainer_ = nullptr;
    HRXHorizontalSwitch* processSwitch_ = nullptr;
    HRXAnimKnob* timeKnob_ = nullptr;
    HRXAnimKnob* compressionKnob_ = nullptr;
    HRXAnimKnob* outputKnob_ = nullptr;
    HRXAnimKnob* ratioKnob_ = nullptr;
    HRXAnimKnob* attackRatioKnob_ = nullptr;
    HRXAnimKnob* valveLevelKnob_ = nullptr;
    CVelvaVuMeter2* meter_ = nullptr;
    HRXKickButton* nameButton_ = nullptr;
    CInfo* aboutBox_ = nullptr;
    velvaTonNeedleAnimation needle_;
};

// Makes the panel for a graphical engine (the editor wrappers own it).
HRXBaseEditor* createVelvaTonEditor(HRXMasterGraphicalEngine* engine);
