#include "AAXHostInstanceImpl.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "AAX_Errors.h"
#include "AAX_IEffectDirectData.h"
#include "AAX_IEffectGUI.h"
#include "AAX_IEffectParameters.h"

namespace {

constexpr size_t kFieldAlignment = 64;
constexpr size_t kPendingReserve = 256;

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
    mPending.reserve(kPendingReserve);
    mPendingBytes.reserve(kPendingReserve * 8);

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
                break;
            }
            case AAXHostFieldKind::Meters:
                mMeterIDs = field.meterIDs;
                mMeterTaps.assign(mMeterIDs.size(), 0.0f);
                mMeterValues.assign(mMeterIDs.size(), 0.0f);
                slot = mMeterTaps.data();
                break;
            case AAXHostFieldKind::MIDINode:
                mMIDINodes.push_back(std::make_unique<MIDINode>(
                    field.option == AAX_eMIDINodeType_Transport ? &mTransport : nullptr));
                slot = static_cast<AAX_IMIDINode*>(mMIDINodes.back().get());
                break;
        }
    }
}

AAXHostInstance::Impl::~Impl() {
    // The editor object goes first: it holds on to the parameters object.
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
            *value = mMeterValues[i];
            return AAX_SUCCESS;
        }
    }
    *value = 0.0f;
    return AAX_ERROR_INVALID_ARGUMENT;
}

AAX_Result AAXHostInstance::Impl::PostPacket(AAX_CFieldIndex port, const void* payload, uint32_t payloadSize) {
    if (port < 0 || port > kAAX_MaxFieldIndex || !mIsPort[port]) return AAX_ERROR_INVALID_FIELD_INDEX;
    if (payloadSize > mFieldSize[port] || (payloadSize > 0 && !payload)) return AAX_ERROR_POST_PACKET_FAILED;
    const auto* bytes = static_cast<const unsigned char*>(payload);
    mPending.push_back(Pending{port, static_cast<uint32_t>(mPendingBytes.size()), payloadSize});
    mPendingBytes.insert(mPendingBytes.end(), bytes, bytes + payloadSize);
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
    // Requests the answers raise wait for the next idle, so a plug-in that
    // answers every value with a new request cannot keep the host here.
    std::vector<Request> requests;
    requests.swap(mRequests);
    for (const Request& request : requests) answer(request);
    if (!mEditor) return;
    std::vector<std::string> updates;
    updates.swap(mEditorUpdates);
    for (const std::string& id : updates) mEditor->parameterUpdated(id);
    mEditor->idle();
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
    std::memcpy(mFieldData[field] + offset, buffer, size);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::setSampleRate(double sampleRate) {
    if (!(sampleRate >= kMinSampleRate && sampleRate <= kMaxSampleRate)) return AAX_ERROR_INVALID_ARGUMENT;
    mSampleRate = sampleRate;
    mSampleRateField = static_cast<AAX_CSampleRate>(sampleRate);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::render(const float* const* inputs, float* const* outputs, int32_t frames) {
    if (!inputs || !outputs || frames < 1 || frames > kMaxBlockFrames) return AAX_ERROR_INVALID_ARGUMENT;
    for (int32_t c = 0; c < mInputChannels; ++c) {
        if (!inputs[c]) return AAX_ERROR_INVALID_ARGUMENT;
    }
    for (int32_t c = 0; c < mOutputChannels; ++c) {
        if (!outputs[c]) return AAX_ERROR_INVALID_ARGUMENT;
    }
    // Packets posted since the last block reach their ports first.
    for (const Pending& packet : mPending) {
        unsigned char* port = mFieldData[packet.port];
        std::memcpy(port, mPendingBytes.data() + packet.offset, packet.size);
        std::memset(port + packet.size, 0, mFieldSize[packet.port] - packet.size);
    }
    mPending.clear();
    mPendingBytes.clear();

    // The plug-in reads inputs through float* like every channel pointer but
    // must not write them.
    for (int32_t c = 0; c < mInputChannels; ++c) mInputs[c] = const_cast<float*>(inputs[c]);
    for (int32_t c = 0; c < mOutputChannels; ++c) mOutputs[c] = outputs[c];
    mBufferLength = frames;
    void* const states[1] = {mSlots.data()};
    mComponent.processProc(states, states + 1);

    for (size_t i = 0; i < mMeterTaps.size(); ++i) {
        mMeterValues[i] = mMeterTaps[i];
        mMeterTaps[i] = 0.0f;
    }
    mTransport.advance(frames, mSampleRate);
    mFramesSinceTimer += frames;
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::Impl::process(const float* const* inputs, float* const* outputs, int32_t frames) {
    const int64_t period = static_cast<int64_t>(std::ceil(mSampleRate * kTimerPeriodSeconds));
    if (mTimerDue || mFramesSinceTimer >= period) timerWakeup();
    return render(inputs, outputs, frames);
}

AAX_Result AAXHostInstance::Impl::timerWakeup() {
    mTimerDue = false;
    mFramesSinceTimer = 0;
    if (!mDirectData) return AAX_ERROR_UNIMPLEMENTED;
    return mDirectData->TimerWakeup(this);
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
    mRestoringChunk = true;
    result = mParameters->SetChunk(chunk.id, reinterpret_cast<const AAX_SPlugInChunk*>(storage.data()));
    mRestoringChunk = false;
    mParameters->GenerateCoefficients();
    return result;
}
