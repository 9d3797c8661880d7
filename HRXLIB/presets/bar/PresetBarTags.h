#pragma once

#include <cstdint>

// Tags of the preset bar's controls, of its menus and panels; every value
// change reaches the bar editor's one handler under its control's tag.
enum PresetBarTag : int32_t {
    kTagName = 30,
    kTagNudge = 32,
    kTagSave = 36,
    kTagCopy = 49,
    kTagPaste = 51,
    kTagManual = 55,
    kTagHints = 57,
    kTagZoom = 60,
    kTagZoomMenu = 61,
    kTagConfigPage = 62,
    kTagConfig = 63,
    kTagPresetGroup = 75,
    kTagCategoryColumn = 76,
    kTagPresetColumns = 77,
    kTagBottomInfo = 78,
    kTagUndoRedo = 81,
    kTagABSwitch = 82,
    kTagABCopy = 83,
    kTagClosePopups = 87,
    kTagDesignerLogo = 88,
    // The rename field and the panels.
    kTagRename = 100,
    kTagSaveName = 101,
    kTagSaveFolder = 102,
    kTagSaveConfirm = 103,
    kTagSaveCancel = 104,
    kTagReplace = 105,
    kTagKeep = 106,
    kTagMessageOK = 107,
};

// Messages the bar reports to the editor host around its menus and pages.
enum PresetBarMessage : int32_t {
    kReportPresetMenuOpening = 89,
    kReportPresetMenuClosed = 90,
    kReportConfigMenuOpening = 91,
    kReportConfigMenuClosed = 92,
    kReportPluginInfoPage = 93,
    kReportGlobalSettingsPage = 94,
};
// Notifications the bar acts on beyond those (57 hints, 59 zoom).
enum PresetBarNotification : int32_t {
    kNotifyReferenceTaken = 54,
    kNotifyRefreshAll = 69,
};
