// The UI library's one export: the descriptor of the X11 UI.
#include "HRX_LV2_Messages.h"
#include "HRX_LV2_UI.h"

#include <lv2/core/lv2_util.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <string>

// The product's editor content (defined by the product's glue).
Brackenworks::HRXEditorFactory HRX_LV2_GetEditorFactory();

namespace {

HRX_LV2_UI* uiOf(LV2UI_Handle handle) {
    return static_cast<HRX_LV2_UI*>(handle);
}

LV2UI_Handle instantiate(const LV2UI_Descriptor*, const char*, const char*, LV2UI_Write_Function write,
                         LV2UI_Controller controller, LV2UI_Widget* widget, const LV2_Feature* const* features) {
    const LV2_URID_Map* map = nullptr;
    void* parent = nullptr;
    const LV2UI_Resize* resize = nullptr;
    const LV2UI_Touch* touch = nullptr;
    const char* missing = lv2_features_query(features, LV2_URID__map, &map, true, LV2_UI__parent, &parent, true,
                                             LV2_UI__resize, &resize, false, LV2_UI__touch, &touch, false, nullptr);
    if (missing || !widget)
        return nullptr;
    auto* ui = new (std::nothrow)
        HRX_LV2_UI(HRX_LV2_GetProduct(), HRX_LV2_GetEditorFactory(), *map, {write, controller, resize, touch});
    if (!ui)
        return nullptr;
    if (!ui->open(static_cast<unsigned long>(reinterpret_cast<uintptr_t>(parent)))) {
        delete ui;
        return nullptr;
    }
    *widget = reinterpret_cast<LV2UI_Widget>(static_cast<uintptr_t>(ui->widget()));
    return ui;
}

void cleanup(LV2UI_Handle handle) {
    delete uiOf(handle);
}

void portEvent(LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
    uiOf(handle)->portEvent(port, size, format, buffer);
}

int idle(LV2UI_Handle handle) {
    return uiOf(handle)->idle();
}

const void* extensionData(const char* uri) {
    static const LV2UI_Idle_Interface idleInterface = {idle};
    return std::strcmp(uri, LV2_UI__idleInterface) == 0 ? &idleInterface : nullptr;
}

}  // namespace

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index) {
    HRX_LV2_InstallProduct();
    static const std::string uri = HRX_LV2_UiUri(HRX_LV2_GetProduct());
    static const LV2UI_Descriptor descriptor = {uri.c_str(), instantiate, cleanup, portEvent, extensionData};
    return index == 0 ? &descriptor : nullptr;
}
