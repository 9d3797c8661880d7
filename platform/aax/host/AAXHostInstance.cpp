#include "AAXHostInstance.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "AAXHostInstanceImpl.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_IEffectParameters.h"

namespace {
constexpr uint32_t kMaxChunkSize = 64u * 1024u * 1024u;
constexpr int32_t kMaxChunks = 1024;
}  // namespace

AAXHostInstance::AAXHostInstance(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {}

AAXHostInstance::~AAXHostInstance() = default;

int32_t AAXHostInstance::inputChannels() const { return mImpl->mInputChannels; }
int32_t AAXHostInstance::outputChannels() const { return mImpl->mOutputChannels; }
const AAXHostComponent& AAXHostInstance::component() const { return mImpl->mComponent; }

AAX_Result AAXHostInstance::setSampleRate(double sampleRate) { return mImpl->setSampleRate(sampleRate); }
double AAXHostInstance::sampleRate() const { return mImpl->mSampleRate; }

AAX_Result AAXHostInstance::render(const float* const* inputs, float* const* outputs, int32_t frames) {
    return mImpl->render(inputs, outputs, frames);
}

AAX_Result AAXHostInstance::process(const float* const* inputs, float* const* outputs, int32_t frames) {
    return mImpl->process(inputs, outputs, frames);
}

AAX_Result AAXHostInstance::timerWakeup() { return mImpl->timerWakeup(); }

AAX_Result AAXHostInstance::startRenderThread(AAXHostAudioClient& client, int32_t blockFrames) {
    return mImpl->startRenderThread(client, blockFrames);
}

void AAXHostInstance::stopRenderThread() { mImpl->stopRenderThread(); }
bool AAXHostInstance::isRenderThreadRunning() const { return mImpl->mThreaded; }
int64_t AAXHostInstance::renderedBlocks() const { return mImpl->mRenderedBlocks.load(std::memory_order_acquire); }
uint64_t AAXHostInstance::postedTicket() const { return mImpl->mDeliveries->published(); }

void AAXHostInstance::waitForDelivery(uint64_t ticket) const {
    while (mImpl->mThreaded && mImpl->mDeliveries->delivered() < ticket)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

int32_t AAXHostInstance::meterCount() const { return static_cast<int32_t>(mImpl->mMeterIDs.size()); }

AAX_CTypeID AAXHostInstance::meterID(int32_t position) const {
    if (position < 0 || position >= meterCount()) return 0;
    return mImpl->mMeterIDs[static_cast<size_t>(position)];
}

float AAXHostInstance::meterValue(int32_t position) const {
    if (position < 0 || position >= meterCount()) return 0.0f;
    return mImpl->meterValue(static_cast<size_t>(position));
}

int32_t AAXHostInstance::latency() const { return mImpl->mLatency; }
void AAXHostInstance::setTransport(const AAXHostTransportState& state) { mImpl->setTransport(state); }
AAXHostTransportState AAXHostInstance::transport() const { return mImpl->transportState(); }

int32_t AAXHostInstance::parameterCount() const {
    int32_t count = 0;
    return mImpl->mParameters->GetNumberOfParameters(&count) == AAX_SUCCESS ? count : 0;
}

std::string AAXHostInstance::parameterID(int32_t index) const {
    AAX_CString id;
    return mImpl->mParameters->GetParameterIDFromIndex(index, &id) == AAX_SUCCESS ? id.StdString() : std::string();
}

AAX_Result AAXHostInstance::parameterName(const std::string& id, std::string* name) const {
    if (!name) return AAX_ERROR_NULL_OBJECT;
    AAX_CString text;
    const AAX_Result result = mImpl->mParameters->GetParameterName(id.c_str(), &text);
    if (result == AAX_SUCCESS) *name = text.StdString();
    return result;
}

AAX_Result AAXHostInstance::parameterValue(const std::string& id, double* normalizedValue) const {
    return mImpl->mParameters->GetParameterNormalizedValue(id.c_str(), normalizedValue);
}

AAX_Result AAXHostInstance::parameterString(const std::string& id, double normalizedValue, int32_t maxLength,
                                            std::string* text) const {
    if (!text) return AAX_ERROR_NULL_OBJECT;
    AAX_CString result;
    const AAX_Result status =
        mImpl->mParameters->GetParameterStringFromValue(id.c_str(), normalizedValue, &result, maxLength);
    if (status == AAX_SUCCESS) *text = result.StdString();
    return status;
}

AAX_Result AAXHostInstance::masterBypassID(std::string* id) const {
    if (!id) return AAX_ERROR_NULL_OBJECT;
    AAX_CString text;
    const AAX_Result result = mImpl->mParameters->GetMasterBypassParameter(&text);
    if (result == AAX_SUCCESS) *id = text.StdString();
    return result;
}

AAX_Result AAXHostInstance::touchParameter(const std::string& id) { return mImpl->touch(id, true); }
AAX_Result AAXHostInstance::setParameterValue(const std::string& id, double normalizedValue) {
    return mImpl->update(id, normalizedValue);
}
AAX_Result AAXHostInstance::releaseParameter(const std::string& id) { return mImpl->release(id, true); }

bool AAXHostInstance::isTouched(const std::string& id) const {
    const auto found = mImpl->mTouches.find(id);
    return found != mImpl->mTouches.end() && found->second > 0;
}

void AAXHostInstance::idle() { mImpl->idle(); }
bool AAXHostInstance::hasPendingRequests() const { return !mImpl->mRequests.empty(); }

AAX_Result AAXHostInstance::createEditor() { return mImpl->createEditor(); }
AAXHostEditor* AAXHostInstance::editor() const { return mImpl->mEditor.get(); }
void AAXHostInstance::destroyEditor() { mImpl->destroyEditor(); }

const std::vector<AAXHostGesture>& AAXHostInstance::gestures() const { return mImpl->mGestures; }
void AAXHostInstance::clearGestures() { mImpl->mGestures.clear(); }

AAX_Result AAXHostInstance::chunkIDs(std::vector<AAX_CTypeID>* ids) const {
    if (!ids) return AAX_ERROR_NULL_OBJECT;
    ids->clear();
    int32_t count = 0;
    AAX_Result result = mImpl->mParameters->GetNumberOfChunks(&count);
    if (result != AAX_SUCCESS) return result;
    if (count < 0 || count > kMaxChunks) return AAX_ERROR_INVALID_CHUNK_INDEX;
    for (int32_t i = 0; i < count; ++i) {
        AAX_CTypeID id = 0;
        result = mImpl->mParameters->GetChunkIDFromIndex(i, &id);
        if (result != AAX_SUCCESS) return result;
        ids->push_back(id);
    }
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::getChunk(AAX_CTypeID id, AAXHostChunk* chunk) {
    if (!chunk) return AAX_ERROR_NULL_OBJECT;
    uint32_t size = 0;
    AAX_Result result = mImpl->mParameters->GetChunkSize(id, &size);
    if (result != AAX_SUCCESS) return result;
    if (size > kMaxChunkSize) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    AAXHostChunk request;
    request.id = id;
    request.data.assign(size, 0);
    std::vector<uint64_t> storage;
    result = mImpl->fillRecord(request, &storage);
    if (result != AAX_SUCCESS) return result;
    auto* record = reinterpret_cast<AAX_SPlugInChunk*>(storage.data());
    result = mImpl->mParameters->GetChunk(id, record);
    if (result != AAX_SUCCESS) return result;
    if (record->fSize < 0 || static_cast<uint32_t>(record->fSize) > size) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunk->id = id;
    chunk->version = record->fVersion;
    chunk->name.assign(record->fName, strnlen(record->fName, sizeof record->fName));
    chunk->data.assign(record->fData, record->fData + record->fSize);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::setChunk(const AAXHostChunk& chunk) { return mImpl->setChunk(chunk); }

AAX_Result AAXHostInstance::compareChunk(const AAXHostChunk& chunk, bool* equal) const {
    if (!equal) return AAX_ERROR_NULL_OBJECT;
    std::vector<uint64_t> storage;
    AAX_Result result = mImpl->fillRecord(chunk, &storage);
    if (result != AAX_SUCCESS) return result;
    AAX_CBoolean same = 0;
    result = mImpl->mParameters->CompareActiveChunk(reinterpret_cast<const AAX_SPlugInChunk*>(storage.data()), &same);
    *equal = same != 0;
    return result;
}

AAX_Result AAXHostInstance::getState(std::vector<AAXHostChunk>* chunks) {
    if (!chunks) return AAX_ERROR_NULL_OBJECT;
    std::vector<AAX_CTypeID> ids;
    AAX_Result result = chunkIDs(&ids);
    if (result != AAX_SUCCESS) return result;
    std::vector<AAXHostChunk> state(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        result = getChunk(ids[i], &state[i]);
        if (result != AAX_SUCCESS) return result;
    }
    *chunks = std::move(state);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::setState(const std::vector<AAXHostChunk>& chunks) {
    Impl::Batch batch(*mImpl);
    AAX_Result first = AAX_SUCCESS;
    for (const AAXHostChunk& chunk : chunks) {
        const AAX_Result result = setChunk(chunk);
        if (result != AAX_SUCCESS && first == AAX_SUCCESS) first = result;
    }
    return first;
}

AAX_IEffectParameters* AAXHostInstance::parameters() const { return mImpl->mParameters; }
AAX_IEffectDirectData* AAXHostInstance::directData() const { return mImpl->mDirectData; }
AAX_IPrivateDataAccess& AAXHostInstance::privateData() { return *mImpl; }
