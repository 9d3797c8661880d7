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

size_t snapshotRoom(size_t bytes) { return (bytes + 7) / 8 * 8; }

}  // namespace

AAXHostInstance::Impl::Memory AAXHostInstance::Impl::allocate(size_t size) {
    const size_t rounded = (size + kFieldAlignment - 1) / kFieldAlignment * kFieldAlignment;
    auto* data = static_cast<unsigned char*>(std::aligned_alloc(kFieldAlignment, rounded));
    if (data) std::memset(data, 0, rounded);
    return Memory(data);
}

AAXHostInstance::Impl::Impl(std::shared_ptr<AAXHostLibrary> library, const AAXHostComponent& component,
                            double sampleRate)
    : mLibrary(std::move(library)), mComponent(component) {
    mInputChannels = AAX_STEM_FORMAT_CHANNEL_COUNT(mComponent.inputStemFormat());
    mOutputChannels = AAX_STEM_FORMAT_CHANNEL_COUNT(mComponent.outputStemFormat());
    mSampleRate = sampleRate;
    mSampleRateField = static_cast<AAX_CSampleRate>(sampleRate);

    AAX_CFieldIndex highest = 0;
    for (const AAXHostField& field : mComponent.fields) highest = std::max(highest, field.index);
    mSlots.assign(static_cast<size_t>(highest) + 1, nullptr);
    for (const AAXHostField& field : mComponent.fields) {
        void*& slot = mSlots[static_cast<size_t>(field.index)];
        switch (field.kind) {
            case AAXHostFieldKind::AudioIn: slot = mInputs; break;
            case AAXHostFieldKind::AudioOut: slot = mOutputs; break;
            case AAXHostFieldKind::BufferLength: slot = &mBufferLength; break;
            case AAXHostFieldKind::SampleRate: slot = &mSampleRateField; break;
            case AAXHostFieldKind::DataInPort:
            case AAXHostFieldKind::PrivateData: {
                mMemory.push_back(allocate(field.size));
                unsigned char* data = mMemory.back().get();
                slot = data;
                mFieldData[field.index] = data;
                mFieldSize[field.index] = data ? field.size : 0;
                (field.kind == AAXHostFieldKind::DataInPort ? mIsPort : mIsPrivate)[field.index] = data != nullptr;
                if (data && field.kind == AAXHostFieldKind::PrivateData) mPrivateFields.push_back(field.index);
                break;
            }
            case AAXHostFieldKind::Meters:
                mMeterIDs = field.meterIDs;
                mMeterTaps.assign(mMeterIDs.size(), 0.0f);
                slot = mMeterTaps.data();
                break;
            case AAXHostFieldKind::MIDINode:
                mMIDINodes.push_back(std::make_unique<MIDINode>(
                    field.option == AAX_eMIDINodeType_Transport ? &mTransport : nullptr));
                slot = static_cast<AAX_IMIDINode*>(mMIDINodes.back().get());
                break;
        }
    }

    size_t largest = sizeof(AAXHostTransportState);
    size_t snapshot = snapshotRoom(mMeterTaps.size() * sizeof(float));
    mSnapshotTransport = snapshot;
    snapshot += snapshotRoom(sizeof(AAXHostTransportState));
    for (AAX_CFieldIndex field = 0; field <= kAAX_MaxFieldIndex; ++field) {
        largest = std::max<size_t>(largest, mFieldSize[field]);
        if (!mIsPrivate[field]) continue;
        mSnapshotField[field] = snapshot;
        snapshot += snapshotRoom(mFieldSize[field]);
    }
    mDeliveries = std::make_unique<AAXHostDeliveryRing>(largest);
    mSnapshot = std::make_unique<AAXHostSnapshot>(snapshot);
}

AAXHostInstance::Impl::~Impl() {
    // The render thread ends before anything it renders with goes; the
    // editor object goes next: it holds on to the parameters object.
    stopRenderThread();
    mEditor.reset();
    if (mDirectData) {
        mDirectData->Uninitialize();
        delete mDirectData;
    }
    if (mParameters) {
        mParameters->Uninitialize();
        delete mParameters;
    }
}

