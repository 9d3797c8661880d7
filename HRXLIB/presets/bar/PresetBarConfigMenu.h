#pragma once

#include <cstdint>
#include <string>

#include "HRXGeometry.h"

class HRXConfigMenu2waySwitch;
class HRXConfigMenuGroupSwitch;
class HRXConfigMenuKickButton;
class HRXConfigPluginInfoText;
class HRXPresetBarHost;
class HRXViewContainer;
class PresetBarCloseButton;
class PresetBarConfigBackground;

// The configuration menu: two pages over the editor. "Global settings"
// opens the user manual and shows or hides the controls' tooltips in every
// editor of the process; "Plugin info" shows the version line above the
// about box, which the page's message (93) brings up.
class PresetBarConfigMenu {
public:
    enum class Page : int32_t { GlobalSettings = 0, PluginInfo = 1 };

    PresetBarConfigMenu() = default;
    ~PresetBarConfigMenu() { destroy(); }
    PresetBarConfigMenu(const PresetBarConfigMenu&) = delete;
    PresetBarConfigMenu& operator=(const PresetBarConfigMenu&) = delete;

    // Builds the panel over `rect` (window units), not attached yet.
    void build(HRXPresetBarHost* host, const HRXRect& rect);
    void destroy();
    void setRect(const HRXRect& rect);
    HRXViewContainer* getContainer() const { return container_; }

    // Opening: the hints switch shows the process's hints flag.
    void prepareOpening();
    // Tags 55 (manual), 57 (hints), 62 (page).
    void handle(int32_t tag, double value);
    // Shows a page without reporting it (a message from elsewhere).
    void showPage(Page newPage);
    Page getPage() const { return page_; }
    // Notification 57: the hints flag changed elsewhere.
    void hintsChanged(double value);
    // The version line: "v.2.2.1 (sh.6.4.6) build:07041411aax.x64".
    const std::string& getVersionLine() const { return versionLine_; }

    HRXConfigMenuGroupSwitch* getPageSwitch() const { return pageSwitch_; }
    HRXConfigMenu2waySwitch* getHintsSwitch() const { return hintsSwitch_; }
    HRXConfigMenuKickButton* getManualButton() const { return manualButton_; }
    HRXConfigPluginInfoText* getInfoText() const { return infoText_; }
    PresetBarCloseButton* getCloseButton() const { return closeButton_; }

private:
    void layout(double width, double height);
    void setHints(int32_t hints);
    void openManual();

    HRXPresetBarHost* host_ = nullptr;
    HRXViewContainer* container_ = nullptr;
    PresetBarConfigBackground* background_ = nullptr;
    HRXConfigMenuGroupSwitch* pageSwitch_ = nullptr;
    PresetBarCloseButton* closeButton_ = nullptr;
    HRXConfigMenuKickButton* manualButton_ = nullptr;
    HRXConfigMenu2waySwitch* hintsSwitch_ = nullptr;
    HRXConfigPluginInfoText* infoText_ = nullptr;
    Page page_ = Page::GlobalSettings;
    std::string versionLine_;
};
