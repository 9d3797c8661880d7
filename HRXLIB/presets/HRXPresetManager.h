#pragma once

#include "HRXPresetRecord.h"

#include <cstdint>
#include <vector>

class HRXMasterController;

// One step of the undo history: a parameter edit (before/after setups) or a
// preset change (selected preset before and after, setup before).
struct HRXUndoEntry {
    HRXPresetRecord after;
    HRXPresetRecord before;
    uint8_t presetChange;
    int32_t groupBefore, categoryBefore, indexBefore;
    int32_t groupAfter, categoryAfter, indexAfter;  // -1 until the change is closed
};

// A complete setting of the instance: the record being edited, the record
// as last loaded or pasted, and whether they differ.
struct HRXPresetSetup {
    HRXPresetRecord current;
    HRXPresetRecord reference;
    uint8_t modified;
};

// The preset state of one instance: the selected preset, setups A and B,
// a 32-step undo ring, the 43-record working bank saved by the state chunk,
// and the clipboard shared through the per-user settings. It sends records
// to its parameter sink (the instance's controller), which reports every
// undoable edit back through onParameterEdited. Main thread only.
class HRXPresetManager {
public:
    static constexpr int32_t kUndoSteps = 32;
    static constexpr int32_t kChunkScratchSize = 24169;
    static constexpr uint32_t kEditCoalesceMs = 50;

    explicit HRXPresetManager(HRXMasterController* parameterSink);
    ~HRXPresetManager();
    HRXPresetManager(const HRXPresetManager&) = delete;
    HRXPresetManager& operator=(const HRXPresetManager&) = delete;

    // Sends the stored parameters of `record` to the sink as one group (70 .. 71).
    void applySetup(const HRXPresetRecord* record);
    // An undoable parameter change reported by the controller.
    void onParameterEdited(int32_t index, double value);

    // History steps around a preset change (skipped while undoing).
    void pushPresetUndo();
    void closePresetUndo();
    // Preset selection in the current group and category, each one history step.
    void selectPreset(int32_t index);
    // A preset of any group and category, as one history step (none when it
    // is the preset already selected).
    void selectPreset(int32_t presetGroup, int32_t presetCategory, int32_t index);
    void nextPreset();
    void previousPreset();

    void undo();
    void redo();

    // value below 0.5 selects A, otherwise B; applies its current record.
    void selectSetup(double value);
    // Copies the active setup (current, reference, mark) over the other one.
    void copySetup();
    bool isSetupBActive() const { return activeCurrent_ == &setupB.current; }

    void copyToClipboard();
    void pasteFromClipboard();

    // State chunk: the bank form of bank records 0..2 after the current
    // setup was copied over record 0; empty without a result.
    std::vector<uint8_t> writeBankForm();
    // Restores the bank form; false (nothing changed) when the container is
    // damaged. Setup A then comes from the restored bank, and is active.
    bool restoreBankForm(const uint8_t* data, size_t size);

    HRXPresetRecord* getActiveCurrent() { return activeCurrent_; }
    HRXPresetRecord* getActiveReference() { return activeReference_; }
    uint8_t* getActiveModified() { return activeModified_; }

    // The instance's selection, setups and settings as the preset bar and
    // the state chunk read them.
    int32_t group = 0;
    int32_t category = 0;
    int32_t presetIndex = 0;
    bool applying = false;
    bool undoing = false;
    HRXUndoEntry undoRing[kUndoSteps];
    int32_t tail = 0;
    int32_t head = 0;
    int32_t cursor = 0;
    uint32_t lastEditTime = 0;
    HRXPresetSetup setupA;
    HRXPresetSetup setupB;
    uint8_t* chunkScratch;
    int32_t chunkScratchSize = kChunkScratchSize;
    HRXPresetRecord* workingBank;
    HRXPresetRecord templateRecord;
    HRXPresetRecord clipboardRecord;
    int32_t parameterLimit = 12;
    int32_t zoomPercent = 100;
    int32_t auxWord = 0;

private:
    // Loads item `index` of the current group and category into the active
    // setup as its new reference (takeSelected), and applies it.
    void takeSelected(int32_t index);
    void loadSelected(int32_t index);
    // A group change back to the user files finds their files again.
    void setGroup(int32_t newGroup);
    void applyHistoryRecord(const HRXPresetRecord& record);
    void selectActive(HRXPresetSetup& setup);

    HRXPresetRecord* activeCurrent_;
    HRXPresetRecord* activeReference_;
    uint8_t* activeModified_;
    HRXMasterController* parameterSink_;
};
