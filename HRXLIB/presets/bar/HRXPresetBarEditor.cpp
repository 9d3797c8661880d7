#include "HRXPresetBarEditor.h"

#include <cstdio>
#include <cstring>

#include "HRXGlobalSettings.h"
#include "HRXMasterGraphicalEngine.h"
#include "HRXPresetManager.h"
#include "HRXViewContainer.h"
#include "PresetBarABControls.h"
#include "PresetBarArrowControls.h"
#include "PresetBarButtons.h"
#include "PresetBarNameControl.h"
#include "PresetBarPanels.h"
#include "PresetBarScaleControls.h"
#include "PresetBarScaleOptionMenu.h"
#include "PresetBarTags.h"
#include "HRXParameterSpace.h"

namespace {

// The zoom menu drops from the zoom button's lower edge.
constexpr HRXRect kZoomButtonRect{0.0, -1.0, 60.0, 27.0};
constexpr double kZoomMenuTop = 27.0;

// While a command runs, messages go to this bar's window.
class MessageBoxScope {
public:
    explicit MessageBoxScope(HRXMessageBox* box) : previous_(setMessageBox(box)) {}
    ~MessageBoxScope() { setMessageBox(previous_); }
    MessageBoxScope(const MessageBoxScope&) = delete;
    MessageBoxScope& operator=(const MessageBoxScope&) = delete;

private:
    HRXMessageBox* previous_;
};

}  // namespace

HRXPresetBarEditor::HRXPresetBarEditor(HRXPresetManager* manager) : manager_(manager), presetMenu_(manager) {}

HRXPresetBarEditor::~HRXPresetBarEditor() {
    close();
}

void HRXPresetBarEditor::report(int32_t message) {
    if (host_)
        host_->getEngine()->editParameter(message, 1.0);
}

void HRXPresetBarEditor::open(HRXPresetBarHost* barHost, double editorWidth, double editorHeight) {
    close();
    host_ = barHost;
    width_ = editorWidth;
    height_ = editorHeight;
    zoom_ = HRXGlobalSettings::limitZoomFactor(host_->getEngine()->getZoomFactor());
    buildStrip();
    presetMenu_.build(host_, menuRect());
    configMenu_.build(host_, menuRect());
    layout();
    refreshNameField();
    refreshABControls();
    refreshZoomLabels();
}

void HRXPresetBarEditor::buildStrip() {
    strip_ = host_->createPresetBarContainer({0.0, 0.0, width_, kBarHeight});
    grip_ = host_->createPresetBarContainer({});

    scaleButton_ = new PresetBarScaleMenuButton(kZoomButtonRect, kTagZoom);
    scaleButton_->setTooltip(
        "Scroll this percentage up or down to change the GUIs zoom factor. Double click to reset "
        "its state to the default size (100%)");
    nudge_ = new PresetBarNudgeControl({62.0, -1.0, 122.0, 27.0}, kTagNudge);
    nudge_->setTooltip("Click the left/right arrow to switch the prev/next preset from the list");
    nameControl_ = new PresetBarNameControl({128.0, 3.0, 366.0, 23.0}, kTagName);
    nameControl_->setTooltip(
        "Click to see the pop-up menu of all the presets in the currently loaded bank / "
        "Right-Click to edit the current preset name");
    topCatcher_ = new PresetBarClickCatcher({}, kTagClosePopups);
    configButton_ = new PresetBarConfigMenuButton({}, kTagConfig);
    configButton_->setTooltip("Click to open configuration menu");
    auto* save = new PresetBarLabelButton({0.0, 25.0, 60.0, 53.0}, kTagSave, "Save");
    save->setTooltip("Click to save current setup as a *.hrx preset file");
    auto* copy = new PresetBarLabelButton({62.0, 25.0, 122.0, 53.0}, kTagCopy, "Copy");
    copy->setTooltip("Click to copy the current preset to clipboard");
    auto* paste = new PresetBarLabelButton({124.0, 25.0, 184.0, 53.0}, kTagPaste, "Paste");
    paste->setTooltip("Click to paste the preset from clipboard");
    abSwitch_ = new ABCompPresetBarControl({186.0, 25.0, 246.0, 53.0}, kTagABSwitch);
    abSwitch_->setTooltip("Click to switch between A and B setups");
    abCopy_ = new ABCopyPresetBarControl({248.0, 25.0, 308.0, 53.0}, kTagABCopy);
    abCopy_->setTooltip("Click to copy settings between A and B setups");
    auto* undoRedo = new PresetBarUndoRedoControl({310.0, 25.0, 370.0, 53.0}, kTagUndoRedo);
    undoRedo->setTooltip("Click the left/right arrow to undo/redo action");
    bottomCatcher_ = new PresetBarClickCatcher({}, kTagClosePopups);
    scaleCorner_ = new PresetBarScaleCornerControl({0.0, 0.0, kGripSize, kGripSize}, kTagZoom);
    scaleCorner_->setTooltip("Drag to change the GUIs zoom factor");

    fadingControls_ = {scaleButton_, nudge_,  nameControl_, configButton_, save,           copy,        paste,
                       abSwitch_,    abCopy_, undoRedo,     topCatcher_,   bottomCatcher_, scaleCorner_};
    for (PresetBarBasicControl* control : fadingControls_) {
        if (control != scaleCorner_)
            strip_->addControl(control);
    }
    grip_->addControl(scaleCorner_);
    host_->getEngine()->addView(strip_);
    host_->getEngine()->addView(grip_);
}

