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
    explicit MessageBoxScope(HRXMessageBox* box) : previous(setMessageBox(box)) {}
    ~MessageBoxScope() { setMessageBox(previous); }
    MessageBoxScope(const MessageBoxScope&) = delete;
    MessageBoxScope& operator=(const MessageBoxScope&) = delete;

private:
    HRXMessageBox* previous;
};

}  // namespace

HRXPresetBarEditor::HRXPresetBarEditor(HRXPresetManager* manager) : manager(manager), presetMenu(manager) {}

HRXPresetBarEditor::~HRXPresetBarEditor() { close(); }

void HRXPresetBarEditor::report(int32_t message)
{
    if (host)
        host->getEngine()->editParameter(message, 1.0);
}

void HRXPresetBarEditor::open(HRXPresetBarHost* barHost, double editorWidth, double editorHeight)
{
    close();
    host = barHost;
    width = editorWidth;
    height = editorHeight;
    zoom = HRXGlobalSettings::limitZoomFactor(host->getEngine()->getZoomFactor());
    buildStrip();
    presetMenu.build(host, menuRect());
    configMenu.build(host, menuRect());
    layout();
    refreshNameField();
    refreshABControls();
    refreshZoomLabels();
}

void HRXPresetBarEditor::buildStrip()
{
    strip = host->createPresetBarContainer({0.0, 0.0, width, kBarHeight});
    grip = host->createPresetBarContainer({});

    scaleButton = new PresetBarScaleMenuButton(kZoomButtonRect, kTagZoom);
    scaleButton->setTooltip("Scroll this percentage up or down to change the GUIs zoom factor. Double click to reset "
                            "its state to the default size (100%)");
    nudge = new PresetBarNudgeControl({62.0, -1.0, 122.0, 27.0}, kTagNudge);
    nudge->setTooltip("Click the left/right arrow to switch the prev/next preset from the list");
    nameControl = new PresetBarNameControl({128.0, 3.0, 366.0, 23.0}, kTagName);
    nameControl->setTooltip("Click to see the pop-up menu of all the presets in the currently loaded bank / "
                            "Right-Click to edit the current preset name");
    topCatcher = new PresetBarClickCatcher({}, kTagClosePopups);
    configButton = new PresetBarConfigMenuButton({}, kTagConfig);
    configButton->setTooltip("Click to open configuration menu");
    auto* save = new PresetBarLabelButton({0.0, 25.0, 60.0, 53.0}, kTagSave, "Save");
    save->setTooltip("Click to save current setup as a *.hrx preset file");
    auto* copy = new PresetBarLabelButton({62.0, 25.0, 122.0, 53.0}, kTagCopy, "Copy");
    copy->setTooltip("Click to copy the current preset to clipboard");
    auto* paste = new PresetBarLabelButton({124.0, 25.0, 184.0, 53.0}, kTagPaste, "Paste");
    paste->setTooltip("Click to paste the preset from clipboard");
    abSwitch = new ABCompPresetBarControl({186.0, 25.0, 246.0, 53.0}, kTagABSwitch);
    abSwitch->setTooltip("Click to switch between A and B setups");
    abCopy = new ABCopyPresetBarControl({248.0, 25.0, 308.0, 53.0}, kTagABCopy);
    abCopy->setTooltip("Click to copy settings between A and B setups");
    auto* undoRedo = new PresetBarUndoRedoControl({310.0, 25.0, 370.0, 53.0}, kTagUndoRedo);
    undoRedo->setTooltip("Click the left/right arrow to undo/redo action");
    bottomCatcher = new PresetBarClickCatcher({}, kTagClosePopups);
    scaleCorner = new PresetBarScaleCornerControl({0.0, 0.0, kGripSize, kGripSize}, kTagZoom);
    scaleCorner->setTooltip("Drag to change the GUIs zoom factor");

    fadingControls = {scaleButton, nudge, nameControl, configButton, save,     copy,       paste,
                      abSwitch,    abCopy, undoRedo,   topCatcher,   bottomCatcher, scaleCorner};
    for (PresetBarBasicControl* control : fadingControls) {
        if (control != scaleCorner)
            strip->addControl(control);
    }
    grip->addControl(scaleCorner);
    host->getEngine()->addView(strip);
    host->getEngine()->addView(grip);
}

