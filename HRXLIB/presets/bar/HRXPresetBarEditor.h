#pragma once

#include <memory>
#include <string>
#include <vector>

#include "HRXMasterPresetBar.h"
#include "HRXMessageBox.h"
#include "PresetBarConfigMenu.h"
#include "PresetBarPresetMenu.h"

class ABCompPresetBarControl;
class ABCopyPresetBarControl;
class HRXPresetManager;
class HRXTextEdit;
class PresetBarBasicControl;
class PresetBarLabelButton;
class PresetBarNameControl;
class PresetBarPanel;
class PresetBarSavePanel;
class PresetBarScaleCornerControl;
class PresetBarScaleMenuButton;
class PresetBarScaleOptionMenu;
class PresetBarTwoArrowControl;

// The preset bar: the strip of controls above the editor and the zoom grip
// in its corner, the preset and configuration menus, the zoom menu and the
// panels that stand in for desktop dialogs. Every control reports to one
// handler keyed by its tag, which drives the instance's preset manager, the
// preset library, the menus and the window's zoom. While it runs a command
// the bar is the process's message box, so messages show in this window.
// User-interface thread only; nothing here waits.
class HRXPresetBarEditor : public HRXMasterPresetBar, public HRXMessageBox {
public:
    static constexpr double kBarHeight = 52.0;
    static constexpr double kGripSize = 20.0;

    // The manager is the instance's (not owned); null shows "00: current".
    explicit HRXPresetBarEditor(HRXPresetManager* manager);
    ~HRXPresetBarEditor() override;
    HRXPresetBarEditor(const HRXPresetBarEditor&) = delete;
    HRXPresetBarEditor& operator=(const HRXPresetBarEditor&) = delete;

    void open(HRXPresetBarHost* host, double width, double height) override;
    void close() override;
    void setEditorSize(double width, double height) override;
    void notify(int32_t id, double value) override;
    void controlChanged(int32_t tag, double value) override;
    void idle() override;

    // A message panel over the window (one OK button).
    void show(const std::string& title, const std::string& text) override;

    bool isPresetMenuOpen() const { return presetMenuOpen; }
    bool isConfigMenuOpen() const { return configMenuOpen; }
    bool isZoomMenuOpen() const { return zoomMenu != nullptr; }
    double getZoom() const { return zoom; }
    PresetBarNameControl* getNameControl() const { return nameControl; }
    PresetBarScaleMenuButton* getScaleButton() const { return scaleButton; }
    PresetBarScaleCornerControl* getScaleCorner() const { return scaleCorner; }
    ABCompPresetBarControl* getABSwitch() const { return abSwitch; }
    ABCopyPresetBarControl* getABCopy() const { return abCopy; }
    PresetBarScaleOptionMenu* getZoomMenu() const { return zoomMenu; }
    PresetBarPresetMenu& getPresetMenu() { return presetMenu; }
    PresetBarConfigMenu& getConfigMenu() { return configMenu; }
    // The panel shown (save, question or message), null when none.
    PresetBarPanel* getPanel() const { return panel.get(); }
    HRXTextEdit* getRenameField() const { return renameField; }

private:
    HRXRect windowRect() const { return {0.0, 0.0, width, kBarHeight + height}; }
    HRXRect menuRect() const { return {0.0, kBarHeight, width, kBarHeight + height}; }
    void report(int32_t message);
    void buildStrip();
    void layout();
    void refreshNameField();
    void refreshABControls();
    void refreshZoomLabels();
    void refreshPresetMenu();

    void togglePresetMenu();
    void openPresetMenu();
    void closePresetMenu();
    void toggleConfigMenu();
    void openConfigMenu();
    void closeConfigMenu();
    void openZoomMenu();
    void closeZoomMenu();
    void closePopups();
    void applyZoomChange();
    void storeZoomSetting();
    void zoomMenuChosen();

    void startRename();
    void renameEnded(double value);
    void startSave();
    void confirmSave();
    void writePreset(const std::string& path);

    void showPanel(PresetBarPanel* newPanel);
    void closePanel();
    void panelCommand(int32_t tag, double value);
    // Views whose own event may still be running are deleted at the next idle.
    void retire(HRXViewContainer* container);
    void deleteRetired();

    HRXPresetManager* manager;
    HRXPresetBarHost* host = nullptr;
    double width = 400.0;
    double height = 275.0;
    double zoom = 1.0;

    HRXViewContainer* strip = nullptr;
    HRXViewContainer* grip = nullptr;
    std::vector<PresetBarBasicControl*> fadingControls;
    PresetBarScaleMenuButton* scaleButton = nullptr;
    PresetBarTwoArrowControl* nudge = nullptr;
    PresetBarNameControl* nameControl = nullptr;
    PresetBarBasicControl* topCatcher = nullptr;
    PresetBarBasicControl* configButton = nullptr;
    PresetBarBasicControl* bottomCatcher = nullptr;
    ABCompPresetBarControl* abSwitch = nullptr;
    ABCopyPresetBarControl* abCopy = nullptr;
    PresetBarScaleCornerControl* scaleCorner = nullptr;

    PresetBarPresetMenu presetMenu;
    PresetBarConfigMenu configMenu;
    bool presetMenuOpen = false;
    bool configMenuOpen = false;
    bool changingPage = false;
    bool zoomSettingPending = false;

    HRXViewContainer* zoomMenuContainer = nullptr;
    PresetBarScaleOptionMenu* zoomMenu = nullptr;
    HRXViewContainer* renameContainer = nullptr;
    HRXTextEdit* renameField = nullptr;

    std::unique_ptr<PresetBarPanel> panel;
    // The save panel's folders (full paths), and a save waiting for an answer.
    std::vector<std::string> saveFolders;
    std::string pendingSavePath;

    std::vector<std::unique_ptr<PresetBarPanel>> retiredPanels;
    std::vector<HRXViewContainer*> retiredContainers;
};
