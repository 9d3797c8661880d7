#include "HRXBaseParametersController.h"
#include "HRXPresetManager.h"
#include "HRX_AAX_ControllerWrapper.h"
#include "PresetTestSupport.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

namespace {

using Call = RecordingHostParameters::Call;
using Message = std::pair<int32_t, double>;

// Records the change hook; the chunk operations are not used here.
class HookRecorder : public HRXBaseParametersController {
public:
    explicit HookRecorder(HRXMasterController* owner) : HRXBaseParametersController(owner) {}
    void parameterChanged(int32_t index, double value) override { hooked.emplace_back(index, value); }
    int32_t getChunk(uint8_t**) override { return 0; }
    void setChunk(const uint8_t*, int32_t, const void*) override {}
    std::vector<Message> hooked;
};

// The wrapper with every setParameter call it receives recorded.
class TracedController : public HRX_AAX_ControllerWrapper {
public:
    using HRX_AAX_ControllerWrapper::HRX_AAX_ControllerWrapper;
    void setParameter(int32_t index, double value) override {
        traced.emplace_back(index, value);
        HRX_AAX_ControllerWrapper::setParameter(index, value);
    }
    std::vector<Message> traced;
};

class ControllerWrapperTest : public ::testing::Test {
protected:
    ControllerWrapperTest() : controller(&host) {
        hook = new HookRecorder(&controller);
        controller.attach(hook);
        manager = controller.getPresetManager();
        host.calls.clear();
        controller.traced.clear();
        hook->hooked.clear();
    }

    std::vector<Call> gesture(int32_t index, double value) {
        const char* id = parameterIdTable[index];
        return {{"touch", id, 0.0}, {"set", id, value}, {"release", id, 0.0}};
    }