// The controls that follow the editor's width and height.
void HRXPresetBarEditor::layout()
{
    if (!strip)
        return;
    strip->setViewSize({0.0, 0.0, width, kBarHeight});
    topCatcher->setViewSize({367.0, -1.0, width - 30.0, 27.0});
    configButton->setViewSize({width - 29.0, -1.0, width + 1.0, 27.0});
    bottomCatcher->setViewSize({371.0, 25.0, width + 1.0, 53.0});
    const HRXRect gripRect{width - kGripSize, kBarHeight + height - kGripSize, width, kBarHeight + height};
    grip->setViewSize(gripRect);
    scaleCorner->setPlacement({gripRect.left, gripRect.top}, width, kBarHeight + height);
    presetMenu.setRect(menuRect());
    configMenu.setRect(menuRect());
}

void HRXPresetBarEditor::close()
{
    if (!host)
        return;
    storeZoomSetting();
    closePresetMenu();
    closeConfigMenu();
    closeZoomMenu();
    panel.reset();
    if (renameContainer)
        retire(renameContainer);
    renameContainer = nullptr;
    renameField = nullptr;
    deleteRetired();
    presetMenu.destroy();
    configMenu.destroy();
    // The frame keeps the attached views until it goes.
    delete strip;
    delete grip;
    strip = grip = nullptr;
    fadingControls.clear();
    scaleButton = nullptr;
    nudge = nullptr;
    nameControl = nullptr;
    topCatcher = configButton = bottomCatcher = nullptr;
    abSwitch = nullptr;
    abCopy = nullptr;
    scaleCorner = nullptr;
    host = nullptr;
}

void HRXPresetBarEditor::setEditorSize(double editorWidth, double editorHeight)
{
    width = editorWidth;
    height = editorHeight;
    layout();
    // The window may have been zoomed from outside the bar.
    if (host) {
        zoom = HRXGlobalSettings::limitZoomFactor(host->getEngine()->getZoomFactor());
        refreshZoomLabels();
    }
}

void HRXPresetBarEditor::notify(int32_t id, double value)
{
    if (!host || changingPage)
        return;
    switch (id) {
    case kNotifyReferenceTaken:
        if (manager) {
            *manager->getActiveReference() = *manager->getActiveCurrent();
            *manager->getActiveModified() = 0;
        }
        refreshNameField();
        break;
    case kMessageHints:
        configMenu.hintsChanged(value);
        break;
    case kMessageZoom:
        refreshZoomLabels();
        break;
    case kNotifyRefreshAll:
        refreshNameField();
        refreshPresetMenu();
        refreshABControls();
        refreshZoomLabels();
        break;
    case kReportPluginInfoPage:
        configMenu.showPage(PresetBarConfigMenu::Page::PluginInfo);
        break;
    case kReportGlobalSettingsPage:
        configMenu.showPage(PresetBarConfigMenu::Page::GlobalSettings);
        break;
    default:
        break;
    }
}

void HRXPresetBarEditor::controlChanged(int32_t tag, double value)
{
    if (!host)
        return;
    MessageBoxScope messages(this);
    switch (tag) {
    case kTagName:
        if (nameControl->takeRenameRequest())
            startRename();
        else
            togglePresetMenu();
        break;
    case kTagNudge:
        if (manager) {
            if (value <= 0.5)
                manager->previousPreset();
            else
                manager->nextPreset();
        }
        refreshNameField();
        refreshPresetMenu();
        break;
    case kTagSave:
        startSave();
        break;
    case kTagCopy:
        if (manager)
            manager->copyToClipboard();
        break;
    case kTagPaste:
        if (manager)
            manager->pasteFromClipboard();
        refreshNameField();
        refreshABControls();
        break;
    case kTagManual:
    case kTagHints:
        configMenu.handle(tag, value);
        break;
    case kTagConfigPage:
        changingPage = true;
        configMenu.handle(tag, value);
        changingPage = false;
        break;
    case kTagZoom:
        applyZoomChange();
        break;
    case kTagZoomMenu:
        zoomMenuChosen();
        break;
    case kTagConfig:
        toggleConfigMenu();
        break;
    case kTagPresetGroup:
    case kTagCategoryColumn:
    case kTagPresetColumns:
    case kTagBottomInfo:
    case kTagDesignerLogo: {
        const PresetBarPresetMenu::Result result = presetMenu.handle(tag, value);
        if (result != PresetBarPresetMenu::Result::Stay)
            closePresetMenu();
        if (result == PresetBarPresetMenu::Result::Loaded)
            refreshNameField();
        break;
    }
    case kTagUndoRedo:
        if (manager) {
            if (value <= 0.5)
                manager->undo();
            else
                manager->redo();
        }
        refreshNameField();
        refreshPresetMenu();
        break;
    case kTagABSwitch:
        if (manager)
            manager->selectSetup(value);
        refreshABControls();
        refreshNameField();
        refreshPresetMenu();
        break;
    case kTagABCopy:
        if (manager)
            manager->copySetup();
        break;
    case kTagClosePopups:
        closePopups();
        break;
    case kTagRename:
        renameEnded(value);
        break;
    case kTagSaveName:
    case kTagSaveFolder:
    case kTagSaveConfirm:
    case kTagSaveCancel:
    case kTagReplace:
    case kTagKeep:
    case kTagMessageOK:
        panelCommand(tag, value);
        break;
    default:
        break;
    }
}

