#pragma once

#include "HRXMasterEditorLink.h"
#include "HRXVSTGUIEditorWrapperV4_PresetBar.h"

class HRXBaseParametersController;
class HRXPresetManager;
class HRX_AAX_ControllerWrapper;

// The editor window as an LV2 host embeds it: the preset-bar window whose
// edits run through the UI's controller, which the controller notifies of
// every value and message, and which tells the host each new window size.
class HRX_LV2_EditorWrapper : public Brackenworks::HRXVSTGUIEditorWrapperV4_PresetBar, public HRXMasterEditorLink {
public:
    using SizeListener = void (*)(void* context, int32_t width, int32_t height);

    explicit HRX_LV2_EditorWrapper(Brackenworks::HRXEditorFactory createEditor);

    void setController(HRX_AAX_ControllerWrapper* instanceController) { controller_ = instanceController; }
    HRX_AAX_ControllerWrapper* getController() const { return controller_; }
    void setProductController(HRXBaseParametersController* product) { productController_ = product; }
    void setPresetManager(HRXPresetManager* manager) { presetManager_ = manager; }
    // Hears the window's size in pixels whenever it changes (zoom).
    void setSizeListener(SizeListener listener, void* context);

    // Opens the window as a child of the host's X11 window. False without
    // editor content or when no window can be made.
    bool openInHostWindow(unsigned long parentWindow);
    // The X11 window of the open editor; 0 when closed or the X server is gone.
    unsigned long nativeWindow() const;

    void editParameter(int32_t index, double value) override;
    void setEditorSize(int32_t width, int32_t height) override;
    void notifyEditor(int32_t index, double value) override;

private:
    HRX_AAX_ControllerWrapper* controller_ = nullptr;
    HRXBaseParametersController* productController_ = nullptr;
    HRXPresetManager* presetManager_ = nullptr;
    SizeListener sizeListener_ = nullptr;
    void* sizeContext_ = nullptr;
};