AAX_Result AAXHostInstance::Impl::create(const AAXHostEffect& effect) {
    for (const AAXHostField& field : mComponent.fields) {
        if ((field.kind == AAXHostFieldKind::DataInPort || field.kind == AAXHostFieldKind::PrivateData) &&
            !mFieldData[field.index]) {
            return AAX_ERROR_NULL_OBJECT;
        }
    }
    const auto createParameters = effect.procs.find(kAAX_ProcPtrID_Create_EffectParameters);
    if (createParameters == effect.procs.end()) return AAX_ERROR_NULL_OBJECT;
    mParameters = reinterpret_cast<AAX_CCreateEffectParametersProc>(createParameters->second)();
    if (!mParameters) return AAX_ERROR_NULL_OBJECT;
    AAX_Result result = mParameters->Initialize(this);
    if (result != AAX_SUCCESS) return result;
    for (const AAXHostField& field : mComponent.fields) {
        if (field.kind != AAXHostFieldKind::PrivateData) continue;
        result = mParameters->ResetFieldData(field.index, mFieldData[field.index], field.size);
        if (result != AAX_SUCCESS) return result;
    }
    mParameters->GenerateCoefficients();
    const auto createGUI = effect.procs.find(kAAX_ProcPtrID_Create_EffectGUI);
    if (createGUI != effect.procs.end())
        mCreateGUI = reinterpret_cast<AAX_CCreateEffectGUIProc>(createGUI->second);
    const auto createDirectData = effect.procs.find(kAAX_ProcPtrID_Create_EffectDirectData);
    if (createDirectData != effect.procs.end()) {
        mDirectData = reinterpret_cast<AAX_CCreateEffectDirectDataProc>(createDirectData->second)();
        if (!mDirectData) return AAX_ERROR_NULL_OBJECT;
        result = mDirectData->Initialize(this);
    }
    return result;
}

AAX_IHostServices* AAXHostInstance::Impl::GetHostServices() { return &mLibrary->services(); }

