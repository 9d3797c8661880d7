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
    AAX_ITransport* GetTransport() override { return &mMainTransport; }
    AAX_IEffectParameters* GetEffectParameters() override { return mParameters; }

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
        explicit MIDINode(AAX_ITransport* transport) : mTransport(transport) {}
        AAX_CMidiStream* GetNodeBuffer() override { return &mStream; }
        AAX_ITransport* GetTransport() override { return mTransport; }

    private:
        AAX_CMidiStream mStream{0, nullptr};
        AAX_ITransport* mTransport;
    };

    // The transport as the main thread's proxies see it: the render side's
    // own while nothing renders elsewhere, else as last published.
    class MainTransport final : public AAX_ITransport {
    public:
        explicit MainTransport(const Impl& impl) : mImpl(impl) {}
        AAX_Result GetCurrentTempo(double* bpm) const override;
        AAX_Result GetCurrentTickPosition(int64_t* ticks) const override;
        AAX_Result GetCurrentNativeSampleLocation(int64_t* sampleLocation) const override;
        AAX_Result IsTransportPlaying(bool* playing) const override;

    private:
        const Impl& mImpl;
    };

    // Everything handed over to the render thread while one of these lives
    // on the main thread's stack (they nest) is published together.
    class Batch {
    public:
        explicit Batch(Impl& impl) : mImpl(impl) { ++mImpl.mBatchDepth; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Impl& mImpl;
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

    std::shared_ptr<AAXHostLibrary> mLibrary;  // released last: the code below lives in it
    AAXHostComponent mComponent;
    AAX_IEffectParameters* mParameters = nullptr;
    AAX_IEffectDirectData* mDirectData = nullptr;
    AAX_CCreateEffectGUIProc mCreateGUI = nullptr;
    std::unique_ptr<AAXHostEditor> mEditor;

    // Render state: one slot per field index, and what the slots point at.
    std::vector<void*> mSlots;
    std::vector<Memory> mMemory;
    unsigned char* mFieldData[kAAX_MaxFieldIndex + 1] = {};
    uint32_t mFieldSize[kAAX_MaxFieldIndex + 1] = {};
    bool mIsPort[kAAX_MaxFieldIndex + 1] = {};
    bool mIsPrivate[kAAX_MaxFieldIndex + 1] = {};
    float* mInputs[8] = {};
    float* mOutputs[8] = {};
    int32_t mInputChannels = 0;
    int32_t mOutputChannels = 0;
    int32_t mBufferLength = 0;
    AAX_CSampleRate mSampleRateField = 0.0f;
    double mSampleRate = 0.0;
    std::vector<AAX_CFieldIndex> mPrivateFields;
    std::vector<AAX_CTypeID> mMeterIDs;
    std::vector<float> mMeterTaps;  // render side
    std::vector<std::unique_ptr<MIDINode>> mMIDINodes;
    AAXHostTransport mTransport;  // render side
    MainTransport mMainTransport{*this};

    // Hand-overs to the render thread, and what it publishes after each
    // block: the meter values, the transport and every private field, at
    // these offsets.
    std::unique_ptr<AAXHostDeliveryRing> mDeliveries;
    std::unique_ptr<AAXHostSnapshot> mSnapshot;
    size_t mSnapshotTransport = 0;
    size_t mSnapshotField[kAAX_MaxFieldIndex + 1] = {};
    int32_t mBatchDepth = 0;

    AAXHostRenderThread mRenderThread;
    bool mThreaded = false;  // a render thread runs
    AAXHostAudioClient* mClient = nullptr;
    int32_t mThreadFrames = 0;
    std::vector<float> mThreadAudio;  // render side: the inputs, then the outputs
    int64_t mThreadBlock = 0;         // render side
    std::atomic<int64_t> mRenderedBlocks{0};
    std::atomic<int64_t> mRenderedFrames{0};

    int32_t mLatency = 0;
    std::map<std::string, int32_t> mTouches;  // registered parameters and their open touches
    std::vector<AAXHostGesture> mGestures;
    std::vector<Request> mRequests;
    std::vector<std::string> mEditorUpdates;
    bool mRestoringChunk = false;
    int64_t mFramesAtTimer = 0;
    bool mTimerDue = true;
};
