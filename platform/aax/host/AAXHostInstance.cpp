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

AAXHostInstance::AAXHostInstance(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

AAXHostInstance::~AAXHostInstance() = default;

int32_t AAXHostInstance::inputChannels() const {
    return impl_->inputChannels_;
}
int32_t AAXHostInstance::outputChannels() const {
    return impl_->outputChannels_;
}
const AAXHostComponent& AAXHostInstance::component() const {
    return impl_->component_;
}

AAX_Result AAXHostInstance::setSampleRate(double sampleRate) {
    return impl_->setSampleRate(sampleRate);
}
double AAXHostInstance::sampleRate() const {
    return impl_->sampleRate_;
}

AAX_Result AAXHostInstance::render(const float* const* inputs, float* const* outputs, int32_t frames) {
    return impl_->render(inputs, outputs, frames);
}

AAX_Result AAXHostInstance::process(const float* const* inputs, float* const* outputs, int32_t frames) {
    return impl_->process(inputs, outputs, frames);
}

AAX_Result AAXHostInstance::timerWakeup() {
    return impl_->timerWakeup();
}

AAX_Result AAXHostInstance::startRenderThread(AAXHostAudioClient& client, int32_t blockFrames) {
    return impl_->startRenderThread(client, blockFrames);
}

void AAXHostInstance::stopRenderThread() {
    impl_->stopRenderThread();
}
bool AAXHostInstance::isRenderThreadRunning() const {
    return impl_->threaded_;
}
int64_t AAXHostInstance::renderedBlocks() const {
    return impl_->renderedBlocks_.load(std::memory_order_acquire);
}
uint64_t AAXHostInstance::postedTicket() const {
    return impl_->deliveries_->published();
}

void AAXHostInstance::waitForDelivery(uint64_t ticket) const {
    while (impl_->threaded_ && impl_->deliveries_->delivered() < ticket)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

int32_t AAXHostInstance::meterCount() const {
    return static_cast<int32_t>(impl_->meterIDs_.size());
}

AAX_CTypeID AAXHostInstance::meterID(int32_t position) const {
    if (position < 0 || position >= meterCount())
        return 0;
    return impl_->meterIDs_[static_cast<size_t>(position)];
}

float AAXHostInstance::meterValue(int32_t position) const {
    if (position < 0 || position >= meterCount())
        return 0.0f;
    return impl_->meterValue(static_cast<size_t>(position));
}

int32_t AAXHostInstance::latency() const {
    return impl_->latency_;
}
void AAXHostInstance::setTransport(const AAXHostTransportState& state) {
    impl_->setTransport(state);
}
AAXHostTransportState AAXHostInstance::transport() const {
    return impl_->transportState();
}

int32_t AAXHostInstance::parameterCount() const {
    int32_t count = 0;
    return impl_->parameters_->GetNumberOfParameters(&count) == AAX_SUCCESS ? count : 0;
}

std::string AAXHostInstance::parameterID(int32_t index) const {
    AAX_CString id;
    return impl_->parameters_->GetParameterIDFromIndex(index, &id) == AAX_SUCCESS ? id.StdString() : std::string();
}

AAX_Result AAXHostInstance::parameterName(const std::string& id, std::string* name) const {
    if (!name)
        return AAX_ERROR_NULL_OBJECT;
    AAX_CString text;
    const AAX_Result result = impl_->parameters_->GetParameterName(id.c_str(), &text);
    if (result == AAX_SUCCESS)
        *name = text.StdString();
    return result;
}

AAX_Result AAXHostInstance::parameterValue(const std::string& id, double* normalizedValue) const {
    return impl_->parameters_->GetParameterNormalizedValue(id.c_str(), normalizedValue);
}

AAX_Result AAXHostInstance::parameterString(const std::string& id, double normalizedValue, int32_t maxLength,
                                            std::string* text) const {
    if (!text)
        return AAX_ERROR_NULL_OBJECT;
    AAX_CString result;
    const AAX_Result status =
        impl_->parameters_->GetParameterStringFromValue(id.c_str(), normalizedValue, &result, maxLength);
    if (status == AAX_SUCCESS)
        *text = result.StdString();
    return status;
}

AAX_Result AAXHostInstance::masterBypassID(std::string* id) const {
    if (!id)
        return AAX_ERROR_NULL_OBJECT;
    AAX_CString text;
    const AAX_Result result = impl_->parameters_->GetMasterBypassParameter(&text);
    if (result == AAX_SUCCESS)
        *id = text.StdString();
    return result;
}

AAX_Result AAXHostInstance::touchParameter(const std::string& id) {
    return impl_->touch(id, true);
}
AAX_Result AAXHostInstance::setParameterValue(const std::string& id, double normalizedValue) {
    return impl_->update(id, normalizedValue);
}
AAX_Result AAXHostInstance::releaseParameter(const std::string& id) {
    return impl_->release(id, true);
}

bool AAXHostInstance::isTouched(const std::string& id) const {
    const auto found = impl_->touches_.find(id);
    return found != impl_->touches_.end() && found->second > 0;
}

void AAXHostInstance::idle() {
    impl_->idle();
}
bool AAXHostInstance::hasPendingRequests() const {
    return !impl_->requests_.empty();
}

AAX_Result AAXHostInstance::createEditor() {
    return impl_->createEditor();
}
AAXHostEditor* AAXHostInstance::editor() const {
    return impl_->editor_.get();
}
void AAXHostInstance::destroyEditor() {
    impl_->destroyEditor();
}

const std::vector<AAXHostGesture>& AAXHostInstance::gestures() const {
    return impl_->gestures_;
}
void AAXHostInstance::clearGestures() {
    impl_->gestures_.clear();
}

AAX_Result AAXHostInstance::chunkIDs(std::vector<AAX_CTypeID>* ids) const {
    if (!ids)
        return AAX_ERROR_NULL_OBJECT;
    ids->clear();
    int32_t count = 0;
    AAX_Result result = impl_->parameters_->GetNumberOfChunks(&count);
    if (result != AAX_SUCCESS)
        return result;
    if (count < 0 || count > kMaxChunks)
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    for (int32_t i = 0; i < count; ++i) {
        AAX_CTypeID id = 0;
        result = impl_->parameters_->GetChunkIDFromIndex(i, &id);
        if (result != AAX_SUCCESS)
            return result;
        ids->push_back(id);
    }
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::getChunk(AAX_CTypeID id, AAXHostChunk* chunk) {
    if (!chunk)
        return AAX_ERROR_NULL_OBJECT;
    uint32_t size = 0;
    AAX_Result result = impl_->parameters_->GetChunkSize(id, &size);
    if (result != AAX_SUCCESS)
        return result;
    if (size > kMaxChunkSize)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    AAXHostChunk request;
    request.id = id;
    request.data.assign(size, 0);
    std::vector<uint64_t> storage;
    result = impl_->fillRecord(request, &storage);
    if (result != AAX_SUCCESS)
        return result;
    auto* record = reinterpret_cast<AAX_SPlugInChunk*>(storage.data());
    result = impl_->parameters_->GetChunk(id, record);
    if (result != AAX_SUCCESS)
        return result;
    if (record->fSize < 0 || static_cast<uint32_t>(record->fSize) > size)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    chunk->id = id;
    chunk->version = record->fVersion;
    chunk->name.assign(record->fName, strnlen(record->fName, sizeof record->fName));
    chunk->data.assign(record->fData, record->fData + record->fSize);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::setChunk(const AAXHostChunk& chunk) {
    return impl_->setChunk(chunk);
}

AAX_Result AAXHostInstance::compareChunk(const AAXHostChunk& chunk, bool* equal) const {
    if (!equal)
        return AAX_ERROR_NULL_OBJECT;
    std::vector<uint64_t> storage;
    AAX_Result result = impl_->fillRecord(chunk, &storage);
    if (result != AAX_SUCCESS)
        return result;
    AAX_CBoolean same = 0;
    result = impl_->parameters_->CompareActiveChunk(reinterpret_cast<const AAX_SPlugInChunk*>(storage.data()), &same);
    *equal = same != 0;
    return result;
}

AAX_Result AAXHostInstance::getState(std::vector<AAXHostChunk>* chunks) {
    if (!chunks)
        return AAX_ERROR_NULL_OBJECT;
    std::vector<AAX_CTypeID> ids;
    AAX_Result result = chunkIDs(&ids);
    if (result != AAX_SUCCESS)
        return result;
    std::vector<AAXHostChunk> state(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        result = getChunk(ids[i], &state[i]);
        if (result != AAX_SUCCESS)
            return result;
    }
    *chunks = std::move(state);
    return AAX_SUCCESS;
}

AAX_Result AAXHostInstance::setState(const std::vector<AAXHostChunk>& chunks) {
    Impl::Batch batch(*impl_);
    AAX_Result first = AAX_SUCCESS;
    for (const AAXHostChunk& chunk : chunks) {
        const AAX_Result result = setChunk(chunk);
        if (result != AAX_SUCCESS && first == AAX_SUCCESS)
            first = result;
    }
    return first;
}

AAX_IEffectParameters* AAXHostInstance::parameters() const {
    return impl_->parameters_;
}
AAX_IEffectDirectData* AAXHostInstance::directData() const {
    return impl_->directData_;
}
AAX_IPrivateDataAccess& AAXHostInstance::privateData() {
    return *impl_;
}
