#include "HRXPresetManager.h"
#include "RecordingSink.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

using Message = std::pair<int32_t, double>;
using PresetManagerTest = ManagerTest;

TEST_F(PresetManagerTest, StartsWithDefaultInBothSetupsAndTheBank) {
    const HRXPresetRecord& a = manager_->setupA.current;
    EXPECT_STREQ(a.name, "Default");
    const float expected[12] = {1.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.15f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    EXPECT_EQ(std::memcmp(a.values, expected, sizeof expected), 0);  // spare slots keep their 0.5
    EXPECT_EQ(std::memcmp(&manager_->setupB.current, &a, sizeof a), 0);
    EXPECT_EQ(std::memcmp(&manager_->setupA.reference, &a, sizeof a), 0);
    EXPECT_FALSE(manager_->isSetupBActive());
    EXPECT_EQ(manager_->presetIndex, 0);
    EXPECT_TRUE(sink_.received.empty());
}

TEST_F(PresetManagerTest, ApplySetupSendsTheStoredParametersAsOneGroupWithoutHistory) {
    HRXPresetRecord record = manager_->setupA.current;
    record.values[5] = 0.75f;
    manager_->applySetup(&record);
    EXPECT_EQ(sink_.received,
              (std::vector<Message>{
                  {70, 1.0}, {0, 1.0}, {2, 0.5}, {3, 0.5}, {4, 0.5}, {5, 0.75}, {6, 0.15f}, {7, 0.5}, {71, 1.0}}));
    EXPECT_EQ(manager_->head, 0);
    EXPECT_EQ(current(5), 0.5f);
    EXPECT_EQ(*manager_->getActiveModified(), 0);
}

TEST_F(PresetManagerTest, EditsWithin50MsBecomeOneStep) {
    edit(5, 0.6);
    clock_.advance(30);
    edit(5, 0.7);
    clock_.advance(50);  // exactly 50 ms: still the same gesture
    edit(5, 0.8);
    clock_.advance(51);
    edit(5, 0.9);
    EXPECT_EQ(manager_->head, 2);

    manager_->undo();
    EXPECT_EQ(sink_.last(5), 0.8f);
    EXPECT_EQ(current(5), 0.8f);
    manager_->undo();
    EXPECT_EQ(sink_.last(5), 0.5f);
    manager_->redo();
    EXPECT_EQ(sink_.last(5), 0.8f);
    manager_->redo();
    EXPECT_EQ(sink_.last(5), 0.9f);
    sink_.received.clear();
    manager_->redo();
    EXPECT_TRUE(sink_.received.empty());
}

TEST_F(PresetManagerTest, ChangesBelowTheResolutionAreStoredButNotRecorded) {
    edit(5, 0.50004);
    EXPECT_EQ(manager_->head, 0);
    EXPECT_EQ(current(5), 0.50004f);
    EXPECT_EQ(*manager_->getActiveModified(), 1);
    edit(5, 1.7);  // clamped
    EXPECT_EQ(current(5), 1.0f);
    EXPECT_EQ(manager_->undoRing[manager_->head].after.values[5], 1.0f);
}

TEST_F(PresetManagerTest, FortyStepsLeaveThirtyOneToUndo) {
    for (int step = 1; step <= 40; ++step) {
        clock_.advance(100);
        edit(5, step * 0.01);
    }
    for (int i = 0; i < 31; ++i)
        manager_->undo();
    EXPECT_EQ(sink_.last(5), 0.09f);  // the state after step 9
    EXPECT_EQ(current(5), 0.09f);
    sink_.received.clear();
    manager_->undo();
    EXPECT_TRUE(sink_.received.empty());
    for (int i = 0; i < 31; ++i)
        manager_->redo();
    EXPECT_EQ(sink_.last(5), 0.40f);
}

TEST_F(PresetManagerTest, ModifiedMarkClearsOnlyWhenEveryValueMatches) {
    // (index, value) and the modified mark after it
    const std::pair<Message, int> steps[] = {
        {{5, 0.6}, 1}, {{6, 0.3}, 1}, {{5, 0.5}, 1}, {{6, 0.15}, 0}, {{7, 1.0}, 1}};
    for (const auto& [step, modified] : steps) {
        clock_.advance(100);
        edit(step.first, step.second);
        EXPECT_EQ(*manager_->getActiveModified(), modified) << step.first << " " << step.second;
    }
    manager_->undo();  // back to the reference values, but the mark stays
    EXPECT_EQ(current(7), 0.5f);
    EXPECT_EQ(*manager_->getActiveModified(), 1);
}

TEST_F(PresetManagerTest, UndoOfALoadRestoresThePresetAndTheEditsBeforeIt) {
    manager_->selectPreset(0);  // the selected preset again: no step
    EXPECT_EQ(manager_->head, 0);
    EXPECT_EQ(manager_->cursor, 0);
    edit(5, 0.9);
    clock_.advance(100);
    manager_->selectPreset(15);  // "Kick"
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "Kick");
    EXPECT_EQ(current(5), 0.5f);
    EXPECT_EQ(current(4), 0.3f);
    EXPECT_EQ(*manager_->getActiveModified(), 0);

    manager_->undo();
    EXPECT_EQ(manager_->presetIndex, 0);
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "Default");
    EXPECT_STREQ(manager_->getActiveReference()->name, "Default");
    EXPECT_EQ(sink_.last(5), 0.9f);
    EXPECT_EQ(sink_.last(4), 0.5f);
    EXPECT_EQ(current(5), 0.9f);
    EXPECT_EQ(*manager_->getActiveModified(), 1);
    manager_->undo();  // the edit
    EXPECT_EQ(sink_.last(5), 0.5f);
    sink_.received.clear();
    manager_->undo();  // nothing before it
    EXPECT_TRUE(sink_.received.empty());
    manager_->redo();
    manager_->redo();  // the load again
    EXPECT_EQ(manager_->presetIndex, 15);
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "Kick");
    EXPECT_EQ(sink_.last(4), 0.3f);
}

