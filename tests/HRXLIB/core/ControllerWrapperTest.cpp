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
            owner_->setParameter(index + 1, value);
    }
    int32_t getChunk(uint8_t**) override { return 0; }
    void setChunk(const uint8_t*, int32_t, const void*) override {}
    std::vector<Message> hooked;
    bool reenter = false;
};

class ControllerWrapperTest : public ::testing::Test {
protected:
    ControllerWrapperTest() : controller_(&host_), hook_(new HookRecorder(&controller_)) {
        controller_.attach(hook_);
        manager_ = controller_.getPresetManager();
        host_.calls.clear();
        controller_.traced.clear();
        hook_->hooked.clear();
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
            if (controller_.getMailboxValue(i) != -1.0)
                return false;
        return !controller_.isMailboxPending();
    }

    TemporaryUserHome home_;
    ManualClock clock_;
    RecordingHostParameters host_;
    RecordingEditor editor_;
    TracedController controller_;
    HookRecorder* hook_;
    HRXPresetManager* manager_ = nullptr;
};

TEST_F(ControllerWrapperTest, StartsFromTheDefaultPresetAndEmptyMailbox) {
    const double expected[12] = {1.0, 0.0, 0.5, 0.5, 0.5, 0.5, 0.15, 0.5, 0.0, 0.0, 0.0, 0.0};
    for (int32_t i = 0; i < 12; ++i)
        EXPECT_EQ(controller_.getValue(i), expected[i]) << i;
    EXPECT_EQ(controller_.getValue(13), 0.0);
    EXPECT_EQ(controller_.getValue(20), 0.5);
    EXPECT_TRUE(mailboxEmpty());
    ASSERT_NE(manager_, nullptr);
}

TEST_F(ControllerWrapperTest, HostValueIsClampedButManagerAndStoreGetTheValueAsSet) {
    controller_.setParameter(5, 1.7);
    EXPECT_EQ(host_.calls, gestures({5}, 1.0));
    EXPECT_EQ(controller_.getValue(5), 1.7);
    EXPECT_EQ(manager_->getActiveCurrent()->values[5], 1.0f);  // the manager clamps what it records
    EXPECT_EQ(*manager_->getActiveModified(), 1);
    EXPECT_EQ(hook_->hooked, (std::vector<Message>{{5, 1.7}}));
}

TEST_F(ControllerWrapperTest, InternalSlotsAndMessagesNeverReachTheHost) {
    controller_.setParameter(59, 1.5);  // no editor yet: nowhere to go
    controller_.setEditor(&editor_);
    controller_.setParameter(59, 1.5);   // zoom: not to the editor from setParameter
    controller_.setParameter(29, 12.0);  // a message: editor only
    controller_.setParameter(-1, 0.5);   // only the change hook
    EXPECT_EQ(hook_->hooked.back(), Message(-1, 0.5));
    EXPECT_TRUE(mailboxEmpty());
    controller_.setParameter(20, 0.3);
    EXPECT_EQ(controller_.getMailboxValue(20), 0.3);
    EXPECT_TRUE(controller_.isMailboxPending());
    EXPECT_EQ(controller_.getValue(20), 0.3);
    double drained[29];
    controller_.takeMailbox(drained);
    EXPECT_EQ(drained[20], 0.3);
    EXPECT_TRUE(mailboxEmpty());

    // The editor entry notifies even zoom, and stores internal slots.
    controller_.editParameter(59, 1.25);
    controller_.editParameter(93, 1.0);
    controller_.editParameter(14, 0.25);
    EXPECT_EQ(controller_.getMailboxValue(14), 0.25);
    EXPECT_EQ(controller_.getValue(14), 0.25);
    EXPECT_EQ(editor_.received, (std::vector<Message>{{29, 12.0}, {20, 0.3}, {59, 1.25}, {93, 1.0}, {14, 0.25}}));
    EXPECT_TRUE(host_.calls.empty());
}

TEST_F(ControllerWrapperTest, EditorGroupIsReplayedFromHostEchoesStepByStep) {
    controller_.setEditor(&editor_);
    controller_.editParameter(70, 1.0);
    EXPECT_TRUE(controller_.isEditRecordingSuppressed());
    for (int32_t index : {2, 3, 4})
        controller_.editParameter(index, 0.9);
    EXPECT_EQ(controller_.getGroupCount(), 3);
    controller_.editParameter(71, 1.0);
    EXPECT_EQ(controller_.getGroupSize(), 2);  // four counted calls - 2
    EXPECT_EQ(host_.calls, gestures({2, 3, 4}, 0.9));
    EXPECT_EQ(editor_.received, (std::vector<Message>{{70, 1.0}, {71, 1.0}}));
    EXPECT_TRUE(controller_.traced.empty());  // values wait for the host

    controller_.hostEcho(2, 0.9);
    EXPECT_EQ(controller_.traced, (std::vector<Message>{{70, 1.0}, {2, 0.9}}));
    EXPECT_TRUE(controller_.isEditRecordingSuppressed());
    controller_.hostEcho(3, 0.9);
    EXPECT_TRUE(controller_.isEditRecordingSuppressed());
    controller_.hostEcho(4, 0.9);
    EXPECT_EQ(controller_.traced, (std::vector<Message>{{70, 1.0}, {2, 0.9}, {3, 0.9}, {4, 0.9}, {71, 1.0}}));
    EXPECT_FALSE(controller_.isEditRecordingSuppressed());
    EXPECT_EQ(controller_.getGroupSize(), 0);
    EXPECT_EQ(controller_.getValue(4), 0.9);
    EXPECT_EQ(editor_.received.back(), Message(71, 1.0));  // the replay's 70 and 71 reach the editor too
    EXPECT_EQ(editor_.received.size(), 4u);
    // Nothing of the group was recorded, the last echo included.
    EXPECT_EQ(manager_->getActiveCurrent()->values[2], 0.5f);
    EXPECT_EQ(manager_->getActiveCurrent()->values[4], 0.5f);
    EXPECT_EQ(manager_->head, 0);
}

TEST_F(ControllerWrapperTest, ShortEditorGroupEndsSuppressionAtOnce) {
    controller_.editParameter(70, 1.0);
    controller_.editParameter(5, 0.9);
    controller_.editParameter(71, 1.0);  // two counted calls: group size 0
    EXPECT_FALSE(controller_.isEditRecordingSuppressed());
    controller_.hostEcho(5, 0.9);
    EXPECT_EQ(controller_.traced, (std::vector<Message>{{5, 0.9}}));
    EXPECT_EQ(manager_->getActiveCurrent()->values[5], 0.9f);
    EXPECT_EQ(manager_->head, 1);  // the edit entered the history
    controller_.editParameter(70, 1.0);
    controller_.editParameter(71, 1.0);  // empty group
    EXPECT_FALSE(controller_.isEditRecordingSuppressed());
}

TEST_F(ControllerWrapperTest, ChangeHookDoesNotRecurse) {
    hook_->reenter = true;
    controller_.setParameter(20, 0.1);
    EXPECT_EQ(hook_->hooked, (std::vector<Message>{{20, 0.1}}));
    EXPECT_EQ(controller_.getValue(21), 0.1);
}

}  // namespace