// The controls that follow the editor's width and height.
void HRXPresetBarEditor::layout() {
    if (!strip_)
        return;
    strip_->setViewSize({0.0, 0.0, width_, kBarHeight});
    topCatcher_->setViewSize({367.0, -1.0, width_ - 30.0, 27.0});
    configButton_->setViewSize({width_ - 29.0, -1.0, width_ + 1.0, 27.0});
    bottomCatcher_->setViewSize({371.0, 25.0, width_ + 1.0, 53.0});
    const HRXRect gripRect{width_ - kGripSize, kBarHeight + height_ - kGripSize, width_, kBarHeight + height_};
    grip_->setViewSize(gripRect);
    scaleCorner_->setPlacement({gripRect.left, gripRect.top}, width_, kBarHeight + height_);
    presetMenu_.setRect(menuRect());
    configMenu_.setRect(menuRect());
}

void HRXPresetBarEditor::close() {
    if (!host_)
        return;
    storeZoomSetting();
    closePresetMenu();
    closeConfigMenu();
    closeZoomMenu();
    panel_.reset();
    if (renameContainer_)
        retire(renameContainer_);
    renameContainer_ = nullptr;
    renameField_ = nullptr;
    deleteRetired();
    presetMenu_.destroy();
    configMenu_.destroy();
    // The frame keeps the attached views until it goes.
    delete strip_;
    delete grip_;
    strip_ = grip_ = nullptr;
    fadingControls_.clear();
    scaleButton_ = nullptr;
    nudge_ = nullptr;
    nameControl_ = nullptr;
    topCatcher_ = configButton_ = bottomCatcher_ = nullptr;
    abSwitch_ = nullptr;
    abCopy_ = nullptr;
    scaleCorner_ = nullptr;
    host_ = nullptr;
}

void HRXPresetBarEditor::setEditorSize(double editorWidth, double editorHeight) {
    width_ = editorWidth;
    height_ = editorHeight;
    layout();
    // The window may have been zoomed from outside the bar.
    if (host_) {
        zoom_ = HRXGlobalSettings::limitZoomFactor(host_->getEngine()->getZoomFactor());
        refreshZoomLabels();
    }
}

void HRXPresetBarEditor::notify(int32_t id, double value) {
    if (!host_ || changingPage_)
        return;
    switch (id) {
    case kNotifyReferenceTaken:
        if (manager_) {
            *manager_->getActiveReference() = *manager_->getActiveCurrent();
            *manager_->getActiveModified() = 0;
        }
        refreshNameField();
        break;
    case kMessageHints: configMenu_.hintsChanged(value); break;
    case kMessageZoom: refreshZoomLabels(); break;
    case kNotifyRefreshAll:
        refreshNameField();
        refreshPresetMenu();
        refreshABControls();
        refreshZoomLabels();
        break;
    case kReportPluginInfoPage: configMenu_.showPage(PresetBarConfigMenu::Page::PluginInfo); break;
    case kReportGlobalSettingsPage: configMenu_.showPage(PresetBarConfigMenu::Page::GlobalSettings); break;
    default: break;
    }
}

