#pragma once

#include "HRX_AAX_ControllerWrapper.h"
#include "HRX_LV2_Messages.h"
#include "HRX_LV2_Ports.h"
#include "HRX_LV2_UIParameters.h"
#include "HRXVSTGUIEditorWrapperV1.h"

#include <lv2/ui/ui.h>

#include <cstdint>
#include <vector>

class HRX_LV2_EditorWrapper;

// The plug-in's UI: the editor window embedded in the host's window, with
// a controller and preset manager of its own. It meets the DSP only through
// ports and messages: control ports carry the values (written inside touch
// gestures), the gain-reduction port feeds the VU needle, and the state
// data travels as messages: asked for once the window is open, restored
// (without writing any port) when it arrives, and sent back whenever the
// UI's own state changes. Runs on the host's UI thread, driven by idle().
class HRX_LV2_UI {
public:
    struct Host {
        LV2UI_Write_Function write;
        LV2UI_Controller controller;
        const LV2UI_Resize* resize;  // may be null
        const LV2UI_Touch* touch;    // may be null
    };

    HRX_LV2_UI(const HRX_LV2_Product& product, Brackenworks::HRXEditorFactory createEditor, const LV2_URID_Map& map,
               const Host& host);
    ~HRX_LV2_UI();
    HRX_LV2_UI(const HRX_LV2_UI&) = delete;
    HRX_LV2_UI& operator=(const HRX_LV2_UI&) = delete;

    // Opens the window in the host's X11 window and asks the DSP for its
    // state; false when no window can be made.
    bool open(unsigned long parentWindow);
    unsigned long widget() const;
    void portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer);
    // One pass of the UI's work; non-zero once the window is gone.
    int idle();

    HRX_AAX_ControllerWrapper& getController() { return controller_; }
    HRX_LV2_EditorWrapper& getEditor() { return *editor_; }

private:
    static void tellSize(void* context, int32_t width, int32_t height);
    void restoreState(const uint8_t* bytes, uint32_t size);
    void sendState();
    void writeMessage(bool request, const uint8_t* bytes, uint32_t size);

    const HRX_LV2_Ports ports_;
    const HRX_LV2_URIDs urids_;
    LV2_URID_Map map_;
    Host host_;
    HRX_LV2_UIParameters parameters_;
    HRX_AAX_ControllerWrapper controller_;
    HRX_LV2_EditorWrapper* editor_;
    // The state data last exchanged with the DSP; nothing is sent before
    // the DSP's has arrived, so a new window never overwrites it.
    bool synced_ = false;
    std::vector<uint8_t> lastState_;
};