void HRXPresetBarEditor::idle()
{
    if (!host)
        return;
    for (PresetBarBasicControl* control : fadingControls)
        control->tickFade();
    // Edits, host changes and restored states reach the manager without the
    // bar: what the bar shows follows it here.
    refreshNameField();
    refreshABControls();
    // The stored zoom is written once a drag of the grip has ended, not at
    // every step of it.
    if (!scaleCorner->isDragging())
        storeZoomSetting();
    deleteRetired();
}

// Setting 59 holds the zoom factor divided by 10.
void HRXPresetBarEditor::storeZoomSetting()
{
    if (!zoomSettingPending)
        return;
    zoomSettingPending = false;
    HRXGlobalSettings::write(HRXGlobalSettings::kZoom,
                             HRXGlobalSettings::limitZoomFactor(HRXGlobalSettings::zoomPercent() * 0.01) * 0.1);
}

void HRXPresetBarEditor::refreshNameField()
{
    if (!nameControl)
        return;
    char prefix[16];
    std::string name = "current";
    bool modified = false;
    if (!manager) {
        std::snprintf(prefix, sizeof prefix, "0%d: ", 0);
    } else {
        const int32_t index = manager->presetIndex;
        if (index >= 0)
            std::snprintf(prefix, sizeof prefix, index < 10 ? "0%d: " : "%d: ", static_cast<int>(index));
        else
            std::snprintf(prefix, sizeof prefix, "CP:");
        if (const HRXPresetRecord* record = manager->getActiveCurrent())
            name.assign(record->name, strnlen(record->name, sizeof record->name));
        modified = *manager->getActiveModified() != 0;
    }
    nameControl->setDisplay(prefix, name, modified);
}

void HRXPresetBarEditor::refreshABControls()
{
    if (!abSwitch || !manager)
        return;
    const bool b = manager->isSetupBActive();
    if ((abSwitch->getValue() > 0.5) != b)
        abSwitch->showSetupB(b);
    abCopy->showFromB(b);
}

void HRXPresetBarEditor::refreshZoomLabels()
{
    if (!scaleButton)
        return;
    scaleButton->setZoom(zoom);
    scaleCorner->setZoom(zoom);
    if (zoomMenu)
        zoomMenu->setCheckedTag(HRXGlobalSettings::zoomPercentOf(zoom));
}

void HRXPresetBarEditor::refreshPresetMenu()
{
    if (presetMenuOpen)
        presetMenu.refresh();
}

void HRXPresetBarEditor::togglePresetMenu()
{
    if (presetMenuOpen)
        closePresetMenu();
    else
        openPresetMenu();
}

void HRXPresetBarEditor::openPresetMenu()
{
    if (presetMenuOpen || !presetMenu.getContainer())
        return;
    closeConfigMenu();
    // The editor grows for the menu (and lays the bar out again) first.
    report(kReportPresetMenuOpening);
    host->getEngine()->addView(presetMenu.getContainer());
    host->setModalContainer(presetMenu.getContainer());
    presetMenuOpen = true;
    presetMenu.refresh();
    nameControl->setValue(1.0);
    nameControl->redraw();
}

void HRXPresetBarEditor::closePresetMenu()
{
    if (!presetMenuOpen)
        return;
    presetMenuOpen = false;
    host->setModalContainer(nullptr);
    host->getEngine()->removeView(presetMenu.getContainer());
    nameControl->setValue(0.0);
    nameControl->redraw();
    report(kReportPresetMenuClosed);
}

