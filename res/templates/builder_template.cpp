#include "dialog_templates.h"

#include "core/filled_text.h"

namespace skinwright::templates {


const DialogTemplate& BuilderTemplate()
{
    static const DialogTemplate dialog{
        .title = N_("Make New iconres.ezx Packet"),
        .width = 453,
        .height = 205,
        .windowStyle = window_style::kSystemMenu | window_style::kMinimizeBox,
        .controls = {
            {builder::kResourceList, ControlKind::ListView,
             style::kSingleSelection | style::kShowSelectionAlways | style::kBorder, {}, 7, 40, 314, 159,
             N_("Resources of the new packet")},
            {builder::kGenerateButton, ControlKind::OwnerDrawButton, style::kNone,
             N_("Generate Packet ..."), 335, 174, 104, 21},
            {kNoId, ControlKind::StaticText, style::kNone,
             N_("Work Folder(where your picture locating):"), 7, 11, 165, 8},
            {builder::kWorkFolderBox, ControlKind::Edit, style::kBorder | style::kAutoHScroll, {}, 178, 7, 243, 15},
            {builder::kPickFolderButton, ControlKind::PushButton, style::kNone, "?", 427, 7, 19, 16,
             N_("Choose the work folder")},
            {kNoId, ControlKind::StaticText, style::kNone, N_("Your Comments:"), 327, 27, 57, 8},
            {builder::kCommentsBox, ControlKind::Edit,
             style::kMultiLine | style::kVerticalScrollBar | style::kAutoVScroll | style::kAutoHScroll | style::kBorder,
             {}, 326, 40, 120, 83},
            {builder::kCountText, ControlKind::StaticText, style::kNone,
             N_("New packet has 0 valid resources."), 7, 27, 133, 8},
            {builder::kAddButton, ControlKind::PushButton, style::kNone, N_("Add Resource ..."), 335, 130,
             104, 14},
            {builder::kRemoveButton, ControlKind::PushButton, style::kNone, N_("Remove"), 335, 149, 48, 14},
            {builder::kRemoveAllButton, ControlKind::PushButton, style::kNone, N_("Remove All"), 391, 149,
             48, 14},
        },
    };
    return dialog;
}

}  // namespace skinwright::templates
