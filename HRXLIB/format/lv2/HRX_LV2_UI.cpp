#include "HRX_LV2_UI.h"

#include "HRXBaseParametersController.h"
#include "HRXGlobalSettings.h"
#include "HRXPresetManager.h"
#include "HRXRunLoop.h"
#include "HRX_LV2_EditorWrapper.h"
#include "HRXProduct.h"
#include "HRXStateChunk.h"

#include <lv2/atom/util.h>

#include <cstring>

HRX_LV2_UI::HRX_LV2_UI(const HRX_LV2_Product& product, Brackenworks::HRXEditorFactory createEditor,
                       const LV2_URID_Map& map, const Host& host)
    : ports(product.controlCount, 1),
      urids(&map, product),
      map(map),
      host(host),
      parameters(product, host.write, host.controller, host.touch),
      controller(&parameters),
      editor(new HRX_LV2_EditorWrapper(createEditor)) {
    parameters.setMuted(true);  // building the controller writes nothing
    controller.attach(::product().createController(&controller));
    parameters.setMuted(false);
    parameters.setController(&controller);
    parameters.setEditor(editor);
    editor->setController(&controller);
    editor->setProductController(controller.getParametersController());
    editor->setPresetManager(controller.getPresetManager());
    editor->setSizeListener(&HRX_LV2_UI::tellSize, this);
    controller.setEditor(editor);
}

HRX_LV2_UI::~HRX_LV2_UI() {
    controller.setEditor(nullptr);
    parameters.setEditor(nullptr);
    editor->close();
    delete editor;
}

bool HRX_LV2_UI::open(unsigned long parentWindow) {
    // The window opens at this instance's zoom.
    if (HRXPresetManager* manager = controller.getPresetManager())
        editor->applyZoom(manager->zoomPercent * 0.01);
    // Opening sizes the window at the zoom, which tells the host its size.
    if (!editor->openInHostWindow(parentWindow))
        return false;
    writeMessage(true, nullptr, 0);
    return true;
}

unsigned long HRX_LV2_UI::widget() const { return editor->nativeWindow(); }

void HRX_LV2_UI::tellSize(void* context, int32_t width, int32_t height) {
    auto* ui = static_cast<HRX_LV2_UI*>(context);
    if (ui->host.resize)
        ui->host.resize->ui_resize(ui->host.resize->handle, width, height);
}

void HRX_LV2_UI::portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
    if (!buffer)
        return;
    if (format == 0 && size == sizeof(float)) {
        float value = 0.0f;
        std::memcpy(&value, buffer, sizeof value);
        if (port < ports.controls) {
            parameters.portChanged(static_cast<int32_t>(port), value);
        } else if (port == ports.gainReduction()) {
            const double clamped = value > 0.0f ? (value < 1.0f ? value : 1.0f) : 0.0f;
            editor->notifyEditor(kGainReductionSlot, clamped);
        }
    } else if (format == urids.atomEventTransfer && port == ports.notify() && size >= sizeof(LV2_Atom)) {
        const auto* atom = static_cast<const LV2_Atom*>(buffer);
        if (lv2_atom_total_size(atom) > size)
            return;
        const HRX_LV2_Message message = HRX_LV2_ReadMessage(urids, atom);
        if (message.kind == HRX_LV2_Message::Kind::State)
            restoreState(message.bytes, message.size);
    }
}

void HRX_LV2_UI::restoreState(const uint8_t* bytes, uint32_t size) {
    HRXPresetManager* manager = controller.getPresetManager();
    HRXBaseParametersController* productController = controller.getParametersController();
    if (!manager || !productController || size > static_cast<uint32_t>(INT32_MAX) ||
        !isRestorableState(bytes, size, manager->templateRecord))
        return;
    // The DSP's state is the host's already: nothing of it is written back.
    parameters.setMuted(true);
    productController->setChunk(bytes, static_cast<int32_t>(size), nullptr);
    parameters.setMuted(false);
    parameters.showPorts();
    editor->applyZoom(HRXGlobalSettings::limitZoomFactor(manager->zoomPercent * 0.01));
    uint8_t* data = nullptr;
    const int32_t count = productController->getChunk(&data);
    lastState.assign(data, data + (count > 0 && data ? count : 0));
    synced = true;
}

void HRX_LV2_UI::sendState() {
    HRXBaseParametersController* productController = controller.getParametersController();
    uint8_t* data = nullptr;
    const int32_t count = productController ? productController->getChunk(&data) : 0;
    if (count <= 0 || !data)
        return;
    if (lastState.size() == static_cast<size_t>(count) && std::memcmp(lastState.data(), data, lastState.size()) == 0)
        return;
    lastState.assign(data, data + count);
    writeMessage(false, lastState.data(), static_cast<uint32_t>(lastState.size()));
}

void HRX_LV2_UI::writeMessage(bool request, const uint8_t* bytes, uint32_t size) {
    if (!host.write)
        return;
    std::vector<uint8_t> buffer(size + 256);
    LV2_Atom_Forge forge;
    lv2_atom_forge_init(&forge, &map);
    lv2_atom_forge_set_buffer(&forge, buffer.data(), buffer.size());
    const bool written = request ? HRX_LV2_WriteRequest(forge, urids) : HRX_LV2_WriteState(forge, urids, bytes, size);
    if (!written)
        return;
    const auto* atom = reinterpret_cast<const LV2_Atom*>(buffer.data());
    host.write(host.controller, ports.controlIn(), lv2_atom_total_size(atom), urids.atomEventTransfer, atom);
}

int HRX_LV2_UI::idle() {
    HRXRunLoop::pump();
    parameters.answerEdits();
    if (synced)
        sendState();
    return editor->nativeWindow() ? 0 : 1;
}
