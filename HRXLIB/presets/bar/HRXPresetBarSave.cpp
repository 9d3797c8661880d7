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

std::string lastPathPart(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// At most `bytes` bytes of UTF-8 text, cut between characters: the record's
// name and the preset lists count bytes, the edit fields characters.
std::string cutToBytes(const std::string& text, size_t bytes)
{
    if (text.size() <= bytes)
        return text;
    size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

// A name that stays one file in the chosen folder.
bool isFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

void HRXPresetBarEditor::show(const std::string& title, const std::string& text)
{
    if (host)
        showPanel(new PresetBarMessagePanel(host, windowRect(), title, text, {{"OK", kTagMessageOK}}));
}

void HRXPresetBarEditor::showPanel(PresetBarPanel* newPanel)
{
    closePanel();
    panel.reset(newPanel);
    panel->show();
}

void HRXPresetBarEditor::closePanel()
{
    if (!panel)
        return;
    panel->hide();
    retiredPanels.push_back(std::move(panel));
}

void HRXPresetBarEditor::panelCommand(int32_t tag, double value)
{
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
        if (auto* savePanel = dynamic_cast<PresetBarSavePanel*>(panel.get()))
            savePanel->focusName();
        break;
    case kTagSaveConfirm:
        confirmSave();
        break;
    case kTagReplace:
        writePreset(pendingSavePath);
        break;
    case kTagSaveCancel:
    case kTagKeep:
    case kTagMessageOK:
        closePanel();
        break;
    default:
        break;
    }
}

// The "Save" button: a save panel offering the current record's name in
// the user preset folder or one of its sub-folders.
void HRXPresetBarEditor::startSave()
{
    if (!manager)
        return;
    const HRXPresetRecord* record = manager->getActiveCurrent();
    std::string offered = record ? std::string(record->name, strnlen(record->name, sizeof record->name)) : "";
    if (offered.empty())
        offered = "current";
    // The offered name as a file name: without the extension the panel shows.
    offered = normalisePresetFileName(offered);
    offered.erase(offered.size() - std::strlen(product().presetFileExtension));

    HRXPresetLibrary::rescanUserFolders();
    const std::string& folder = HRXPresetLibrary::userPresetFolder();
    saveFolders = {folder};
    std::vector<std::string> names = {lastPathPart(folder)};
    const int32_t count = HRXPresetLibrary::categoryCount(HRXPresetLibrary::kUserGroup);
    for (int32_t slot = 1; slot < count; ++slot) {
        const char* name = HRXPresetLibrary::categoryName(HRXPresetLibrary::kUserGroup, slot);
        if (!name)
            continue;
        names.emplace_back(name);
        saveFolders.push_back(folder + "/" + name);
    }
    auto* savePanel = new PresetBarSavePanel(host, windowRect(), offered, names);
    showPanel(savePanel);
    savePanel->focusName();
}

void HRXPresetBarEditor::confirmSave()
{
    auto* savePanel = dynamic_cast<PresetBarSavePanel*>(panel.get());
    if (!savePanel || !manager)
        return;
    const std::string name = cutToBytes(savePanel->getNameField()->getText(), kPresetListNameSize - 1);
    const int32_t folderIndex = savePanel->getFolderMenu()->getCurrent();
    if (!isFileName(name)) {
        show("Save preset", "A preset name cannot be empty or hold a \"/\".");
        return;
    }
    if (folderIndex < 0 || folderIndex >= static_cast<int32_t>(saveFolders.size()) ||
        saveFolders[static_cast<size_t>(folderIndex)].empty()) {
        show("Could not save preset", "The user preset folder could not be found.");
        return;
    }
    const std::string path = normalisePresetFileName(saveFolders[static_cast<size_t>(folderIndex)] + "/" + name);
    if (isWriteProtected(path)) {
        show("Could not save preset", "\"" + path + "\" is write-protected; it was left as it was.");
        return;
    }
    if (pathExists(path)) {
        pendingSavePath = path;
        showPanel(new PresetBarMessagePanel(host, windowRect(), "Save preset",
                                            "\"" + lastPathPart(path) + "\" already exists. Do you want to replace it?",
                                            {{"Cancel", kTagKeep}, {"Replace", kTagReplace}}));
        return;
    }
    writePreset(path);
}

// Writes the active setup's current record; the list of presets is read
// again, so the menu shows the new file at once.
void HRXPresetBarEditor::writePreset(const std::string& path)
{
    closePanel();
    const bool saved =
        savePresetFile(path, *manager->getActiveCurrent(), manager->auxWord, manager->zoomPercent);
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
void HRXPresetBarEditor::startRename()
{
    if (renameContainer || panel || !manager)
        return;
    renameContainer = host->createPresetBarContainer(kNameFieldRect);
    const HRXPresetRecord* record = manager->getActiveCurrent();
    const std::string name(record->name, strnlen(record->name, sizeof record->name));
    renameField = new HRXTextEdit({0.0, 0.0, kNameFieldRect.width(), kNameFieldRect.height()}, kTagRename,
                                  name.c_str(), kPresetNameLength);
    renameField->setFont(getFontArial14());
    renameField->setColours(PresetBarStyle::kTextBright, PresetBarStyle::kField, PresetBarStyle::kAccent);
    renameContainer->addControl(renameField);
    host->getEngine()->addView(renameContainer);
    renameField->startEditing();
}

void HRXPresetBarEditor::renameEnded(double value)
{
    if (!renameField)
        return;
    if (HRXTextEdit::endReasonOf(value) != HRXTextEdit::kCancelled && manager)
        setPresetRecordName(*manager->getActiveCurrent(),
                            cutToBytes(renameField->getText(), kPresetNameLength).c_str());
    retire(renameContainer);
    renameContainer = nullptr;
    renameField = nullptr;
    refreshNameField();
}
