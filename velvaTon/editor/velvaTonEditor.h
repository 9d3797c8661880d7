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

    HRXHorizontalSwitch* getProcessSwitch() const { return processSwitch; }
    // The knob bound to a parameter index, null when there is none.
    HRXAnimKnob* getKnob(int32_t parameterIndex) const;
    CVelvaVuMeter2* getMeter() const { return meter; }
    HRXKickButton* getNameButton() const { return nameButton; }
    CInfo* getAboutBox() const { return aboutBox; }
    HRXViewContainer* getMainContainer() const { return mainContainer; }
    HRXViewContainer* getAboutContainer() const { return aboutContainer; }
    const velvaTonNeedleAnimation& getNeedle() const { return needle; }

private:
    void buildControls();
    void buildAboutBox();
    void setKnobValue(HRXAnimKnob* knob, double value);
    void resize(const HRXRect& newRect);

    HRXViewContainer* mainContainer = nullptr;
    HRXViewContainer* aboutContainer = nullptr;
    HRXHorizontalSwitch* processSwitch = nullptr;
    HRXAnimKnob* timeKnob = nullptr;
    HRXAnimKnob* compressionKnob = nullptr;
    HRXAnimKnob* outputKnob = nullptr;
    HRXAnimKnob* ratioKnob = nullptr;
    HRXAnimKnob* attackRatioKnob = nullptr;
    HRXAnimKnob* valveLevelKnob = nullptr;
    CVelvaVuMeter2* meter = nullptr;
    HRXKickButton* nameButton = nullptr;
    CInfo* aboutBox = nullptr;
    velvaTonNeedleAnimation needle;
};

// Makes the panel for a graphical engine (the editor wrappers own it).
HRXBaseEditor* createVelvaTonEditor(HRXMasterGraphicalEngine* engine);