    TemporaryUserHome home;
    ManualClock clock;
    RecordingHostParameters host;
    RecordingEditor editor;
    TracedController controller;
    HookRecorder* hook = nullptr;
    HRXPresetManager* manager = nullptr;
};

TEST_F(ControllerWrapperTest, StartsFromTheDefaultPresetAndEmptyMailbox) {
    const double expected[12] = {1.0, 0.0, 0.5, 0.5, 0.5, 0.5, 0.15, 0.5, 0.0, 0.0, 0.0, 0.0};
    for (int32_t i = 0; i < 12; ++i)
        EXPECT_EQ(controller.getValue(i), expected[i]) << i;
    EXPECT_EQ(controller.getValue(13), 0.0);
    EXPECT_EQ(controller.getValue(20), 0.5);
    for (int32_t i = 0; i < 29; ++i)
        EXPECT_EQ(controller.getMailboxValue(i), -1.0);
    EXPECT_FALSE(controller.isMailboxPending());
    EXPECT_EQ(controller.getParametersController(), hook);
    ASSERT_NE(manager, nullptr);
}

TEST_F(ControllerWrapperTest, HostValueIsClampedButManagerAndStoreGetTheValueAsSet) {
    controller.setParameter(5, 1.7);
    EXPECT_EQ(host.calls, gesture(5, 1.0));
    EXPECT_EQ(controller.getValue(5), 1.7);
    EXPECT_EQ(manager->getActiveCurrent()->values[5], 1.0f);  // the manager clamps what it records
    EXPECT_EQ(*manager->getActiveModified(), 1);
    EXPECT_EQ(hook->hooked, (std::vector<Message>{{5, 1.7}}));
}

TEST_F(ControllerWrapperTest, InternalSlotGoesToEditorAndMailboxWithoutHostCall) {
    controller.setEditor(&editor);
    controller.setParameter(20, 0.3);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(editor.received, (std::vector<Message>{{20, 0.3}}));
    EXPECT_EQ(controller.getMailboxValue(20), 0.3);
    EXPECT_TRUE(controller.isMailboxPending());
    EXPECT_EQ(controller.getValue(20), 0.3);

    double drained[29];
    controller.takeMailbox(drained);
    EXPECT_EQ(drained[20], 0.3);
    EXPECT_EQ(controller.getMailboxValue(20), -1.0);
    EXPECT_FALSE(controller.isMailboxPending());
}

TEST_F(ControllerWrapperTest, MessagesReachOnlyTheEditor) {
    controller.setParameter(59, 1.5);  // no editor yet
    controller.setEditor(&editor);
    controller.setParameter(59, 1.5);
    EXPECT_TRUE(editor.received.empty());

    controller.setParameter(29, 12.0);
    EXPECT_EQ(editor.received, (std::vector<Message>{{29, 12.0}}));
    EXPECT_FALSE(controller.isMailboxPending());

    controller.setParameter(-1, 0.5);
    EXPECT_EQ(hook->hooked.back(), Message(-1, 0.5));
    EXPECT_EQ(editor.received.size(), 1u);
    EXPECT_TRUE(host.calls.empty());
    for (int32_t i = 0; i < 29; ++i)
        EXPECT_EQ(controller.getMailboxValue(i), -1.0);
}

TEST_F(ControllerWrapperTest, EditorGroupIsReplayedFromHostEchoesStepByStep) {
    controller.setEditor(&editor);
    controller.editParameter(70, 1.0);
    EXPECT_TRUE(controller.isEditRecordingSuppressed());
    controller.editParameter(2, 0.5);
    controller.editParameter(3, 0.5);
    controller.editParameter(4, 0.5);
    EXPECT_EQ(controller.getGroupCount(), 3);
    controller.editParameter(71, 1.0);
    EXPECT_EQ(controller.getGroupSize(), 2);  // four counted calls - 2
    std::vector<Call> expected = gesture(2, 0.5);
    for (int32_t index : {3, 4}) {
        const std::vector<Call> more = gesture(index, 0.5);
        expected.insert(expected.end(), more.begin(), more.end());
    }
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(editor.received, (std::vector<Message>{{70, 1.0}, {71, 1.0}}));
    EXPECT_TRUE(controller.traced.empty());  // values wait for the host

    controller.hostEcho(2, 0.5);
    EXPECT_EQ(controller.traced, (std::vector<Message>{{70, 1.0}, {2, 0.5}}));
    EXPECT_TRUE(controller.isEditRecordingSuppressed());
    controller.hostEcho(3, 0.5);
    EXPECT_TRUE(controller.isEditRecordingSuppressed());
    controller.hostEcho(4, 0.5);
    EXPECT_EQ(controller.traced, (std::vector<Message>{{70, 1.0}, {2, 0.5}, {3, 0.5}, {4, 0.5}, {71, 1.0}}));
    EXPECT_FALSE(controller.isEditRecordingSuppressed());
    EXPECT_EQ(controller.getGroupSize(), 0);
    EXPECT_EQ(controller.getValue(4), 0.5);
    // The replay's 70 and 71 reach the editor too.
    EXPECT_EQ(editor.received.back(), Message(71, 1.0));
    EXPECT_EQ(editor.received.size(), 4u);
}

TEST_F(ControllerWrapperTest, EditsInsideAGroupAreNotRecorded) {
    controller.editParameter(70, 1.0);
    controller.editParameter(5, 0.9);
    controller.editParameter(6, 0.9);
    controller.editParameter(7, 0.9);
    controller.editParameter(71, 1.0);
    controller.hostEcho(5, 0.9);
    controller.hostEcho(6, 0.9);
    EXPECT_EQ(manager->getActiveCurrent()->values[5], 0.5f);
    controller.hostEcho(7, 0.9);
    // The last echo is sent before suppression ends.
    EXPECT_EQ(manager->getActiveCurrent()->values[7], 0.5f);
    EXPECT_EQ(manager->head, 0);
}

TEST_F(ControllerWrapperTest, ShortEditorGroupEndsSuppressionAtOnce) {
    controller.editParameter(70, 1.0);
    controller.editParameter(5, 0.9);
    controller.editParameter(71, 1.0);  // two counted calls: group size 0
    EXPECT_FALSE(controller.isEditRecordingSuppressed());
    controller.hostEcho(5, 0.9);
    EXPECT_EQ(controller.traced, (std::vector<Message>{{5, 0.9}}));
    EXPECT_EQ(manager->getActiveCurrent()->values[5], 0.9f);
    EXPECT_EQ(manager->head, 1);  // the edit entered the history

    controller.editParameter(70, 1.0);
    controller.editParameter(71, 1.0);  // empty group
    EXPECT_FALSE(controller.isEditRecordingSuppressed());
}

TEST_F(ControllerWrapperTest, EditorEntryStoresInternalSlotsAndNotifiesEvenZoom) {
    controller.setEditor(&editor);
    controller.editParameter(59, 1.25);
    controller.editParameter(93, 1.0);
    controller.editParameter(14, 0.25);
    EXPECT_EQ(editor.received, (std::vector<Message>{{59, 1.25}, {93, 1.0}, {14, 0.25}}));
    EXPECT_EQ(controller.getMailboxValue(14), 0.25);
    EXPECT_EQ(controller.getValue(14), 0.25);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(ControllerWrapperTest, ChangeHookDoesNotRecurse) {
    class Reentrant : public HRXBaseParametersController {
    public:
        explicit Reentrant(HRXMasterController* owner) : HRXBaseParametersController(owner) {}
        void parameterChanged(int32_t index, double value) override {
            ++calls;
            owner->setParameter(index + 1, value);
        }
        int32_t getChunk(uint8_t**) override { return 0; }
        void setChunk(const uint8_t*, int32_t, const void*) override {}
        int calls = 0;
    };
    Reentrant* reentrant = new Reentrant(&controller);
    controller.attach(reentrant);
    controller.setParameter(20, 0.1);
    EXPECT_EQ(reentrant->calls, 1);
    EXPECT_EQ(controller.getValue(21), 0.1);
}

TEST_F(ControllerWrapperTest, SettingsTravelThroughTheGlobalStore) {
    controller.storeSetting(57, 0.0);
    double hints = 1.0;
    controller.loadSetting(57, &hints);
    EXPECT_EQ(hints, 0.0);
    double missing = 0.42;
    controller.loadSetting(58, &missing);
    EXPECT_EQ(missing, 0.42);
}

}  // namespace
