// The product's editor content for the LV2 UI: beside the product's glue
// (HRX_HVTN_2210_LV2_Product.cpp) because only the UI library draws.
#include "HRXVSTGUIEditorWrapperV1.h"
#include "velvaTonEditor.h"

Brackenworks::HRXEditorFactory HRX_LV2_GetEditorFactory() {
    return &createVelvaTonEditor;
}