void HRXPresetBarEditor::controlChanged(int32_t tag, double value) {
    if (!host_)
        return;
    MessageBoxScope messages(this);
    switch (tag) {
    case kTagName:
        if (nameControl_->takeRenameRequest())
            startRename();
        else
            togglePresetMenu();
        break;
    case kTagNudge:
        if (manager_) {
            if (value <= 0.5)
                manager_->previousPreset();
            else
                manager_->nextPreset();
        }
        refreshNameField();
        refreshPresetMenu();
        break;
    case kTagSave: startSave(); break;
    case kTagCopy:
        if (manager_)
            manager_->copyToClipboard();
        break;
    case kTagPaste:
        if (manager_)
            manager_->pasteFromClipboard();
        refreshNameField();
        refreshABControls();
        break;
    case kTagManual:
    case kTagHints: configMenu_.handle(tag, value); break;
    case kTagConfigPage:
        changingPage_ = true;
        configMenu_.handle(tag, value);
        changingPage_ = false;
        break;
    case kTagZoom: applyZoomChange(); break;
    case kTagZoomMenu: zoomMenuChosen(); break;
    case kTagConfig: toggleConfigMenu(); break;
    case kTagPresetGroup:
    case kTagCategoryColumn:
    case kTagPresetColumns:
    case kTagBottomInfo:
    case kTagDesignerLogo: {
        const PresetBarPresetMenu::Result result = presetMenu_.handle(tag, value);
        if (result != PresetBarPresetMenu::Result::Stay)
            closePresetMenu();
        if (result == PresetBarPresetMenu::Result::Loaded)
            refreshNameField();
        break;
    }
    case kTagUndoRedo:
        if (manager_) {
            if (value <= 0.5)
                manager_->undo();
            else
                manager_->redo();
        }
        refreshNameField();
        refreshPresetMenu();
        break;
    case kTagABSwitch:
        if (manager_)
            manager_->selectSetup(value);
        refreshABControls();
        refreshNameField();
        refreshPresetMenu();
        break;
    case kTagABCopy:
        if (manager_)
            manager_->copySetup();
        break;
    case kTagClosePopups: closePopups(); break;
    case kTagRename: renameEnded(value); break;
    case kTagSaveName:
    case kTagSaveFolder:
    case kTagSaveConfirm:
    case kTagSaveCancel:
    case kTagReplace:
    case kTagKeep:
    case kTagMessageOK: panelCommand(tag, value); break;
    default: break;
    }
}

void HRXPresetBarEditor::idle() {
    if (!host_)
        return;
    for (PresetBarBasicControl* control : fadingControls_)
        control->tickFade();
    // Edits, host changes and restored states reach the manager without the
    // bar: what the bar shows follows it here.
    refreshNameField();
    refreshABControls();
    // The stored zoom is written once a drag of the grip has ended, not at
    // every step of it.
    if (!scaleCorner_->isDragging())
        storeZoomSetting();
    deleteRetired();
}

// Setting 59 holds the zoom factor divided by 10.
void HRXPresetBarEditor::storeZoomSetting() {
    if (!zoomSettingPending_)
        return;
    zoomSettingPending_ = false;
    HRXGlobalSettings::write(HRXGlobalSettings::kZoom,
                             HRXGlobalSettings::limitZoomFactor(HRXGlobalSettings::zoomPercent() * 0.01) * 0.1);
}

void HRXPresetBarEditor::refreshNameField() {
    if (!nameControl_)
        return;
    char prefix[16];
    std::string name = "current";
    bool modified = false;
    if (!manager_) {
        std::snprintf(prefix, sizeof prefix, "0%d: ", 0);
    } else {
        const int32_t index = manager_->presetIndex;
        if (index >= 0)
            std::snprintf(prefix, sizeof prefix, index < 10 ? "0%d: " : "%d: ", static_cast<int>(index));
        else
            std::snprintf(prefix, sizeof prefix, "CP:");
        if (const HRXPresetRecord* record = manager_->getActiveCurrent())
            name.assign(record->name, strnlen(record->name, sizeof record->name));
        modified = *manager_->getActiveModified() != 0;
    }
    nameControl_->setDisplay(prefix, name, modified);
}

void HRXPresetBarEditor::refreshABControls() {
    if (!abSwitch_ || !manager_)
        return;
    const bool b = manager_->isSetupBActive();
    if ((abSwitch_->getValue() > 0.5) != b)
        abSwitch_->showSetupB(b);
    abCopy_->showFromB(b);
}

void HRXPresetBarEditor::refreshZoomLabels() {
    if (!scaleButton_)
        return;
    scaleButton_->setZoom(zoom_);
    scaleCorner_->setZoom(zoom_);
    if (zoomMenu_)
        zoomMenu_->setCheckedTag(HRXGlobalSettings::zoomPercentOf(zoom_));
}

void HRXPresetBarEditor::refreshPresetMenu() {
    if (presetMenuOpen_)
        presetMenu_.refresh();
}

void HRXPresetBarEditor::togglePresetMenu() {
    if (presetMenuOpen_)
        closePresetMenu();
    else
        openPresetMenu();
}

void HRXPresetBarEditor::openPresetMenu() {
    if (presetMenuOpen_ || !presetMenu_.getContainer())
        return;
    closeConfigMenu();
    // The editor grows for the menu (and lays the bar out again) first.
    report(kReportPresetMenuOpening);
    host_->getEngine()->addView(presetMenu_.getContainer());
    host_->setModalContainer(presetMenu_.getContainer());
    presetMenuOpen_ = true;
    presetMenu_.refresh();
    nameControl_->setValue(1.0);
    nameControl_->redraw();
}