AAX_Result AAXHostInstance::Impl::GetSampleRate(AAX_CSampleRate* sampleRate) const {
    if (!sampleRate) return AAX_ERROR_NULL_OBJECT;
    *sampleRate = mSampleRateField;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetInputStemFormat(AAX_EStemFormat* format) const {
    if (!format) return AAX_ERROR_NULL_OBJECT;
    *format = static_cast<AAX_EStemFormat>(mComponent.inputStemFormat());
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetOutputStemFormat(AAX_EStemFormat* format) const {
    if (!format) return AAX_ERROR_NULL_OBJECT;
    *format = static_cast<AAX_EStemFormat>(mComponent.outputStemFormat());
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetSignalLatency(int32_t* samples) const {
    if (!samples) return AAX_ERROR_NULL_OBJECT;
    *samples = mLatency;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::SetSignalLatency(int32_t samples) {
    if (samples < 0) return AAX_ERROR_INVALID_ARGUMENT;
    mLatency = samples;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::GetCurrentMeterValue(AAX_CTypeID meterID, float* value) const {
    if (!value) return AAX_ERROR_NULL_OBJECT;
    for (size_t i = 0; i < mMeterIDs.size(); ++i) {
        if (mMeterIDs[i] == meterID) {
            *value = meterValue(i);
            return AAX_SUCCESS;
        }
    }
    *value = 0.0f;
    return AAX_ERROR_INVALID_ARGUMENT;
}

AAX_Result AAXHostInstance::Impl::PostPacket(AAX_CFieldIndex port, const void* payload, uint32_t payloadSize) {
    if (port < 0 || port > kAAX_MaxFieldIndex || !mIsPort[port]) return AAX_ERROR_INVALID_FIELD_INDEX;
    if (payloadSize > mFieldSize[port] || (payloadSize > 0 && !payload)) return AAX_ERROR_POST_PACKET_FAILED;
    handOver(AAXHostDeliveryRing::Packet, port, 0, payload, payloadSize);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::RegisterParameter(AAX_CParamID id) {
    if (!id) return AAX_ERROR_INVALID_PARAMETER_ID;
    mTouches.emplace(id, 0);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::UnregisterParameter(AAX_CParamID id) {
    if (!id || mTouches.erase(id) == 0) return AAX_ERROR_INVALID_PARAMETER_ID;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::PostSetValueRequest(AAX_CParamID id, double normalizedValue) {
    if (!id || mTouches.count(id) == 0) return AAX_ERROR_INVALID_PARAMETER_ID;
    mGestures.push_back(AAXHostGesture{AAXHostGesture::SetValue, id, normalizedValue});
    mRequests.push_back(Request{AAXHostGesture::SetValue, id, normalizedValue,
                                mRestoringChunk ? AAX_eUpdateSource_Chunk : AAX_eUpdateSource_Unspecified});
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::touch(const std::string& id, bool fromHost) {
    Batch batch(*this);
    const auto found = mTouches.find(id);
    if (found == mTouches.end()) return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!fromHost) {
        mGestures.push_back(AAXHostGesture{AAXHostGesture::Touch, id, 0.0});
        mRequests.push_back(Request{AAXHostGesture::Touch, id, 0.0, AAX_eUpdateSource_Unspecified});
        return AAX_SUCCESS;
    }
    if (found->second++ == 0) mParameters->UpdateParameterTouch(id.c_str(), 1);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::release(const std::string& id, bool fromHost) {
    Batch batch(*this);
    const auto found = mTouches.find(id);
    if (found == mTouches.end()) return AAX_ERROR_INVALID_PARAMETER_ID;
    if (!fromHost) {
        mGestures.push_back(AAXHostGesture{AAXHostGesture::Release, id, 0.0});
        mRequests.push_back(Request{AAXHostGesture::Release, id, 0.0, AAX_eUpdateSource_Unspecified});
        return AAX_SUCCESS;
    }
    if (found->second > 0 && --found->second == 0) mParameters->UpdateParameterTouch(id.c_str(), 0);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::update(const std::string& id, double value) {
    if (!mParameters) return AAX_ERROR_NOT_INITIALIZED;
    Batch batch(*this);
    const AAX_Result result =
        mParameters->UpdateParameterNormalizedValue(id.c_str(), value, AAX_eUpdateSource_Unspecified);
    mParameters->GenerateCoefficients();
    if (result == AAX_SUCCESS) noteEditorUpdate(id);
    return result;
}

AAX_Result AAXHostInstance::Impl::answer(const Request& request) {
    switch (request.kind) {
        case AAXHostGesture::Touch: return touch(request.id, true);
        case AAXHostGesture::Release: return release(request.id, true);
        case AAXHostGesture::SetValue: break;
    }
    const AAX_Result result =
        mParameters->UpdateParameterNormalizedValue(request.id.c_str(), request.value, request.source);
    mParameters->GenerateCoefficients();
    if (result == AAX_SUCCESS) noteEditorUpdate(request.id);
    return result;
}

void AAXHostInstance::Impl::noteEditorUpdate(const std::string& id) {
    if (!mEditor || !mEditor->isAttached()) return;
    for (const std::string& pending : mEditorUpdates) {
        if (pending == id) return;
    }
    mEditorUpdates.push_back(id);
}

void AAXHostInstance::Impl::idle() {
    Batch batch(*this);
    // Requests the answers raise wait for the next idle, so a plug-in that
    // answers every value with a new request cannot keep the host here.
    std::vector<Request> requests;
    requests.swap(mRequests);
    for (const Request& request : requests) answer(request);
    if (mEditor) {
        std::vector<std::string> updates;
        updates.swap(mEditorUpdates);
        for (const std::string& id : updates) mEditor->parameterUpdated(id);
        mEditor->idle();
    }
    if (mThreaded && mDirectData &&
        mRenderedFrames.load(std::memory_order_relaxed) - mFramesAtTimer >=
            static_cast<int64_t>(std::ceil(mSampleRate * kTimerPeriodSeconds))) {
        timerWakeup();
    }
}

AAX_Result AAXHostInstance::Impl::createEditor() {
    if (mEditor) return AAX_SUCCESS;
    if (!mCreateGUI) return AAX_ERROR_UNIMPLEMENTED;
    AAX_IEffectGUI* gui = mCreateGUI();
    if (!gui) return AAX_ERROR_NULL_OBJECT;
    const AAX_Result result = gui->Initialize(this);
    mEditor = std::make_unique<AAXHostEditor>(gui);
    if (result != AAX_SUCCESS) mEditor.reset();
    return result;
}

void AAXHostInstance::Impl::destroyEditor() {
    mEditor.reset();
    mEditorUpdates.clear();
}

AAX_Result AAXHostInstance::Impl::PostTouchRequest(AAX_CParamID id) {
    return id ? touch(id, false) : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAXHostInstance::Impl::PostReleaseRequest(AAX_CParamID id) {
    return id ? release(id, false) : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAXHostInstance::Impl::GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) {
    if (!touched) return AAX_ERROR_NULL_OBJECT;
    const auto found = id ? mTouches.find(id) : mTouches.end();
    if (found == mTouches.end()) return AAX_ERROR_INVALID_PARAMETER_ID;
    *touched = found->second > 0 ? 1 : 0;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::ReadPortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size,
                                                 void* buffer) {
    if (field < 0 || field > kAAX_MaxFieldIndex || !mIsPrivate[field]) {
        return AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS;
    }
    if (static_cast<uint64_t>(offset) + size > mFieldSize[field]) return AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS;
    if (size == 0) return AAX_SUCCESS;
    if (!buffer) return AAX_ERROR_NULL_OBJECT;
    if (mThreaded)
        mSnapshot->read(mSnapshotField[field] + offset, buffer, size);
    else
        std::memcpy(buffer, mFieldData[field] + offset, size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::WritePortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size,
                                                  const void* buffer) {
    if (field < 0 || field > kAAX_MaxFieldIndex || !mIsPrivate[field]) {
        return AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS;
    }
    if (static_cast<uint64_t>(offset) + size > mFieldSize[field]) return AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS;
    if (size == 0) return AAX_SUCCESS;
    if (!buffer) return AAX_ERROR_NULL_OBJECT;
    handOver(AAXHostDeliveryRing::PrivateWrite, field, offset, buffer, size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::setSampleRate(double sampleRate) {
    if (mThreaded) return AAX_ERROR_RENDER_THREAD_RUNNING;
    if (!(sampleRate >= kMinSampleRate && sampleRate <= kMaxSampleRate)) return AAX_ERROR_INVALID_ARGUMENT;
    mSampleRate = sampleRate;
    mSampleRateField = static_cast<AAX_CSampleRate>(sampleRate);
    return AAX_SUCCESS;
}

void AAXHostInstance::Impl::handOver(AAXHostDeliveryRing::Kind kind, AAX_CFieldIndex field, uint32_t offset,
                                     const void* data, uint32_t size) {
    if (!mThreaded) {
        apply(AAXHostDeliveryRing::Record{kind, field, offset, size, static_cast<const unsigned char*>(data)});
        return;
    }
    // A full ring: what is staged goes now, and the main thread waits for
    // the render thread to make room.
    while (!mDeliveries->stage(kind, field, offset, data, size)) {
        mDeliveries->publish();
        std::this_thread::sleep_for(kWaitStep);
    }
    if (mBatchDepth == 0) mDeliveries->publish();
}

AAXHostInstance::Impl::Batch::~Batch() {
    if (--mImpl.mBatchDepth == 0 && mImpl.mThreaded && mImpl.mDeliveries->hasStaged()) mImpl.mDeliveries->publish();
}

void AAXHostInstance::Impl::apply(const AAXHostDeliveryRing::Record& record) {
    switch (record.kind) {
        case AAXHostDeliveryRing::Packet: {
            unsigned char* port = mFieldData[record.field];
            std::memcpy(port, record.data, record.size);
            std::memset(port + record.size, 0, mFieldSize[record.field] - record.size);
            break;
        }
        case AAXHostDeliveryRing::PrivateWrite:
            std::memcpy(mFieldData[record.field] + record.offset, record.data, record.size);
            break;
        case AAXHostDeliveryRing::Transport: {
            AAXHostTransportState state;
            std::memcpy(&state, record.data, sizeof state);
            mTransport.set(state);
            break;
        }
        case AAXHostDeliveryRing::Skip: break;
    }
}

void AAXHostInstance::Impl::renderBlock(int32_t frames) {
    mBufferLength = frames;
    void* const states[1] = {mSlots.data()};
    mComponent.processProc(states, states + 1);
    mTransport.advance(frames, mSampleRate);
    mRenderedFrames.fetch_add(frames, std::memory_order_relaxed);
}

void AAXHostInstance::Impl::publish(bool everything) {
    mSnapshot->beginWrite();
    mSnapshot->write(0, mMeterTaps.data(), mMeterTaps.size() * sizeof(float));
    if (everything) {
        mSnapshot->write(mSnapshotTransport, &mTransport.state(), sizeof(AAXHostTransportState));
        for (AAX_CFieldIndex field : mPrivateFields)
            mSnapshot->write(mSnapshotField[field], mFieldData[field], mFieldSize[field]);
    }
    mSnapshot->endWrite();
    std::fill(mMeterTaps.begin(), mMeterTaps.end(), 0.0f);
}

float AAXHostInstance::Impl::meterValue(size_t position) const {
    float value = 0.0f;
    mSnapshot->read(position * sizeof(float), &value, sizeof value);
    return value;
}

AAXHostTransportState AAXHostInstance::Impl::transportState() const {
    if (!mThreaded) return mTransport.state();
    AAXHostTransportState state;
    mSnapshot->read(mSnapshotTransport, &state, sizeof state);
    return state;
}

void AAXHostInstance::Impl::setTransport(const AAXHostTransportState& state) {
    handOver(AAXHostDeliveryRing::Transport, 0, 0, &state, sizeof state);
}

AAX_Result AAXHostInstance::Impl::render(const float* const* inputs, float* const* outputs, int32_t frames) {
    if (mThreaded) return AAX_ERROR_RENDER_THREAD_RUNNING;
    if (!inputs || !outputs || frames < 1 || frames > kMaxBlockFrames) return AAX_ERROR_INVALID_ARGUMENT;
    for (int32_t c = 0; c < mInputChannels; ++c) {
        if (!inputs[c]) return AAX_ERROR_INVALID_ARGUMENT;
    }
    for (int32_t c = 0; c < mOutputChannels; ++c) {
        if (!outputs[c]) return AAX_ERROR_INVALID_ARGUMENT;
    }
    // The plug-in reads inputs through float* like every channel pointer but
    // must not write them.
    for (int32_t c = 0; c < mInputChannels; ++c) mInputs[c] = const_cast<float*>(inputs[c]);
    for (int32_t c = 0; c < mOutputChannels; ++c) mOutputs[c] = outputs[c];
    renderBlock(frames);
    publish(false);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::process(const float* const* inputs, float* const* outputs, int32_t frames) {
    if (mThreaded) return AAX_ERROR_RENDER_THREAD_RUNNING;
    const int64_t period = static_cast<int64_t>(std::ceil(mSampleRate * kTimerPeriodSeconds));
    if (mTimerDue || mRenderedFrames.load(std::memory_order_relaxed) - mFramesAtTimer >= period) timerWakeup();
    return render(inputs, outputs, frames);
}

AAX_Result AAXHostInstance::Impl::timerWakeup() {
    Batch batch(*this);
    mTimerDue = false;
    mFramesAtTimer = mRenderedFrames.load(std::memory_order_relaxed);
    if (!mDirectData) return AAX_ERROR_UNIMPLEMENTED;
    return mDirectData->TimerWakeup(this);
}

AAX_Result AAXHostInstance::Impl::startRenderThread(AAXHostAudioClient& client, int32_t blockFrames) {
    if (mThreaded) return AAX_ERROR_RENDER_THREAD_RUNNING;
    if (blockFrames < 1 || blockFrames > kMaxBlockFrames) return AAX_ERROR_INVALID_ARGUMENT;
    mClient = &client;
    mThreadFrames = blockFrames;
    mThreadAudio.assign(static_cast<size_t>(mInputChannels + mOutputChannels) * static_cast<size_t>(blockFrames), 0.0f);
    mThreadBlock = 0;
    mRenderedBlocks.store(0, std::memory_order_relaxed);
    if (mDirectData) timerWakeup();
    // The first reads of the main thread find the fields as they are now.
    publish(true);
    const auto period = std::chrono::duration<double>(static_cast<double>(blockFrames) / mSampleRate);
    mThreaded = true;
    if (!mRenderThread.start(std::chrono::duration_cast<std::chrono::nanoseconds>(period), &Impl::renderThreadBlock,
                             this)) {
        mThreaded = false;
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    return AAX_SUCCESS;
}

void AAXHostInstance::Impl::stopRenderThread() {
    if (!mThreaded) return;
    mRenderThread.stop();
    mThreaded = false;
    // The main thread renders again: it takes over what the thread left.
    mDeliveries->publish();
    mDeliveries->drain([this](const AAXHostDeliveryRing::Record& record) { apply(record); });
}

void AAXHostInstance::Impl::renderThreadBlock(void* context) {
    Impl& impl = *static_cast<Impl*>(context);
    const uint64_t delivered =
        impl.mDeliveries->drain([&impl](const AAXHostDeliveryRing::Record& record) { impl.apply(record); });
    const AAXHostBlock block{impl.mThreadBlock, impl.mThreadFrames, delivered};
    float* inputs[8] = {};
    float* outputs[8] = {};
    float* audio = impl.mThreadAudio.data();
    for (int32_t c = 0; c < impl.mInputChannels; ++c, audio += impl.mThreadFrames) inputs[c] = audio;
    for (int32_t c = 0; c < impl.mOutputChannels; ++c, audio += impl.mThreadFrames) outputs[c] = audio;
    impl.mClient->fillInput(block, inputs);
    for (int32_t c = 0; c < impl.mInputChannels; ++c) impl.mInputs[c] = inputs[c];
    for (int32_t c = 0; c < impl.mOutputChannels; ++c) impl.mOutputs[c] = outputs[c];
    impl.renderBlock(impl.mThreadFrames);
    impl.publish(true);
    impl.mClient->takeOutput(block, outputs);
    impl.mRenderedBlocks.store(++impl.mThreadBlock, std::memory_order_release);
}

AAX_Result AAXHostInstance::Impl::fillRecord(const AAXHostChunk& chunk, std::vector<uint64_t>* storage) const {
    if (chunk.data.size() > 0x7FFFFFFF) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    const uint32_t size = static_cast<uint32_t>(chunk.data.size());
    storage->assign((AAX_ChunkRecordSize(size) + sizeof(uint64_t) - 1) / sizeof(uint64_t), 0);
    auto* record = reinterpret_cast<AAX_SPlugInChunk*>(storage->data());
    record->fSize = static_cast<int32_t>(size);
    record->fVersion = chunk.version;
    int32_t value = 0;
    if (mComponent.property(AAX_eProperty_ManufacturerID, &value)) record->fManufacturerID = static_cast<AAX_CTypeID>(value);
    if (mComponent.property(AAX_eProperty_ProductID, &value)) record->fProductID = static_cast<AAX_CTypeID>(value);
    if (mComponent.property(AAX_eProperty_PlugInID_Native, &value)) record->fPlugInID = static_cast<AAX_CTypeID>(value);
    record->fChunkID = chunk.id;
    std::strncpy(record->fName, chunk.name.c_str(), sizeof record->fName - 1);
    if (size > 0) std::memcpy(record->fData, chunk.data.data(), size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::setChunk(const AAXHostChunk& chunk) {
    std::vector<uint64_t> storage;
    AAX_Result result = fillRecord(chunk, &storage);
    if (result != AAX_SUCCESS) return result;
    Batch batch(*this);
    mRestoringChunk = true;
    result = mParameters->SetChunk(chunk.id, reinterpret_cast<const AAX_SPlugInChunk*>(storage.data()));
    mRestoringChunk = false;
    mParameters->GenerateCoefficients();
    return result;
}

AAX_Result AAXHostInstance::Impl::MainTransport::GetCurrentTempo(double* bpm) const {
    if (!bpm) return AAX_ERROR_NULL_OBJECT;
    *bpm = mImpl.transportState().tempo;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::MainTransport::GetCurrentTickPosition(int64_t* ticks) const {
    if (!ticks) return AAX_ERROR_NULL_OBJECT;
    *ticks = mImpl.transportState().tickPosition;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::MainTransport::GetCurrentNativeSampleLocation(int64_t* sampleLocation) const {
    if (!sampleLocation) return AAX_ERROR_NULL_OBJECT;
    *sampleLocation = mImpl.transportState().sampleLocation;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::MainTransport::IsTransportPlaying(bool* playing) const {
    if (!playing) return AAX_ERROR_NULL_OBJECT;
    *playing = mImpl.transportState().playing;
    return AAX_SUCCESS;
}
