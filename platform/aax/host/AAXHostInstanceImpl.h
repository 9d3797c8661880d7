#pragma once

#include <atomic>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AAXHostDeliveryRing.h"
#include "AAXHostEditor.h"
#include "AAXHostInstance.h"
#include "AAXHostLibrary.h"
#include "AAXHostRenderThread.h"
#include "AAXHostSnapshot.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "AAX_IMIDINode.h"
#include "AAX_IPrivateDataAccess.h"
#include "IACFUnknown.h"

// The inside of an AAXHostInstance: the instance's host interface (controller,
// automation delegate, private-data access), its render state and its render
// thread. Members marked "render side" belong to the render thread while it
// runs and to the main thread otherwise; the rest is the main thread's.
class AAXHostInstance::Impl final : public IACFUnknown,
                                    public AAX_IController,
                                    public AAX_IAutomationDelegate,
                                    public AAX_IPrivateDataAccess {
public:
    Impl(std::shared_ptr<AAXHostLibrary> library, const AAXHostComponent& component, double sampleRate);
    ~Impl();

    // Creates the plug-in's objects and initialises the render state.
    AAX_Result create(const AAXHostEffect& effect);

    // IACFUnknown
    AAX_IHostServices* GetHostServices() override;
    AAX_ICollection* GetCollection() override { return nullptr; }
    AAX_IController* GetController() override { return this; }
    AAX_IAutomationDelegate* GetAutomationDelegate() override { return this; }
    AAX_ITransport* GetTransport() override { return &mainTransport_; }
    AAX_IEffectParameters* GetEffectParameters() override { return parameters_; }

    // AAX_IController
    AAX_Result GetSampleRate(AAX_CSampleRate* sampleRate) const override;
    AAX_Result GetInputStemFormat(AAX_EStemFormat* format) const override;
    AAX_Result GetOutputStemFormat(AAX_EStemFormat* format) const override;
    AAX_Result GetSignalLatency(int32_t* samples) const override;
    AAX_Result SetSignalLatency(int32_t samples) override;
    AAX_Result GetCurrentMeterValue(AAX_CTypeID meterID, float* value) const override;
    AAX_Result PostPacket(AAX_CFieldIndex port, const void* payload, uint32_t payloadSize) override;

    // AAX_IAutomationDelegate
    AAX_Result RegisterParameter(AAX_CParamID id) override;
    AAX_Result UnregisterParameter(AAX_CParamID id) override;
    AAX_Result PostSetValueRequest(AAX_CParamID id, double normalizedValue) override;
    AAX_Result PostTouchRequest(AAX_CParamID id) override;
    AAX_Result PostReleaseRequest(AAX_CParamID id) override;
    AAX_Result GetTouchState(AAX_CParamID id, AAX_CBoolean* touched) override;

    // AAX_IPrivateDataAccess
    AAX_Result ReadPortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size, void* buffer) override;
    AAX_Result WritePortDirect(AAX_CFieldIndex field, uint32_t offset, uint32_t size, const void* buffer) override;

    AAX_Result render(const float* const* inputs, float* const* outputs, int32_t frames);
    AAX_Result process(const float* const* inputs, float* const* outputs, int32_t frames);
    AAX_Result timerWakeup();
    AAX_Result setSampleRate(double sampleRate);
    AAX_Result startRenderThread(AAXHostAudioClient& client, int32_t blockFrames);
    void stopRenderThread();
    float meterValue(size_t position) const;
    AAXHostTransportState transportState() const;
    void setTransport(const AAXHostTransportState& state);
    AAX_Result touch(const std::string& id, bool fromHost);
    AAX_Result release(const std::string& id, bool fromHost);
    AAX_Result update(const std::string& id, double value);
    void idle();
    AAX_Result createEditor();
    void destroyEditor();

    AAX_Result fillRecord(const AAXHostChunk& chunk, std::vector<uint64_t>* storage) const;
    AAX_Result setChunk(const AAXHostChunk& chunk);

    // Aligned, zero-filled memory of one render-state field.
    struct Block {
        void operator()(unsigned char* data) const { std::free(data); }
    };
    typedef std::unique_ptr<unsigned char, Block> Memory;
    static Memory allocate(size_t size);

    class MIDINode final : public AAX_IMIDINode {
    public:
        explicit MIDINode(AAX_ITransport* transport) : transport_(transport) {}
        AAX_CMidiStream* GetNodeBuffer() override { return &stream_; }
        AAX_ITransport* GetTransport() override { return transport_; }

    private:
        AAX_CMidiStream stream_{0, nullptr};
        AAX_ITransport* transport_;
    };

    // The transport as the main thread's proxies see it: the render side's
    // own while nothing renders elsewhere, else as last published.
    class MainTransport final : public AAX_ITransport {
    public:
        explicit MainTransport(const Impl& impl) : impl_(impl) {}
        AAX_Result GetCurrentTempo(double* bpm) const override;
        AAX_Result GetCurrentTickPosition(int64_t* ticks) const override;
        AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const override;
        AAX_Result IsTransportPlaying(bool* playing) const override;

    private:
        const Impl& impl_;
    };

    // Everything handed over to the render thread while one of these lives
    // on the main thread's stack (they nest) is published together.
    class Batch {
    public:
        explicit Batch(Impl& impl) : impl_(impl) { ++impl_.batchDepth_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Impl& impl_;
    };

    // A gesture or set-value request of the plug-in, answered at the next
    // idle in the order it came.
    struct Request {
        AAXHostGesture::Kind kind;
        std::string id;
        double value;
        AAX_EUpdateSource source;
    };
    AAX_Result answer(const Request& request);
    // Tells an attached editor that a parameter changed (at the next idle).
    void noteEditorUpdate(const std::string& id);

    // A packet, private-field write or transport change: applied now when
    // nothing renders elsewhere, else staged for the render thread.
    void handOver(AAXHostDeliveryRing::Kind kind, AAX_CFieldIndex field, uint32_t offset, const void* data,
                  uint32_t size);
    // Render side.
    void apply(const AAXHostDeliveryRing::Record& record);
    void renderBlock(int32_t frames);
    void publish(bool everything);
    static void renderThreadBlock(void* impl);

    std::shared_ptr<AAXHostLibrary> library_;  // released last: the code below lives in it
    AAXHostComponent component_;
    AAX_IEffectParameters* parameters_ = nullptr;
    AAX_IEffectDirectData* directData_ = nullptr;
    AAX_CCreateEffectGUIProc createGUI_ = nullptr;
    std::unique_ptr<AAXHostEditor> editor_;

    // Render state: one slot per field index, and what the slots point at.
    std::vector<void*> slots_;
    std::vector<Memory> memory_;
    unsigned char* fieldData_[kAAX_MaxFieldIndex + 1] = {};
    uint32_t fieldSize_[kAAX_MaxFieldIndex + 1] = {};
    bool isPort_[kAAX_MaxFieldIndex + 1] = {};
    bool isPrivate_[kAAX_MaxFieldIndex + 1] = {};
    float* inputs_[8] = {};
    float* outputs_[8] = {};
    int32_t inputChannels_ = 0;
    int32_t outputChannels_ = 0;
    int32_t bufferLength_ = 0;
    AAX_CSampleRate sampleRateField_ = 0.0f;
    double sampleRate_ = 0.0;
    std::vector<AAX_CFieldIndex> privateFields_;
    std::vector<AAX_CTypeID> meterIDs_;
    std::vector<float> meterTaps_;  // render side
    std::vector<std::unique_ptr<MIDINode>> mIDINodes_;
    AAXHostTransport transport_;  // render side
    MainTransport mainTransport_{*this};

    // Hand-overs to the render thread, and what it publishes after each
    // block: the meter values, the transport and every private field, at
    // these offsets.
    std::unique_ptr<AAXHostDeliveryRing> deliveries_;
    std::unique_ptr<AAXHostSnapshot> snapshot_;
    size_t snapshotTransport_ = 0;
    size_t snapshotField_[kAAX_MaxFieldIndex + 1] = {};
    int32_t batchDepth_ = 0;

    AAXHostRenderThread renderThread_;
    bool threaded_ = false;  // a render thread runs
    AAXHostAudioClient* client_ = nullptr;
    int32_t threadFrames_ = 0;
    std::vector<float> threadAudio_;  // render side: the inputs, then the outputs
    int64_t threadBlock_ = 0;         // render side
    std::atomic<int64_t> renderedBlocks_{0};
    std::atomic<int64_t> renderedFrames_{0};

    int32_t latency_ = 0;
    std::map<std::string, int32_t> touches_;  // registered parameters and their open touches
    std::vector<AAXHostGesture> gestures_;
    std::vector<Request> requests_;
    std::vector<std::string> editorUpdates_;
    bool restoringChunk_ = false;
    int64_t framesAtTimer_ = 0;
    bool timerDue_ = true;
};
