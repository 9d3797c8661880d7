// Preset selection and the undo/redo history of HRXPresetManager.
#include "HRXPresetManager.h"

#include "HRXPresetLibrary.h"
#include "HRXTickCount.h"

#include <cstring>

namespace {

// Records compare as the bytes they are stored and saved as.
bool sameValues(const HRXPresetRecord& a, const HRXPresetRecord& b) {
    return std::memcmp(a.values, b.values, sizeof a.values) == 0;  // NOLINT(bugprone-suspicious-memory-comparison)
}

int32_t ringStep(int32_t position, int32_t delta) {
    const int32_t steps = HRXPresetManager::kUndoSteps;
    return ((position + delta) % steps + steps) % steps;
}

// Two values are one setting when they agree to 1/10000.
int32_t editResolution(float value) {
    return static_cast<int32_t>(value * 10000.0 + 0.5);
}

}  // namespace

void HRXPresetManager::onParameterEdited(int32_t index, double value) {
    if (index < 0 || index > parameterLimit)
        return;
    const float newValue = static_cast<float>(value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value));
    const bool stored = index < kPresetValues;
    if (!undoing && !applying) {
        const float oldValue = stored ? activeCurrent_->values[index] : -1.0f;
        if (editResolution(oldValue) != editResolution(newValue)) {
            const uint32_t now = getTickCount();
            const uint32_t elapsed = now - lastEditTime;
            lastEditTime = now;
            // Only a parameter step that is still the newest can take a
            // continuing gesture; after an undo or a preset change (or with
            // no step yet) the edit opens its own step.
            const bool gestureOpen = cursor == head && head != tail && !undoRing[head].presetChange;
            if (elapsed > kEditCoalesceMs || !gestureOpen) {
                cursor = ringStep(cursor, 1);
                head = cursor;
                HRXUndoEntry& entry = undoRing[head];
                entry.presetChange = 0;
                entry.before = *activeCurrent_;
                entry.after = *activeCurrent_;
                if (stored)
                    entry.after.values[index] = newValue;
                if (head == tail)
                    tail = ringStep(tail, 1);
            } else if (stored) {
                undoRing[head].after.values[index] = newValue;
            }
        }
    }
    // A value the setup already holds (the host echoing what an undo or a
    // preset applied) changes nothing, the modified mark included.
    if (applying || !stored || activeCurrent_->values[index] == newValue)
        return;
    activeCurrent_->values[index] = newValue;
    if (newValue == activeReference_->values[index])
        *activeModified_ = !sameValues(*activeCurrent_, *activeReference_);
    else
        *activeModified_ = 1;
}

void HRXPresetManager::pushPresetUndo() {
    if (undoing)
        return;
    // Like an edit, a load after undos drops the undone steps; opening it
    // after the old head would let a later undo bring them back.
    cursor = ringStep(cursor, 1);
    head = cursor;
    HRXUndoEntry& entry = undoRing[head];
    entry.presetChange = 1;
    entry.groupBefore = group;
    entry.categoryBefore = category;
    entry.indexBefore = presetIndex;
    entry.before = *activeCurrent_;
    entry.groupAfter = entry.categoryAfter = entry.indexAfter = -1;
    if (head == tail)
        tail = ringStep(tail, 1);
}

void HRXPresetManager::closePresetUndo() {
    if (undoing)
        return;
    HRXUndoEntry& entry = undoRing[head];
    entry.groupAfter = group;
    entry.categoryAfter = category;
    entry.indexAfter = presetIndex;
    if (entry.groupAfter == entry.groupBefore && entry.categoryAfter == entry.categoryBefore &&
        entry.indexAfter == entry.indexBefore) {
        head = ringStep(head, -1);  // the same preset again: no step
        cursor = head;
    }
}

void HRXPresetManager::takeSelected(int32_t index) {
    presetIndex = index;
    HRXPresetLibrary::loadPresetInto(group, category, index, *activeCurrent_, true);
    *activeReference_ = *activeCurrent_;
    *activeModified_ = 0;
}

void HRXPresetManager::loadSelected(int32_t index) {
    takeSelected(index);
    applySetup(activeCurrent_);
}

void HRXPresetManager::selectPreset(int32_t index) {
    pushPresetUndo();
    loadSelected(index);
    closePresetUndo();
}

void HRXPresetManager::selectPreset(int32_t presetGroup, int32_t presetCategory, int32_t index) {
    pushPresetUndo();
    setGroup(presetGroup);
    category = presetCategory;
    loadSelected(index);
    closePresetUndo();
}

void HRXPresetManager::nextPreset() {
    int32_t index = presetIndex + 1;
    const int32_t last = HRXPresetLibrary::itemCount(group, category) - 1;
    if (index > last)
        index = last;
    selectPreset(index);
}

void HRXPresetManager::previousPreset() {
    selectPreset(presetIndex - 1 < 0 ? 0 : presetIndex - 1);
}

void HRXPresetManager::setGroup(int32_t newGroup) {
    group = newGroup;
    if (newGroup == HRXPresetLibrary::kUserGroup)
        HRXPresetLibrary::rescanUserFolders();
}

// The applied record also becomes the active current record, so that what
// is saved, copied or re-applied by an A/B switch is what the parameters
// hold after an undo or redo. The modified mark is set when the record
// differs from the reference, never cleared.
void HRXPresetManager::applyHistoryRecord(const HRXPresetRecord& record) {
    applySetup(&record);
    *activeCurrent_ = record;
    if (!sameValues(*activeCurrent_, *activeReference_))
        *activeModified_ = 1;
}

void HRXPresetManager::undo() {
    undoing = true;
    if (cursor != tail) {
        const HRXUndoEntry entry = undoRing[cursor];
        // The preset comes back as the reference only: the setup is applied
        // once, as it stood. Applying the preset too would send the host two
        // values per parameter in one go, and a host that answers later
        // compares the second with the first it has not yet taken.
        if (entry.presetChange) {
            setGroup(entry.groupBefore);
            category = entry.categoryBefore;
            takeSelected(entry.indexBefore);
        }
        applyHistoryRecord(entry.before);
        cursor = ringStep(cursor, -1);
    }
    undoing = false;
}

void HRXPresetManager::redo() {
    undoing = true;
    if (cursor != head) {
        cursor = ringStep(cursor, 1);
        const HRXUndoEntry entry = undoRing[cursor];
        if (entry.presetChange) {
            setGroup(entry.groupAfter);
            category = entry.categoryAfter;
            loadSelected(entry.indexAfter);
        } else {
            applyHistoryRecord(entry.after);
        }
    }
    undoing = false;
}
