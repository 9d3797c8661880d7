#include "HRXPresetManager.h"
#include "RecordingSink.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

using Message = std::pair<int32_t, double>;
using PresetManagerTest = ManagerTest;

TEST_F(PresetManagerTest, StartsWithDefaultInBothSetupsAndTheBank) {
    const HRXPresetRecord& a = manager->setupA.current;
    EXPECT_STREQ(a.name, "Default");
    const float expected[12] = {1.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.15f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    EXPECT_EQ(std::memcmp(a.values, expected, sizeof expected), 0);  // spare slots keep their 0.5
    EXPECT_EQ(std::memcmp(&manager->setupB.current, &a, sizeof a), 0);
    EXPECT_EQ(std::memcmp(&manager->setupA.reference, &a, sizeof a), 0);
    EXPECT_FALSE(manager->isSetupBActive());
    EXPECT_EQ(manager->presetIndex, 0);
    EXPECT_TRUE(sink.received.empty());
}

TEST_F(PresetManagerTest, ApplySetupSendsTheStoredParametersAsOneGroupWithoutHistory) {
    HRXPresetRecord record = manager->setupA.current;
    record.values[5] = 0.75f;
    manager->applySetup(&record);
    EXPECT_EQ(sink.received, (std::vector<Message>{{70, 1.0}, {0, 1.0}, {2, 0.5}, {3, 0.5}, {4, 0.5},
                                                   {5, 0.75}, {6, 0.15f}, {7, 0.5}, {71, 1.0}}));
    EXPECT_EQ(manager->head, 0);
    EXPECT_EQ(current(5), 0.5f);
    EXPECT_EQ(*manager->getActiveModified(), 0);
}

TEST_F(PresetManagerTest, EditsWithin50MsBecomeOneStep) {
    edit(5, 0.6);
    clock.advance(30);
    edit(5, 0.7);
    clock.advance(50);  // exactly 50 ms: still the same gesture
    edit(5, 0.8);
    clock.advance(51);
    edit(5, 0.9);
    EXPECT_EQ(manager->head, 2);

    manager->undo();
    EXPECT_EQ(sink.last(5), 0.8f);
    EXPECT_EQ(current(5), 0.8f);
    manager->undo();
    EXPECT_EQ(sink.last(5), 0.5f);
    manager->redo();
    EXPECT_EQ(sink.last(5), 0.8f);
    manager->redo();
    EXPECT_EQ(sink.last(5), 0.9f);
    sink.received.clear();
    manager->redo();
    EXPECT_TRUE(sink.received.empty());
}

TEST_F(PresetManagerTest, ChangesBelowTheResolutionAreStoredButNotRecorded) {
    edit(5, 0.50004);
    EXPECT_EQ(manager->head, 0);
    EXPECT_EQ(current(5), 0.50004f);
    EXPECT_EQ(*manager->getActiveModified(), 1);
    edit(5, 1.7);  // clamped
    EXPECT_EQ(current(5), 1.0f);
    EXPECT_EQ(manager->undoRing[manager->head].after.values[5], 1.0f);
}

TEST_F(PresetManagerTest, FortyStepsLeaveThirtyOneToUndo) {
    for (int step = 1; step <= 40; ++step) {
        clock.advance(100);
        edit(5, step * 0.01);
    }
    for (int i = 0; i < 31; ++i)
        manager->undo();
    EXPECT_EQ(sink.last(5), 0.09f);  // the state after step 9
    EXPECT_EQ(current(5), 0.09f);
    sink.received.clear();
    manager->undo();
    EXPECT_TRUE(sink.received.empty());
    for (int i = 0; i < 31; ++i)
        manager->redo();
    EXPECT_EQ(sink.last(5), 0.40f);
}

TEST_F(PresetManagerTest, ModifiedMarkClearsOnlyWhenEveryValueMatches) {
    // (index, value) and the modified mark after it
    const std::pair<Message, int> steps[] = {{{5, 0.6}, 1}, {{6, 0.3}, 1}, {{5, 0.5}, 1}, {{6, 0.15}, 0},
                                             {{7, 1.0}, 1}};
    for (const auto& [step, modified] : steps) {
        clock.advance(100);
        edit(step.first, step.second);
        EXPECT_EQ(*manager->getActiveModified(), modified) << step.first << " " << step.second;
    }
    manager->undo();  // back to the reference values, but the mark stays
    EXPECT_EQ(current(7), 0.5f);
    EXPECT_EQ(*manager->getActiveModified(), 1);
}

TEST_F(PresetManagerTest, UndoOfALoadRestoresThePresetAndTheEditsBeforeIt) {
    manager->selectPreset(0);  // the selected preset again: no step
    EXPECT_EQ(manager->head, 0);
    EXPECT_EQ(manager->cursor, 0);
    edit(5, 0.9);
    clock.advance(100);
    manager->selectPreset(15);  // "Kick"
    EXPECT_STREQ(manager->getActiveCurrent()->name, "Kick");
    EXPECT_EQ(current(5), 0.5f);
    EXPECT_EQ(current(4), 0.3f);
    EXPECT_EQ(*manager->getActiveModified(), 0);

    manager->undo();
    EXPECT_EQ(manager->presetIndex, 0);
    EXPECT_STREQ(manager->getActiveCurrent()->name, "Default");
    EXPECT_STREQ(manager->getActiveReference()->name, "Default");
    EXPECT_EQ(sink.last(5), 0.9f);
    EXPECT_EQ(sink.last(4), 0.5f);
    EXPECT_EQ(current(5), 0.9f);
    EXPECT_EQ(*manager->getActiveModified(), 1);
    manager->undo();  // the edit
    EXPECT_EQ(sink.last(5), 0.5f);
    sink.received.clear();
    manager->undo();  // nothing before it
    EXPECT_TRUE(sink.received.empty());
    manager->redo();
    manager->redo();  // the load again
    EXPECT_EQ(manager->presetIndex, 15);
    EXPECT_STREQ(manager->getActiveCurrent()->name, "Kick");
    EXPECT_EQ(sink.last(4), 0.3f);
}

TEST_F(PresetManagerTest, LoadAfterUndoDropsTheUndoneSteps) {
    for (const double value : {0.6, 0.7, 0.8}) {
        clock.advance(100);
        edit(5, value);
    }
    manager->undo();
    manager->undo();  // 0.6
    manager->selectPreset(15);
    manager->undo();  // "Default" as it stood: 0.6
    EXPECT_EQ(sink.last(5), 0.6f);
    manager->undo();  // the first edit, not one of the undone ones
    EXPECT_EQ(sink.last(5), 0.5f);
    sink.received.clear();
    manager->undo();
    EXPECT_TRUE(sink.received.empty());
}

TEST_F(PresetManagerTest, QuickEditAfterALoadIsItsOwnStep) {
    edit(4, 0.6);
    clock.advance(10);
    manager->selectPreset(15);  // "Kick", Time 0.3
    clock.advance(10);
    edit(4, 0.9);
    manager->undo();  // the edit, not the load
    EXPECT_EQ(sink.last(4), 0.3f);
    EXPECT_STREQ(manager->getActiveCurrent()->name, "Kick");
}

TEST_F(PresetManagerTest, SetupsAAndBAreIndependentAndCopiedWhole) {
    manager->selectSetup(1.0);
    EXPECT_TRUE(manager->isSetupBActive());
    edit(5, 0.9);
    EXPECT_EQ(manager->setupB.current.values[5], 0.9f);
    EXPECT_EQ(manager->setupA.current.values[5], 0.5f);
    manager->selectSetup(0.2);
    EXPECT_FALSE(manager->isSetupBActive());
    EXPECT_EQ(sink.last(5), 0.5f);
    EXPECT_EQ(sink.received.back(), Message(71, 1.0));
    manager->copySetup();  // A over B
    EXPECT_EQ(manager->setupB.current.values[5], 0.5f);
    EXPECT_EQ(manager->setupB.modified, 0);
    EXPECT_EQ(manager->head, 1);  // switching setups records nothing
}

}  // namespace
