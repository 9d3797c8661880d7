#pragma once

#include "HRXMasterEditorLink.h"
#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"

class AAX_IViewContainer;
class HRXBaseParametersController;
class HRXPresetManager;
class HRX_AAX_ControllerWrapper;

// The editor window as the AAX host shows it: the preset-bar window whose
// edits run through the instance's controller, whose control clicks and
// size changes go to the host's view container, and which the controller
// notifies of every value and message.
class HRX_AAX_EditorWrapper : public Brackenworks::HRXVSTGUIEditorWrapperV4_PresetBar, public HRXMasterEditorLink {
public:
    explicit HRX_AAX_EditorWrapper(Brackenworks::HRXEditorFactory createEditor);

    void setController(HRX_AAX_ControllerWrapper* instanceController) { controller_ = instanceController; }
    HRX_AAX_ControllerWrapper* getController() const { return controller_; }
    void setProductController(HRXBaseParametersController* product) { productController_ = product; }
    // The preset bar of the window drives this manager.
    void setPresetManager(HRXPresetManager* manager);
    // The host's window the view lives in (null while there is none).
    void setViewContainer(AAX_IViewContainer* container) { viewContainer_ = container; }

    // Opens the window as a child of the host's native window (an X11
    // window id). False without editor content or when no window can be made.
    bool openInHostWindow(void* parentWindow);

    // The size last reported to the host: left, top, right, bottom; -1 on
    // every side until the first report.
    const double* getViewRect() const { return viewRect_; }
    // Answers the host's proposal of a window size within the window's
    // limits: a proposal outside them is clamped, one inside stays as it is.
    void constrainSize(VSTGUI::CRect& proposal) const;

    void editParameter(int32_t index, double value) override;
    int32_t controlClicked(int32_t tag, uint32_t buttons) override;
    void setEditorSize(int32_t width, int32_t height) override;
    void notifyEditor(int32_t index, double value) override;

private:
    HRX_AAX_ControllerWrapper* controller_ = nullptr;
    AAX_IViewContainer* viewContainer_ = nullptr;
    HRXBaseParametersController* productController_ = nullptr;
    HRXPresetManager* presetManager_ = nullptr;
    double viewRect_[4] = {-1.0, -1.0, -1.0, -1.0};
};
