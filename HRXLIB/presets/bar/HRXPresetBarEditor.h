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

    bool isPresetMenuOpen() const { return presetMenuOpen_; }
    bool isConfigMenuOpen() const { return configMenuOpen_; }
    bool isZoomMenuOpen() const { return zoomMenu_ != nullptr; }
    double getZoom() const { return zoom_; }
    PresetBarNameControl* getNameControl() const { return nameControl_; }
    PresetBarScaleMenuButton* getScaleButton() const { return scaleButton_; }
    PresetBarScaleCornerControl* getScaleCorner() const { return scaleCorner_; }
    ABCompPresetBarControl* getABSwitch() const { return abSwitch_; }
    ABCopyPresetBarControl* getABCopy() const { return abCopy_; }
    PresetBarScaleOptionMenu* getZoomMenu() const { return zoomMenu_; }
    PresetBarPresetMenu& getPresetMenu() { return presetMenu_; }
    PresetBarConfigMenu& getConfigMenu() { return configMenu_; }
    // The panel shown (save, question or message), null when none.
    PresetBarPanel* getPanel() const { return panel_.get(); }
    HRXTextEdit* getRenameField() const { return renameField_; }

private:
    HRXRect windowRect() const { return {0.0, 0.0, width_, kBarHeight + height_}; }
    HRXRect menuRect() const { return {0.0, kBarHeight, width_, kBarHeight + height_}; }
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

    HRXPresetManager* manager_;
    HRXPresetBarHost* host_ = nullptr;
    double width_ = 400.0;
    double height_ = 275.0;
    double zoom_ = 1.0;

    HRXViewContainer* strip_ = nullptr;
    HRXViewContainer* grip_ = nullptr;
    std::vector<PresetBarBasicControl*> fadingControls_;
    PresetBarScaleMenuButton* scaleButton_ = nullptr;
    PresetBarTwoArrowControl* nudge_ = nullptr;
    PresetBarNameControl* nameControl_ = nullptr;
    PresetBarBasicControl* topCatcher_ = nullptr;
    PresetBarBasicControl* configButton_ = nullptr;
    PresetBarBasicControl* bottomCatcher_ = nullptr;
    ABCompPresetBarControl* abSwitch_ = nullptr;
    ABCopyPresetBarControl* abCopy_ = nullptr;
    PresetBarScaleCornerControl* scaleCorner_ = nullptr;

    PresetBarPresetMenu presetMenu_;
    PresetBarConfigMenu configMenu_;
    bool presetMenuOpen_ = false;
    bool configMenuOpen_ = false;
    bool changingPage_ = false;
    bool zoomSettingPending_ = false;

    HRXViewContainer* zoomMenuContainer_ = nullptr;
    PresetBarScaleOptionMenu* zoomMenu_ = nullptr;
    HRXViewContainer* renameContainer_ = nullptr;
    HRXTextEdit* renameField_ = nullptr;

    std::unique_ptr<PresetBarPanel> panel_;
    // The save panel's folders (full paths), and a save waiting for an answer.
    std::vector<std::string> saveFolders_;
    std::string pendingSavePath_;

    std::vector<std::unique_ptr<PresetBarPanel>> retiredPanels_;
    std::vector<HRXViewContainer*> retiredContainers_;
};
