// Saving, renaming and the panels of HRXPresetBarEditor.
#include "HRXPresetBarEditor.h"

#include <cstring>

#include "HRXFileSystem.h"
#include "HRXLibraryResources.h"
#include "HRXMasterGraphicalEngine.h"
#include "HRXPresetFile.h"
#include "HRXPresetLibrary.h"
#include "HRXPresetManager.h"
#include "HRXTextControls.h"
#include "HRXViewContainer.h"
#include "PresetBarNameControl.h"
#include "PresetBarPanels.h"
#include "PresetBarStyle.h"
#include "PresetBarTags.h"
#include "HRXProduct.h"

namespace {

// The name field's place in the window: the rename field covers it.
constexpr HRXRect kNameFieldRect{128.0, 3.0, 366.0, 23.0};

std::string lastPathPart(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// At most `bytes` bytes of UTF-8 text, cut between characters: the record's
// name and the preset lists count bytes, the edit fields characters.
std::string cutToBytes(const std::string& text, size_t bytes) {
    if (text.size() <= bytes)
        return text;
    size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

// A name that stays one file in the chosen folder.
bool isFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

void HRXPresetBarEditor::show(const std::string& title, const std::string& text) {
    if (host_)
        showPanel(new PresetBarMessagePanel(host_, windowRect(), title, text, {{"OK", kTagMessageOK}}));
}

void HRXPresetBarEditor::showPanel(PresetBarPanel* newPanel) {
    closePanel();
    panel_.reset(newPanel);
    panel_->show();
}

void HRXPresetBarEditor::closePanel() {
    if (!panel_)
        return;
    panel_->hide();
    retiredPanels_.push_back(std::move(panel_));
}

void HRXPresetBarEditor::panelCommand(int32_t tag, double value) {
    switch (tag) {
    case kTagSaveName:
        // Return saves and Escape cancels; a click elsewhere keeps the text.
        switch (HRXTextEdit::endReasonOf(value)) {
        case HRXTextEdit::kAccepted: confirmSave(); break;
        case HRXTextEdit::kCancelled: closePanel(); break;
        case HRXTextEdit::kFocusLost: break;
        }
        break;
    case kTagSaveFolder:
        if (auto* savePanel = dynamic_cast<PresetBarSavePanel*>(panel_.get()))
            savePanel->focusName();
        break;
    case kTagSaveConfirm: confirmSave(); break;
    case kTagReplace: writePreset(pendingSavePath_); break;
    case kTagSaveCancel:
    case kTagKeep:
    case kTagMessageOK: closePanel(); break;
    default: break;
    }
}

// The "Save" button: a save panel offering the current record's name in
// the user preset folder or one of its sub-folders.
void HRXPresetBarEditor::startSave() {
    if (!manager_)
        return;
    const HRXPresetRecord* record = manager_->getActiveCurrent();
    std::string offered = record ? std::string(record->name, strnlen(record->name, sizeof record->name)) : "";
    if (offered.empty())
        offered = "current";
    // The offered name as a file name: without the extension the panel shows.
    offered = normalisePresetFileName(offered);
    offered.erase(offered.size() - std::strlen(product().presetFileExtension));

    HRXPresetLibrary::rescanUserFolders();
    const std::string& folder = HRXPresetLibrary::userPresetFolder();
    saveFolders_ = {folder};
    std::vector<std::string> names = {lastPathPart(folder)};
    const int32_t count = HRXPresetLibrary::categoryCount(HRXPresetLibrary::kUserGroup);
    for (int32_t slot = 1; slot < count; ++slot) {
        const char* name = HRXPresetLibrary::categoryName(HRXPresetLibrary::kUserGroup, slot);
        if (!name)
            continue;
        names.emplace_back(name);
        saveFolders_.push_back(folder + "/" + name);
    }
    auto* savePanel = new PresetBarSavePanel(host_, windowRect(), offered, names);
    showPanel(savePanel);
    savePanel->focusName();
}

void HRXPresetBarEditor::confirmSave() {
    auto* savePanel = dynamic_cast<PresetBarSavePanel*>(panel_.get());
    if (!savePanel || !manager_)
        return;
    const std::string name = cutToBytes(savePanel->getNameField()->getText(), kPresetListNameSize - 1);
    const int32_t folderIndex = savePanel->getFolderMenu()->getCurrent();
    if (!isFileName(name)) {
        show("Save preset", "A preset name cannot be empty or hold a \"/\".");
        return;
    }
    if (folderIndex < 0 || folderIndex >= static_cast<int32_t>(saveFolders_.size()) ||
        saveFolders_[static_cast<size_t>(folderIndex)].empty()) {
        show("Could not save preset", "The user preset folder could not be found.");
        return;
    }
    const std::string path = normalisePresetFileName(saveFolders_[static_cast<size_t>(folderIndex)] + "/" + name);
    if (isWriteProtected(path)) {
        show("Could not save preset", "\"" + path + "\" is write-protected; it was left as it was.");
        return;
    }
    if (pathExists(path)) {
        pendingSavePath_ = path;
        showPanel(new PresetBarMessagePanel(host_, windowRect(), "Save preset",
                                            "\"" + lastPathPart(path) + "\" already exists. Do you want to replace it?",
                                            {{"Cancel", kTagKeep}, {"Replace", kTagReplace}}));
        return;
    }
    writePreset(path);
}

// Writes the active setup's current record; the list of presets is read
// again, so the menu shows the new file at once.
void HRXPresetBarEditor::writePreset(const std::string& path) {
    closePanel();
    const bool saved = savePresetFile(path, *manager_->getActiveCurrent(), manager_->auxWord, manager_->zoomPercent);
    HRXPresetLibrary::rescanUserFolders();
    refreshPresetMenu();
    if (saved)
        return;
    if (isWriteProtected(path))
        show("Could not save preset", "\"" + path + "\" is write-protected; it was left as it was.");
    else
        show("Could not save preset", "\"" + path + "\" could not be written.");
}

// A right click on the name field: the name is edited in place, at most 23
// characters; Return (or a click elsewhere) takes it, Escape leaves it.
void HRXPresetBarEditor::startRename() {
    if (renameContainer_ || panel_ || !manager_)
        return;
    renameContainer_ = host_->createPresetBarContainer(kNameFieldRect);
    const HRXPresetRecord* record = manager_->getActiveCurrent();
    const std::string name(record->name, strnlen(record->name, sizeof record->name));
    renameField_ = new HRXTextEdit({0.0, 0.0, kNameFieldRect.width(), kNameFieldRect.height()}, kTagRename,
                                   name.c_str(), kPresetNameLength);
    renameField_->setFont(getFontArial14());
    renameField_->setColours(PresetBarStyle::kTextBright, PresetBarStyle::kField, PresetBarStyle::kAccent);
    renameContainer_->addControl(renameField_);
    host_->getEngine()->addView(renameContainer_);
    renameField_->startEditing();
}

void HRXPresetBarEditor::renameEnded(double value) {
    if (!renameField_)
        return;
    if (HRXTextEdit::endReasonOf(value) != HRXTextEdit::kCancelled && manager_)
        setPresetRecordName(*manager_->getActiveCurrent(),
                            cutToBytes(renameField_->getText(), kPresetNameLength).c_str());
    retire(renameContainer_);
    renameContainer_ = nullptr;
    renameField_ = nullptr;
    refreshNameField();
}