void HRXPresetBarEditor::toggleConfigMenu()
{
    if (configMenuOpen)
        closeConfigMenu();
    else
        openConfigMenu();
}

void HRXPresetBarEditor::openConfigMenu()
{
    if (configMenuOpen || !configMenu.getContainer())
        return;
    closePresetMenu();
    report(kReportConfigMenuOpening);
    configMenu.prepareOpening();
    host->getEngine()->addView(configMenu.getContainer());
    host->setModalContainer(configMenu.getContainer());
    configMenuOpen = true;
    configButton->setValue(1.0);
    configButton->redraw();
}

void HRXPresetBarEditor::closeConfigMenu()
{
    if (!configMenuOpen)
        return;
    configMenuOpen = false;
    host->setModalContainer(nullptr);
    host->getEngine()->removeView(configMenu.getContainer());
    configButton->setValue(0.0);
    configButton->redraw();
    report(kReportGlobalSettingsPage);
    report(kReportConfigMenuClosed);
}

void HRXPresetBarEditor::openZoomMenu()
{
    if (zoomMenuContainer)
        return;
    zoomMenuContainer = host->createPresetBarContainer(windowRect());
    zoomMenuContainer->addControl(new PresetBarScaleOptionMenuHandler(windowRect(), kTagClosePopups, kZoomButtonRect));
    zoomMenu = new PresetBarScaleOptionMenu({0.0, kZoomMenuTop}, kTagZoomMenu);
    zoomMenu->setCheckedTag(HRXGlobalSettings::zoomPercentOf(zoom));
    zoomMenuContainer->addControl(zoomMenu);
    host->getEngine()->addView(zoomMenuContainer);
    scaleButton->setValue(1.0);
    scaleButton->setActive(true);
}

void HRXPresetBarEditor::closeZoomMenu()
{
    if (!zoomMenuContainer)
        return;
    retire(zoomMenuContainer);
    zoomMenuContainer = nullptr;
    zoomMenu = nullptr;
    if (scaleButton) {
        scaleButton->setValue(0.0);
        scaleButton->setActive(false);
    }
}

void HRXPresetBarEditor::closePopups()
{
    closePresetMenu();
    closeConfigMenu();
    closeZoomMenu();
}

// Command 60: the zoom from the button when the user changed it there, else
// from the grip; the window follows, and the zoom is this instance's, the
// process's and the user's setting from now on.
void HRXPresetBarEditor::applyZoomChange()
{
    PresetBarScaleMenuButton* source = scaleButton->wasChangedByUser() ? scaleButton : scaleCorner;
    zoom = HRXGlobalSettings::limitZoomFactor(source->getZoom());
    scaleButton->clearChangedByUser();
    scaleCorner->clearChangedByUser();
    host->zoomEditor(zoom);
    const int32_t percent = HRXGlobalSettings::zoomPercentOf(zoom);
    if (manager)
        manager->zoomPercent = percent;
    HRXGlobalSettings::setZoomPercent(percent);
    zoomSettingPending = true;
    refreshZoomLabels();
    switch (scaleButton->takeMenuRequest()) {
    case PresetBarScaleMenuButton::MenuRequest::Open: openZoomMenu(); break;
    case PresetBarScaleMenuButton::MenuRequest::Close: closeZoomMenu(); break;
    case PresetBarScaleMenuButton::MenuRequest::None: break;
    }
}

void HRXPresetBarEditor::zoomMenuChosen()
{
    if (!zoomMenu)
        return;
    double chosen = zoom;
    const bool changes = PresetBarScaleOptionMenu::zoomForItem(zoomMenu->getChosenTag(), zoom, chosen);
    closeZoomMenu();
    if (changes) {
        scaleButton->chooseZoom(chosen);
        applyZoomChange();
    }
}

void HRXPresetBarEditor::retire(HRXViewContainer* container)
{
    if (host && host->getEngine()->isAttached(container))
        host->getEngine()->removeView(container);
    retiredContainers.push_back(container);
}

void HRXPresetBarEditor::deleteRetired()
{
    retiredPanels.clear();
    for (HRXViewContainer* container : retiredContainers)
        delete container;
    retiredContainers.clear();
}