void HRXPresetBarEditor::closePresetMenu() {
    if (!presetMenuOpen_)
        return;
    presetMenuOpen_ = false;
    host_->setModalContainer(nullptr);
    host_->getEngine()->removeView(presetMenu_.getContainer());
    nameControl_->setValue(0.0);
    nameControl_->redraw();
    report(kReportPresetMenuClosed);
}

void HRXPresetBarEditor::toggleConfigMenu() {
    if (configMenuOpen_)
        closeConfigMenu();
    else
        openConfigMenu();
}

void HRXPresetBarEditor::openConfigMenu() {
    if (configMenuOpen_ || !configMenu_.getContainer())
        return;
    closePresetMenu();
    report(kReportConfigMenuOpening);
    configMenu_.prepareOpening();
    host_->getEngine()->addView(configMenu_.getContainer());
    host_->setModalContainer(configMenu_.getContainer());
    configMenuOpen_ = true;
    configButton_->setValue(1.0);
    configButton_->redraw();
}

void HRXPresetBarEditor::closeConfigMenu() {
    if (!configMenuOpen_)
        return;
    configMenuOpen_ = false;
    host_->setModalContainer(nullptr);
    host_->getEngine()->removeView(configMenu_.getContainer());
    configButton_->setValue(0.0);
    configButton_->redraw();
    report(kReportGlobalSettingsPage);
    report(kReportConfigMenuClosed);
}

void HRXPresetBarEditor::openZoomMenu() {
    if (zoomMenuContainer_)
        return;
    zoomMenuContainer_ = host_->createPresetBarContainer(windowRect());
    zoomMenuContainer_->addControl(new PresetBarScaleOptionMenuHandler(windowRect(), kTagClosePopups, kZoomButtonRect));
    zoomMenu_ = new PresetBarScaleOptionMenu({0.0, kZoomMenuTop}, kTagZoomMenu);
    zoomMenu_->setCheckedTag(HRXGlobalSettings::zoomPercentOf(zoom_));
    zoomMenuContainer_->addControl(zoomMenu_);
    host_->getEngine()->addView(zoomMenuContainer_);
    scaleButton_->setValue(1.0);
    scaleButton_->setActive(true);
}

void HRXPresetBarEditor::closeZoomMenu() {
    if (!zoomMenuContainer_)
        return;
    retire(zoomMenuContainer_);
    zoomMenuContainer_ = nullptr;
    zoomMenu_ = nullptr;
    if (scaleButton_) {
        scaleButton_->setValue(0.0);
        scaleButton_->setActive(false);
    }
}

void HRXPresetBarEditor::closePopups() {
    closePresetMenu();
    closeConfigMenu();
    closeZoomMenu();
}

// Command 60: the zoom from the button when the user changed it there, else
// from the grip; the window follows, and the zoom is this instance's, the
// process's and the user's setting from now on.
void HRXPresetBarEditor::applyZoomChange() {
    PresetBarScaleMenuButton* source = scaleButton_->wasChangedByUser() ? scaleButton_ : scaleCorner_;
    zoom_ = HRXGlobalSettings::limitZoomFactor(source->getZoom());
    scaleButton_->clearChangedByUser();
    scaleCorner_->clearChangedByUser();
    host_->zoomEditor(zoom_);
    const int32_t percent = HRXGlobalSettings::zoomPercentOf(zoom_);
    if (manager_)
        manager_->zoomPercent = percent;
    HRXGlobalSettings::setZoomPercent(percent);
    zoomSettingPending_ = true;
    refreshZoomLabels();
    switch (scaleButton_->takeMenuRequest()) {
    case PresetBarScaleMenuButton::MenuRequest::Open: openZoomMenu(); break;
    case PresetBarScaleMenuButton::MenuRequest::Close: closeZoomMenu(); break;
    case PresetBarScaleMenuButton::MenuRequest::None: break;
    }
}

void HRXPresetBarEditor::zoomMenuChosen() {
    if (!zoomMenu_)
        return;
    double chosen = zoom_;
    const bool changes = PresetBarScaleOptionMenu::zoomForItem(zoomMenu_->getChosenTag(), zoom_, chosen);
    closeZoomMenu();
    if (changes) {
        scaleButton_->chooseZoom(chosen);
        applyZoomChange();
    }
}

void HRXPresetBarEditor::retire(HRXViewContainer* container) {
    if (host_ && host_->getEngine()->isAttached(container))
        host_->getEngine()->removeView(container);
    retiredContainers_.push_back(container);
}

void HRXPresetBarEditor::deleteRetired() {
    retiredPanels_.clear();
    for (HRXViewContainer* container : retiredContainers_)
        delete container;
    retiredContainers_.clear();
}
