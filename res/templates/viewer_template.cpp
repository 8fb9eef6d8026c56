#include "dialog_templates.h"

#include "core/filled_text.h"

namespace skinwright::templates {


const DialogTemplate& ViewerTemplate()
{
    static const DialogTemplate dialog{
        .title = N_("Skinwright (Moto Skin)"),
        .width = 494,
        .height = 231,
        .windowStyle = window_style::kSystemMenu | window_style::kMinimizeBox | window_style::kAppWindow,
        .controls = {
            {kNoId, ControlKind::StaticText, style::kNone, N_("Resource Packet:"), 7, 10, 65, 8},
            {viewer::kPathField, ControlKind::Edit, style::kBorder | style::kAutoHScroll, {}, 80, 7, 381, 15},
            {viewer::kPickButton, ControlKind::PushButton, style::kNone, "?", 468, 7, 19, 16,
             N_("Choose the resource packet")},
            {viewer::kResourceList, ControlKind::ListView,
             style::kSingleSelection | style::kShowSelectionAlways | style::kBorder, {}, 7, 27, 314, 179,
             N_("Resources of the opened packet")},
            {viewer::kSaveAsButton, ControlKind::PushButton, style::kNone, N_("Save As ..."), 332, 28, 97,
             14},
            {viewer::kSaveAllButton, ControlKind::PushButton, style::kNone, N_("Save All ..."), 332, 47,
             97, 14},
            {viewer::kPictureArea, ControlKind::Picture, style::kBorder, {}, 325, 67, 162, 157,
             std::string(viewer::kNoPictureName)},
            {viewer::kStatusLine, ControlKind::StaticText, style::kCenter | style::kCenterVertically,
             N_("No opened resource packet."), 7, 212, 159, 12},
            {viewer::kBuildButton, ControlKind::PushButton, style::kNone,
             N_("Build New Resource Packet ..."), 178, 210, 128, 14},
            {viewer::kHelpButton, ControlKind::OwnerDrawButton, style::kNone, N_("Help"), 435, 29, 41, 30},
        },
    };
    return dialog;
}

}  // namespace skinwright::templates