TEST_F(PresetManagerTest, LoadAfterUndoDropsTheUndoneSteps) {
    for (const double value : {0.6, 0.7, 0.8}) {
        clock_.advance(100);
        edit(5, value);
    }
    manager_->undo();
    manager_->undo();  // 0.6
    manager_->selectPreset(15);
    manager_->undo();  // "Default" as it stood: 0.6
    EXPECT_EQ(sink_.last(5), 0.6f);
    manager_->undo();  // the first edit, not one of the undone ones
    EXPECT_EQ(sink_.last(5), 0.5f);
    sink_.received.clear();
    manager_->undo();
    EXPECT_TRUE(sink_.received.empty());
}

TEST_F(PresetManagerTest, QuickEditAfterALoadIsItsOwnStep) {
    edit(4, 0.6);
    clock_.advance(10);
    manager_->selectPreset(15);  // "Kick", Time 0.3
    clock_.advance(10);
    edit(4, 0.9);
    manager_->undo();  // the edit, not the load
    EXPECT_EQ(sink_.last(4), 0.3f);
    EXPECT_STREQ(manager_->getActiveCurrent()->name, "Kick");
}

TEST_F(PresetManagerTest, SetupsAAndBAreIndependentAndCopiedWhole) {
    manager_->selectSetup(1.0);
    EXPECT_TRUE(manager_->isSetupBActive());
    edit(5, 0.9);
    EXPECT_EQ(manager_->setupB.current.values[5], 0.9f);
    EXPECT_EQ(manager_->setupA.current.values[5], 0.5f);
    manager_->selectSetup(0.2);
    EXPECT_FALSE(manager_->isSetupBActive());
    EXPECT_EQ(sink_.last(5), 0.5f);
    EXPECT_EQ(sink_.received.back(), Message(71, 1.0));
    manager_->copySetup();  // A over B
    EXPECT_EQ(manager_->setupB.current.values[5], 0.5f);
    EXPECT_EQ(manager_->setupB.modified, 0);
    EXPECT_EQ(manager_->head, 1);  // switching setups records nothing
}

}  // namespace
