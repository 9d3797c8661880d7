#include "AAXHostInstanceImpl.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

#include "AAX_Errors.h"
#include "AAX_IEffectDirectData.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IEffectParameters.h"

namespace {

constexpr size_t kFieldAlignment = 64;
// How long the main thread sleeps between looks while it waits for the
// render thread.
constexpr std::chrono::microseconds kWaitStep{200};

size_t snapshotRoom(size_t bytes) {
    return (bytes + 7) / 8 * 8;
}

}  // namespace

AAXHostInstance::Impl::Memory AAXHostInstance::Impl::allocate(size_t size) {
    const size_t rounded = (size + kFieldAlignment - 1) / kFieldAlignment * kFieldAlignment;
    auto* data = static_cast<unsigned char*>(std::aligned_alloc(kFieldAlignment, rounded));
    if (data)
        std::memset(data, 0, rounded);
    return Memory(data);
}

AAXHostInstance::Impl::Impl(std::shared_ptr<AAXHostLibrary> library, const AAXHostComponent& component,
                            double sampleRate)
    : library_(std::move(library)), component_(component) {
    inputChannels_ = AAX_STEM_FORMAT_CHANNEL_COUNT(component_.inputStemFormat());
    outputChannels_ = AAX_STEM_FORMAT_CHANNEL_COUNT(component_.outputStemFormat());
    sampleRate_ = sampleRate;
    sampleRateField_ = static_cast<AAX_CSampleRate>(sampleRate);

    AAX_CFieldIndex highest = 0;
    for (const AAXHostField& field : component_.fields)
        highest = std::max(highest, field.index);
    slots_.assign(static_cast<size_t>(highest) + 1, nullptr);
    for (const AAXHostField& field : component_.fields) {
        void*& slot = slots_[static_cast<size_t>(field.index)];
        switch (field.kind) {
        case AAXHostFieldKind::AudioIn: slot = inputs_; break;
        case AAXHostFieldKind::AudioOut: slot = outputs_; break;
        case AAXHostFieldKind::BufferLength: slot = &bufferLength_; break;
        case AAXHostFieldKind::SampleRate: slot = &sampleRateField_; break;
        case AAXHostFieldKind::DataInPort:
        case AAXHostFieldKind::PrivateData: {
            memory_.push_back(allocate(field.size));
            unsigned char* data = memory_.back().get();
            slot = data;
            fieldData_[field.index] = data;
            fieldSize_[field.index] = data ? field.size : 0;
            (field.kind == AAXHostFieldKind::DataInPort ? isPort_ : isPrivate_)[field.index] = data != nullptr;
            if (data && field.kind == AAXHostFieldKind::PrivateData)
                privateFields_.push_back(field.index);
            break;
        }
        case AAXHostFieldKind::Meters:
            meterIDs_ = field.meterIDs;
            meterTaps_.assign(meterIDs_.size(), 0.0f);
            slot = meterTaps_.data();
            break;
        case AAXHostFieldKind::MIDINode:
            mIDINodes_.push_back(
                std::make_unique<MIDINode>(field.option == AAX_eMIDINodeType_Transport ? &transport_ : nullptr));
            slot = static_cast<AAX_IMIDINode*>(mIDINodes_.back().get());
            break;
        }
    }

    size_t largest = sizeof(AAXHostTransportState);
    size_t snapshot = snapshotRoom(meterTaps_.size() * sizeof(float));
    snapshotTransport_ = snapshot;
    snapshot += snapshotRoom(sizeof(AAXHostTransportState));
    for (AAX_CFieldIndex field = 0; field <= kAAX_MaxFieldIndex; ++field) {
        largest = std::max<size_t>(largest, fieldSize_[field]);
        if (!isPrivate_[field])
            continue;
        snapshotField_[field] = snapshot;
        snapshot += snapshotRoom(fieldSize_[field]);
    }
    deliveries_ = std::make_unique<AAXHostDeliveryRing>(largest);
    snapshot_ = std::make_unique<AAXHostSnapshot>(snapshot);
}

AAXHostInstance::Impl::~Impl() {
    // The render thread ends before anything it renders with goes; the
    // editor object goes next: it holds on to the parameters object.
    stopRenderThread();
    editor_.reset();
    if (directData_) {
        directData_->Uninitialize();
        delete directData_;
    }
    if (parameters_) {
        parameters_->Uninitialize();
        delete parameters_;
    }
}

