#include "dialog_templates.h"

#include "core/filled_text.h"

namespace skinwright::templates {


const DialogTemplate& AboutTemplate()
{
    static const DialogTemplate dialog{
        .title = N_("Motorola Skin Skinwright Editor"),
        .width = 304,
        .height = 183,
        .windowStyle = window_style::kSystemMenu,
        .controls = {
            {kNoId, ControlKind::Icon, style::kNone, {}, 11, 17, 20, 20},
            {kNoId, ControlKind::StaticText, style::kNoMnemonic, "Skinwright V1.0", 40, 10, 119, 8},
            {about::kOkButton, ControlKind::DefaultPushButton, style::kNone, N_("OK"), 247, 7, 50, 14},
            {about::kUsageText, ControlKind::Edit, style::kMultiLine | style::kReadOnly | style::kAutoHScroll, {},
             42, 45, 255, 131, N_("How Skinwright is used")},
        },
    };
    return dialog;
}

}  // namespace skinwright::templates
