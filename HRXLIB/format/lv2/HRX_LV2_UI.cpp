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
    : ports_(product.controlCount, 1),
      urids_(&map, product),
      map_(map),
      host_(host),
      parameters_(product, host.write, host.controller, host.touch),
      controller_(&parameters_),
      editor_(new HRX_LV2_EditorWrapper(createEditor)) {
    parameters_.setMuted(true);  // building the controller writes nothing
    controller_.attach(::product().createController(&controller_));
    parameters_.setMuted(false);
    parameters_.setController(&controller_);
    parameters_.setEditor(editor_);
    editor_->setController(&controller_);
    editor_->setProductController(controller_.getParametersController());
    editor_->setPresetManager(controller_.getPresetManager());
    editor_->setSizeListener(&HRX_LV2_UI::tellSize, this);
    controller_.setEditor(editor_);
}

HRX_LV2_UI::~HRX_LV2_UI() {
    controller_.setEditor(nullptr);
    parameters_.setEditor(nullptr);
    editor_->close();
    delete editor_;
}

bool HRX_LV2_UI::open(unsigned long parentWindow) {
    // The window opens at this instance's zoom.
    if (HRXPresetManager* manager = controller_.getPresetManager())
        editor_->applyZoom(manager->zoomPercent * 0.01);
    // Opening sizes the window at the zoom, which tells the host its size.
    if (!editor_->openInHostWindow(parentWindow))
        return false;
    writeMessage(true, nullptr, 0);
    return true;
}

unsigned long HRX_LV2_UI::widget() const {
    return editor_->nativeWindow();
}

void HRX_LV2_UI::tellSize(void* context, int32_t width, int32_t height) {
    auto* ui = static_cast<HRX_LV2_UI*>(context);
    if (ui->host_.resize)
        ui->host_.resize->ui_resize(ui->host_.resize->handle, width, height);
}

void HRX_LV2_UI::portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
    if (!buffer)
        return;
    if (format == 0 && size == sizeof(float)) {
        float value = 0.0f;
        std::memcpy(&value, buffer, sizeof value);
        if (port < ports_.controls) {
            parameters_.portChanged(static_cast<int32_t>(port), value);
        } else if (port == ports_.gainReduction()) {
            const double clamped = value > 0.0f ? (value < 1.0f ? value : 1.0f) : 0.0f;
            editor_->notifyEditor(kGainReductionSlot, clamped);
        }
    } else if (format == urids_.atomEventTransfer && port == ports_.notify() && size >= sizeof(LV2_Atom)) {
        const auto* atom = static_cast<const LV2_Atom*>(buffer);
        if (lv2_atom_total_size(atom) > size)
            return;
        const HRX_LV2_Message message = HRX_LV2_ReadMessage(urids_, atom);
        if (message.kind == HRX_LV2_Message::Kind::State)
            restoreState(message.bytes, message.size);
    }
}

void HRX_LV2_UI::restoreState(const uint8_t* bytes, uint32_t size) {
    HRXPresetManager* manager = controller_.getPresetManager();
    HRXBaseParametersController* productController = controller_.getParametersController();
    if (!manager || !productController || size > static_cast<uint32_t>(INT32_MAX) ||
        !isRestorableState(bytes, size, manager->templateRecord))
        return;
    // The DSP's state is the host's already: nothing of it is written back.
    parameters_.setMuted(true);
    productController->setChunk(bytes, static_cast<int32_t>(size), nullptr);
    parameters_.setMuted(false);
    parameters_.showPorts();
    editor_->applyZoom(HRXGlobalSettings::limitZoomFactor(manager->zoomPercent * 0.01));
    uint8_t* data = nullptr;
    const int32_t count = productController->getChunk(&data);
    lastState_.assign(data, data + (count > 0 && data ? count : 0));
    synced_ = true;
}

void HRX_LV2_UI::sendState() {
    HRXBaseParametersController* productController = controller_.getParametersController();
    uint8_t* data = nullptr;
    const int32_t count = productController ? productController->getChunk(&data) : 0;
    if (count <= 0 || !data)
        return;
    if (lastState_.size() == static_cast<size_t>(count) && std::memcmp(lastState_.data(), data, lastState_.size()) == 0)
        return;
    lastState_.assign(data, data + count);
    writeMessage(false, lastState_.data(), static_cast<uint32_t>(lastState_.size()));
}

void HRX_LV2_UI::writeMessage(bool request, const uint8_t* bytes, uint32_t size) {
    if (!host_.write)
        return;
    std::vector<uint8_t> buffer(size + 256);
    LV2_Atom_Forge forge;
    lv2_atom_forge_init(&forge, &map_);
    lv2_atom_forge_set_buffer(&forge, buffer.data(), buffer.size());
    const bool written = request ? HRX_LV2_WriteRequest(forge, urids_) : HRX_LV2_WriteState(forge, urids_, bytes, size);
    if (!written)
        return;
    const auto* atom = reinterpret_cast<const LV2_Atom*>(buffer.data());
    host_.write(host_.controller, ports_.controlIn(), lv2_atom_total_size(atom), urids_.atomEventTransfer, atom);
}

int HRX_LV2_UI::idle() {
    HRXRunLoop::pump();
    parameters_.answerEdits();
    if (synced_)
        sendState();
    return editor_->nativeWindow() ? 0 : 1;
}