AAX_Result AAXHostInstance::Impl::create(const AAXHostEffect& effect) {
    for (const AAXHostField& field : component_.fields) {
        if ((field.kind == AAXHostFieldKind::DataInPort || field.kind == AAXHostFieldKind::PrivateData) &&
            !fieldData_[field.index]) {
            return AAX_ERROR_NULL_OBJECT;
        }
    }
    const auto createParameters = effect.procs.find(kAAX_ProcPtrID_Create_EffectParameters);
    if (createParameters == effect.procs.end())
        return AAX_ERROR_NULL_OBJECT;
    parameters_ = reinterpret_cast<AAX_CCreateEffectParametersProc>(createParameters->second)();
    if (!parameters_)
        return AAX_ERROR_NULL_OBJECT;
    AAX_Result result = parameters_->Initialize(this);
    if (result != AAX_SUCCESS)
        return result;
    for (const AAXHostField& field : component_.fields) {
        if (field.kind != AAXHostFieldKind::PrivateData)
            continue;
        result = parameters_->ResetFieldData(field.index, fieldData_[field.index], field.size);
        if (result != AAX_SUCCESS)
            return result;
    }
    parameters_->GenerateCoefficients();
    const auto createGUI = effect.procs.find(kAAX_ProcPtrID_Create_EffectGUI);
    if (createGUI != effect.procs.end())
        createGUI_ = reinterpret_cast<AAX_CCreateEffectGUIProc>(createGUI->second);
    const auto createDirectData = effect.procs.find(kAAX_ProcPtrID_Create_EffectDirectData);
    if (createDirectData != effect.procs.end()) {
        directData_ = reinterpret_cast<AAX_CCreateEffectDirectDataProc>(createDirectData->second)();
        if (!directData_)
            return AAX_ERROR_NULL_OBJECT;
        result = directData_->Initialize(this);
    }
    return result;
}

AAX_IHostServices* AAXHostInstance::Impl::GetHostServices() {
    return &library_->services();
}

