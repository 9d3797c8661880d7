#include "HRXBaseParametersController.h"
#include "HRXPresetManager.h"
#include "PresetTestSupport.h"
#include "TracedController.h"
#include "velvaTonParameters.h"

#include <gtest/gtest.h>

namespace {

using Call = RecordingHostParameters::Call;
using Message = std::pair<int32_t, double>;

// Records the change hook; the chunk operations are not used here.
class HookRecorder : public HRXBaseParametersController {
public:
    explicit HookRecorder(HRXMasterController* owner) : HRXBaseParametersController(owner) {}
    void parameterChanged(int32_t index, double value) override {
        hooked.emplace_back(index, value);
        if (reenter)
            owner->setParameter(index + 1, value);
    }
    int32_t getChunk(uint8_t**) override { return 0; }
    void setChunk(const uint8_t*, int32_t, const void*) override {}
    std::vector<Message> hooked;
    bool reenter = false;
};

class ControllerWrapperTest : public ::testing::Test {
protected:
    ControllerWrapperTest() : controller(&host), hook(new HookRecorder(&controller)) {
        controller.attach(hook);
        manager = controller.getPresetManager();
        host.calls.clear();
        controller.traced.clear();
        hook->hooked.clear();
    }
    // The host calls of one forwarded value, appended for each index.
    std::vector<Call> gestures(std::initializer_list<int32_t> indexes, double value) {
        std::vector<Call> calls;
        for (int32_t index : indexes) {
            const char* id = parameterIdTable[index];
            calls.insert(calls.end(), {{"touch", id, 0.0}, {"set", id, value}, {"release", id, 0.0}});
        }
        return calls;
    }
    bool mailboxEmpty() {
        for (int32_t i = 0; i < 29; ++i)
            if (controller.getMailboxValue(i) != -1.0)
                return false;
        return !controller.isMailboxPending();
    }

    TemporaryUserHome home;
    ManualClock clock;
    RecordingHostParameters host;
    RecordingEditor editor;
    TracedController controller;
    HookRecorder* hook;
    HRXPresetManager* manager = nullptr;
};

TEST_F(ControllerWrapperTest, StartsFromTheDefaultPresetAndEmptyMailbox) {
    const double expected[12] = {1.0, 0.0, 0.5, 0.5, 0.5, 0.5, 0.15, 0.5, 0.0, 0.0, 0.0, 0.0};
    for (int32_t i = 0; i < 12; ++i)
        EXPECT_EQ(controller.getValue(i), expected[i]) << i;
    EXPECT_EQ(controller.getValue(13), 0.0);
    EXPECT_EQ(controller.getValue(20), 0.5);
    EXPECT_TRUE(mailboxEmpty());
    ASSERT_NE(manager, nullptr);
}

TEST_F(ControllerWrapperTest, HostValueIsClampedButManagerAndStoreGetTheValueAsSet) {
    controller.setParameter(5, 1.7);
    EXPECT_EQ(host.calls, gestures({5}, 1.0));
    EXPECT_EQ(controller.getValue(5), 1.7);
    EXPECT_EQ(manager->getActiveCurrent()->values[5], 1.0f);  // the manager clamps what it records
    EXPECT_EQ(*manager->getActiveModified(), 1);
    EXPECT_EQ(hook->hooked, (std::vector<Message>{{5, 1.7}}));
}

TEST_F(ControllerWrapperTest, InternalSlotsAndMessagesNeverReachTheHost) {
    controller.setParameter(59, 1.5);  // no editor yet: nowhere to go
    controller.setEditor(&editor);
    controller.setParameter(59, 1.5);  // zoom: not to the editor from setParameter
    controller.setParameter(29, 12.0);  // a message: editor only
    controller.setParameter(-1, 0.5);   // only the change hook
    EXPECT_EQ(hook->hooked.back(), Message(-1, 0.5));
    EXPECT_TRUE(mailboxEmpty());
    controller.setParameter(20, 0.3);
    EXPECT_EQ(controller.getMailboxValue(20), 0.3);
    EXPECT_TRUE(controller.isMailboxPending());
    EXPECT_EQ(controller.getValue(20), 0.3);
    double drained[29];
    controller.takeMailbox(drained);
    EXPECT_EQ(drained[20], 0.3);
    EXPECT_TRUE(mailboxEmpty());

    // The editor entry notifies even zoom, and stores internal slots.
    controller.editParameter(59, 1.25);
    controller.editParameter(93, 1.0);
    controller.editParameter(14, 0.25);
    EXPECT_EQ(controller.getMailboxValue(14), 0.25);
    EXPECT_EQ(controller.getValue(14), 0.25);
    EXPECT_EQ(editor.received, (std::vector<Message>{{29, 12.0}, {20, 0.3}, {59, 1.25}, {93, 1.0}, {14, 0.25}}));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(ControllerWrapperTest, EditorGroupIsReplayedFromHostEchoesStepByStep) {
    controller.setEditor(&editor);
    controller.editParameter(70, 1.0);
    EXPECT_TRUE(controller.isEditRecordingSuppressed());
    for (int32_t index : {2, 3, 4})
        controller.editParameter(index, 0.9);
    EXPECT_EQ(controller.getGroupCount(), 3);
    controller.editParameter(71, 1.0);
    EXPECT_EQ(controller.getGroupSize(), 2);  // four counted calls - 2
    EXPECT_EQ(host.calls, gestures({2, 3, 4}, 0.9));
    EXPECT_EQ(editor.received, (std::vector<Message>{{70, 1.0}, {71, 1.0}}));
    EXPECT_TRUE(controller.traced.empty());  // values wait for the host

    controller.hostEcho(2, 0.9);
    EXPECT_EQ(controller.traced, (std::vector<Message>{{70, 1.0}, {2, 0.9}}));
    EXPECT_TRUE(controller.isEditRecordingSuppressed());
    controller.hostEcho(3, 0.9);
    EXPECT_TRUE(controller.isEditRecordingSuppressed());
    controller.hostEcho(4, 0.9);
    EXPECT_EQ(controller.traced, (std::vector<Message>{{70, 1.0}, {2, 0.9}, {3, 0.9}, {4, 0.9}, {71, 1.0}}));
    EXPECT_FALSE(controller.isEditRecordingSuppressed());
    EXPECT_EQ(controller.getGroupSize(), 0);
    EXPECT_EQ(controller.getValue(4), 0.9);
    EXPECT_EQ(editor.received.back(), Message(71, 1.0));  // the replay's 70 and 71 reach the editor too
    EXPECT_EQ(editor.received.size(), 4u);
    // Nothing of the group was recorded, the last echo included.
    EXPECT_EQ(manager->getActiveCurrent()->values[2], 0.5f);
    EXPECT_EQ(manager->getActiveCurrent()->values[4], 0.5f);
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

TEST_F(ControllerWrapperTest, ChangeHookDoesNotRecurse) {
    hook->reenter = true;
    controller.setParameter(20, 0.1);
    EXPECT_EQ(hook->hooked, (std::vector<Message>{{20, 0.1}}));
    EXPECT_EQ(controller.getValue(21), 0.1);
}

}  // namespace