AAX_Result AAXHostInstance::Impl::GetSampleRate(AAX_CSampleRate* sampleRate) const {
    if (!sampleRate)
        return AAX_ERROR_NULL_OBJECT;
    *sampleRate = sampleRateField_;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetInputStemFormat(AAX_EStemFormat* format) const {
    if (!format)
        return AAX_ERROR_NULL_OBJECT;
    *format = static_cast<AAX_EStemFormat>(component_.inputStemFormat());
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetOutputStemFormat(AAX_EStemFormat* format) const {
    if (!format)
        return AAX_ERROR_NULL_OBJECT;
    *format = static_cast<AAX_EStemFormat>(component_.outputStemFormat());
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetSignalLatency(int32_t* samples) const {
    if (!samples)
        return AAX_ERROR_NULL_OBJECT;
    *samples = latency_;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::SetSignalLatency(int32_t samples) {
    if (samples < 0)
        return AAX_ERROR_INVALID_ARGUMENT;
    latency_ = samples;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetCurrentMeterValue(AAX_CTypeID meterID, float* value) const {
    if (!value)
        return AAX_ERROR_NULL_OBJECT;
    for (size_t i = 0; i < meterIDs_.size(); ++i) {
        if (meterIDs_[i] == meterID) {
            *value = meterValue(i);
            return AAX_SUCCESS;
        }
    }
    *value = 0.0f;
    return AAX_ERROR_INVALID_ARGUMENT;
}

AAX_Result AAXHostInstance::Impl::PostPacket(AAX_CFieldIndex port, const void* payload, uint32_t payloadSize) {
    if (port < 0 || port > kAAX_MaxFieldIndex || !isPort_[port])
        return AAX_ERROR_INVALID_FIELD_INDEX;
    if (payloadSize > fieldSize_[port] || (payloadSize > 0 && !payload))
        return AAX_ERROR_POST_PACKET_FAILED;
    handOver(AAXHostDeliveryRing::Packet, port, 0, payload, payloadSize);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::RegisterParameter(AAX_CParamID id) {
    if (!id)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    touches_.emplace(id, 0);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::UnregisterParameter(AAX_CParamID id) {
    if (!id || touches_.erase(id) == 0)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::PostSetValueRequest(AAX_CParamID id, double normalizedValue) {
    if (!id || touches_.count(id) == 0)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    gestures_.push_back(AAXHostGesture{AAXHostGesture::SetValue, id, normalizedValue});
    requests_.push_back(Request{AAXHostGesture::SetValue, id, normalizedValue,
                                restoringChunk_ ? AAX_eUpdateSource_Chunk : AAX_eUpdateSource_Unspecified});
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::touch(const std::string& id, bool fromHost) {
    Batch batch(*this);
    const auto found = touches_.find(id);
    if (found == touches_.end())
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!fromHost) {
        gestures_.push_back(AAXHostGesture{AAXHostGesture::Touch, id, 0.0});
        requests_.push_back(Request{AAXHostGesture::Touch, id, 0.0, AAX_eUpdateSource_Unspecified});
        return AAX_SUCCESS;
    }
    if (found->second++ == 0)
        parameters_->UpdateParameterTouch(id.c_str(), 1);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::release(const std::string& id, bool fromHost) {
    Batch batch(*this);
    const auto found = touches_.find(id);
    if (found == touches_.end())
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!fromHost) {
        gestures_.push_back(AAXHostGesture{AAXHostGesture::Release, id, 0.0});
        requests_.push_back(Request{AAXHostGesture::Release, id, 0.0, AAX_eUpdateSource_Unspecified});
        return AAX_SUCCESS;
    }
    if (found->second > 0 && --found->second == 0)
        parameters_->UpdateParameterTouch(id.c_str(), 0);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::update(const std::string& id, double value) {
    if (!parameters_)
        return AAX_ERROR_NOT_INITIALIZED;
    Batch batch(*this);
    const AAX_Result result =
        parameters_->UpdateParameterNormalizedValue(id.c_str(), value, AAX_eUpdateSource_Unspecified);
    parameters_->GenerateCoefficients();
    if (result == AAX_SUCCESS)
        noteEditorUpdate(id);
    return result;
}

AAX_Result AAXHostInstance::Impl::answer(const Request& request) {
    switch (request.kind) {
    case AAXHostGesture::Touch: return touch(request.id, true);
    case AAXHostGesture::Release: return release(request.id, true);
    case AAXHostGesture::SetValue: break;
    }
    const AAX_Result result =
        parameters_->UpdateParameterNormalizedValue(request.id.c_str(), request.value, request.source);
    parameters_->GenerateCoefficients();
    if (result == AAX_SUCCESS)
        noteEditorUpdate(request.id);
    return result;
}

void AAXHostInstance::Impl::noteEditorUpdate(const std::string& id) {
    if (!editor_ || !editor_->isAttached())
        return;
    for (const std::string& pending : editorUpdates_) {
        if (pending == id)
            return;
    }
    editorUpdates_.push_back(id);
}

void AAXHostInstance::Impl::idle() {
    Batch batch(*this);
    // Requests the answers raise wait for the next idle, so a plug-in that
    // answers every value with a new request cannot keep the host here.
    std::vector<Request> requests;
    requests.swap(requests_);
    for (const Request& request : requests)
        answer(request);
    if (editor_) {
        std::vector<std::string> updates;
        updates.swap(editorUpdates_);
        for (const std::string& id : updates)
            editor_->parameterUpdated(id);
        editor_->idle();
    }
    if (threaded_ && directData_ &&
        renderedFrames_.load(std::memory_order_relaxed) - framesAtTimer_ >=
            static_cast<int64_t>(std::ceil(sampleRate_ * kTimerPeriodSeconds))) {
        timerWakeup();
    }
}

AAX_Result AAXHostInstance::Impl::createEditor() {
    if (editor_)
        return AAX_SUCCESS;
    if (!createGUI_)
        return AAX_ERROR_UNIMPLEMENTED;
    AAX_IEffectGUI* gui = createGUI_();
    if (!gui)
        return AAX_ERROR_NULL_OBJECT;
    const AAX_Result result = gui->Initialize(this);
    editor_ = std::make_unique<AAXHostEditor>(gui);
    if (result != AAX_SUCCESS)
        editor_.reset();
    return result;
}

void AAXHostInstance::Impl::destroyEditor() {
    editor_.reset();
    editorUpdates_.clear();
}

AAX_Result AAXHostInstance::Impl::PostTouchRequest(AAX_CParamID id) {
    return id ? touch(id, false) : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAXHostInstance::Impl::PostReleaseRequest(AAX_CParamID id) {
    return id ? release(id, false) : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAXHostInstance::Impl::GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) {
    if (!touched)
        return AAX_ERROR_NULL_OBJECT;
    const auto found = id ? touches_.find(id) : touches_.end();
    if (found == touches_.end())
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *touched = found->second > 0 ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::ReadPortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size, void* buffer) {
    if (field < 0 || field > kAAX_MaxFieldIndex || !isPrivate_[field]) {
        return AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS;
    }
    if (static_cast<uint64_t>(offset) + size > fieldSize_[field])
        return AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS;
    if (size == 0)
        return AAX_SUCCESS;
    if (!buffer)
        return AAX_ERROR_NULL_OBJECT;
    if (threaded_)
        snapshot_->read(snapshotField_[field] + offset, buffer, size);
    else
        std::memcpy(buffer, fieldData_[field] + offset, size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::WritePortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size,
                                                  const void* buffer) {
    if (field < 0 || field > kAAX_MaxFieldIndex || !isPrivate_[field]) {
        return AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS;
    }
    if (static_cast<uint64_t>(offset) + size > fieldSize_[field])
        return AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS;
    if (size == 0)
        return AAX_SUCCESS;
    if (!buffer)
        return AAX_ERROR_NULL_OBJECT;
    handOver(AAXHostDeliveryRing::PrivateWrite, field, offset, buffer, size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::setSampleRate(double sampleRate) {
    if (threaded_)
        return AAX_ERROR_RENDER_THREAD_RUNNING;
    if (!(sampleRate >= kMinSampleRate && sampleRate <= kMaxSampleRate))
        return AAX_ERROR_INVALID_ARGUMENT;
    sampleRate_ = sampleRate;
    sampleRateField_ = static_cast<AAX_CSampleRate>(sampleRate);
    return AAX_SUCCESS;
}

void AAXHostInstance::Impl::handOver(AAXHostDeliveryRing::Kind kind, AAX_CFieldIndex field, uint32_t offset,
                                     const void* data, uint32_t size) {
    if (!threaded_) {
        apply(AAXHostDeliveryRing::Record{kind, field, offset, size, static_cast<const unsigned char*>(data)});
        return;
    }
    // A full ring: what is staged goes now, and the main thread waits for
    // the render thread to make room.
    while (!deliveries_->stage(kind, field, offset, data, size)) {
        deliveries_->publish();
        std::this_thread::sleep_for(kWaitStep);
    }
    if (batchDepth_ == 0)
        deliveries_->publish();
}

AAXHostInstance::Impl::Batch::~Batch() {
    if (--impl_.batchDepth_ == 0 && impl_.threaded_ && impl_.deliveries_->hasStaged())
        impl_.deliveries_->publish();
}

void AAXHostInstance::Impl::apply(const AAXHostDeliveryRing::Record& record) {
    switch (record.kind) {
    case AAXHostDeliveryRing::Packet: {
        unsigned char* port = fieldData_[record.field];
        std::memcpy(port, record.data, record.size);
        std::memset(port + record.size, 0, fieldSize_[record.field] - record.size);
        break;
    }
    case AAXHostDeliveryRing::PrivateWrite:
        std::memcpy(fieldData_[record.field] + record.offset, record.data, record.size);
        break;
    case AAXHostDeliveryRing::Transport: {
        AAXHostTransportState state;
        std::memcpy(&state, record.data, sizeof state);
        transport_.set(state);
        break;
    }
    case AAXHostDeliveryRing::Skip: break;
    }
}

void AAXHostInstance::Impl::renderBlock(int32_t frames) {
    bufferLength_ = frames;
    void* const states[1] = {slots_.data()};
    component_.processProc(states, states + 1);
    transport_.advance(frames, sampleRate_);
    renderedFrames_.fetch_add(frames, std::memory_order_relaxed);
}

void AAXHostInstance::Impl::publish(bool everything) {
    snapshot_->beginWrite();
    snapshot_->write(0, meterTaps_.data(), meterTaps_.size() * sizeof(float));
    if (everything) {
        snapshot_->write(snapshotTransport_, &transport_.state(), sizeof(AAXHostTransportState));
        for (AAX_CFieldIndex field : privateFields_)
            snapshot_->write(snapshotField_[field], fieldData_[field], fieldSize_[field]);
    }
    snapshot_->endWrite();
    std::fill(meterTaps_.begin(), meterTaps_.end(), 0.0f);
}

float AAXHostInstance::Impl::meterValue(size_t position) const {
    float value = 0.0f;
    snapshot_->read(position * sizeof(float), &value, sizeof value);
    return value;
}

AAXHostTransportState AAXHostInstance::Impl::transportState() const {
    if (!threaded_)
        return transport_.state();
    AAXHostTransportState state;
    snapshot_->read(snapshotTransport_, &state, sizeof state);
    return state;
}

void AAXHostInstance::Impl::setTransport(const AAXHostTransportState& state) {
    handOver(AAXHostDeliveryRing::Transport, 0, 0, &state, sizeof state);
}

AAX_Result AAXHostInstance::Impl::render(const float* const* inputs, float* const* outputs, int32_t frames) {
    if (threaded_)
        return AAX_ERROR_RENDER_THREAD_RUNNING;
    if (!inputs || !outputs || frames < 1 || frames > kMaxBlockFrames)
        return AAX_ERROR_INVALID_ARGUMENT;
    for (int32_t c = 0; c < inputChannels_; ++c) {
        if (!inputs[c])
            return AAX_ERROR_INVALID_ARGUMENT;
    }
    for (int32_t c = 0; c < outputChannels_; ++c) {
        if (!outputs[c])
            return AAX_ERROR_INVALID_ARGUMENT;
    }
    // The plug-in reads inputs through float* like every channel pointer but
    // must not write them.
    for (int32_t c = 0; c < inputChannels_; ++c)
        inputs_[c] = const_cast<float*>(inputs[c]);
    for (int32_t c = 0; c < outputChannels_; ++c)
        outputs_[c] = outputs[c];
    renderBlock(frames);
    publish(false);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::process(const float* const* inputs, float* const* outputs, int32_t frames) {
    if (threaded_)
        return AAX_ERROR_RENDER_THREAD_RUNNING;
    const int64_t period = static_cast<int64_t>(std::ceil(sampleRate_ * kTimerPeriodSeconds));
    if (timerDue_ || renderedFrames_.load(std::memory_order_relaxed) - framesAtTimer_ >= period)
        timerWakeup();
    return render(inputs, outputs, frames);
}

AAX_Result AAXHostInstance::Impl::timerWakeup() {
    Batch batch(*this);
    timerDue_ = false;
    framesAtTimer_ = renderedFrames_.load(std::memory_order_relaxed);
    if (!directData_)
        return AAX_ERROR_UNIMPLEMENTED;
    return directData_->TimerWakeup(this);
}

AAX_Result AAXHostInstance::Impl::startRenderThread(AAXHostAudioClient& client, int32_t blockFrames) {
    if (threaded_)
        return AAX_ERROR_RENDER_THREAD_RUNNING;
    if (blockFrames < 1 || blockFrames > kMaxBlockFrames)
        return AAX_ERROR_INVALID_ARGUMENT;
    client_ = &client;
    threadFrames_ = blockFrames;
    threadAudio_.assign(static_cast<size_t>(inputChannels_ + outputChannels_) * static_cast<size_t>(blockFrames), 0.0f);
    threadBlock_ = 0;
    renderedBlocks_.store(0, std::memory_order_relaxed);
    if (directData_)
        timerWakeup();
    // The first reads of the main thread find the fields as they are now.
    publish(true);
    const auto period = std::chrono::duration<double>(static_cast<double>(blockFrames) / sampleRate_);
    threaded_ = true;
    if (!renderThread_.start(std::chrono::duration_cast<std::chrono::nanoseconds>(period), &Impl::renderThreadBlock,
                             this)) {
        threaded_ = false;
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    return AAX_SUCCESS;
}

void AAXHostInstance::Impl::stopRenderThread() {
    if (!threaded_)
        return;
    renderThread_.stop();
    threaded_ = false;
    // The main thread renders again: it takes over what the thread left.
    deliveries_->publish();
    deliveries_->drain([this](const AAXHostDeliveryRing::Record& record) { apply(record); });
}

void AAXHostInstance::Impl::renderThreadBlock(void* context) {
    Impl& impl = *static_cast<Impl*>(context);
    const uint64_t delivered =
        impl.deliveries_->drain([&impl](const AAXHostDeliveryRing::Record& record) { impl.apply(record); });
    const AAXHostBlock block{impl.threadBlock_, impl.threadFrames_, delivered};
    float* inputs[8] = {};
    float* outputs[8] = {};
    float* audio = impl.threadAudio_.data();
    for (int32_t c = 0; c < impl.inputChannels_; ++c, audio += impl.threadFrames_)
        inputs[c] = audio;
    for (int32_t c = 0; c < impl.outputChannels_; ++c, audio += impl.threadFrames_)
        outputs[c] = audio;
    impl.client_->fillInput(block, inputs);
    for (int32_t c = 0; c < impl.inputChannels_; ++c)
        impl.inputs_[c] = inputs[c];
    for (int32_t c = 0; c < impl.outputChannels_; ++c)
        impl.outputs_[c] = outputs[c];
    impl.renderBlock(impl.threadFrames_);
    impl.publish(true);
    impl.client_->takeOutput(block, outputs);
    impl.renderedBlocks_.store(++impl.threadBlock_, std::memory_order_release);
}

AAX_Result AAXHostInstance::Impl::fillRecord(const AAXHostChunk& chunk, std::vector<uint64_t>* storage) const {
    if (chunk.data.size() > 0x7FFFFFFF)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    const uint32_t size = static_cast<uint32_t>(chunk.data.size());
    storage->assign((AAX_ChunkRecordSize(size) + sizeof(uint64_t) - 1) / sizeof(uint64_t), 0);
    auto* record = reinterpret_cast<AAX_SPlugInChunk*>(storage->data());
    record->fSize = static_cast<int32_t>(size);
    record->fVersion = chunk.version;
    int32_t value = 0;
    if (component_.property(AAX_eProperty_ManufacturerID, &value))
        record->fManufacturerID = static_cast<AAX_CTypeID>(value);
    if (component_.property(AAX_eProperty_ProductID, &value))
        record->fProductID = static_cast<AAX_CTypeID>(value);
    if (component_.property(AAX_eProperty_PlugInID_Native, &value))
        record->fPlugInID = static_cast<AAX_CTypeID>(value);
    record->fChunkID = chunk.id;
    std::strncpy(record->fName, chunk.name.c_str(), sizeof record->fName - 1);
    if (size > 0)
        std::memcpy(record->fData, chunk.data.data(), size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::setChunk(const AAXHostChunk& chunk) {
    std::vector<uint64_t> storage;
    AAX_Result result = fillRecord(chunk, &storage);
    if (result != AAX_SUCCESS)
        return result;
    Batch batch(*this);
    restoringChunk_ = true;
    result = parameters_->SetChunk(chunk.id, reinterpret_cast<const AAX_SPlugInChunk*>(storage.data()));
    restoringChunk_ = false;
    parameters_->GenerateCoefficients();
    return result;
}

AAX_Result AAXHostInstance::Impl::MainTransport::GetCurrentTempo(double* bpm) const {
    if (!bpm)
        return AAX_ERROR_NULL_OBJECT;
    *bpm = impl_.transportState().tempo;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::MainTransport::GetCurrentTickPosition(int64_t* ticks) const {
    if (!ticks)
        return AAX_ERROR_NULL_OBJECT;
    *ticks = impl_.transportState().tickPosition;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::MainTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    if (!sampleLocation)
        return AAX_ERROR_NULL_OBJECT;
    *sampleLocation = impl_.transportState().sampleLocation;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::MainTransport::IsTransportPlaying(bool* playing) const {
    if (!playing)
        return AAX_ERROR_NULL_OBJECT;
    *playing = impl_.transportState().playing;
    return AAX_SUCCESS;
}
