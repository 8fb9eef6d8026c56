// The dialog templates of the windows, and the ids of their controls.
#pragma once

#include <string_view>

#include "core/filled_text.h"
#include "dialog_template.h"

namespace skinwright::templates {

namespace about {
inline constexpr int kOkButton = 1;
inline constexpr int kUsageText = 1004;
}  // namespace about

namespace viewer {
inline constexpr int kSaveAsButton = 3;
inline constexpr int kSaveAllButton = 4;
inline constexpr int kBuildButton = 5;
inline constexpr int kPathField = 1000;
inline constexpr int kPickButton = 1001;
inline constexpr int kResourceList = 1002;
inline constexpr int kPictureArea = 1003;
inline constexpr int kStatusLine = 1005;
inline constexpr int kHelpButton = 1006;
// What a screen reader calls the picture area while it shows no picture.
inline constexpr std::string_view kNoPictureName = N_("No picture shown");
}  // namespace viewer

namespace builder {
inline constexpr int kResourceList = 1002;
inline constexpr int kWorkFolderBox = 1003;
inline constexpr int kPickFolderButton = 1004;
inline constexpr int kCountText = 1005;
inline constexpr int kGenerateButton = 1006;
inline constexpr int kCommentsBox = 1007;
inline constexpr int kAddButton = 1008;
inline constexpr int kRemoveButton = 1009;
inline constexpr int kRemoveAllButton = 1010;
}  // namespace builder

// Template 100: "Motorola Skin Skinwright Editor".
const DialogTemplate& AboutTemplate();

// Template 102: "Skinwright (Moto Skin)".
const DialogTemplate& ViewerTemplate();

// Template 129: "Make New iconres.ezx Packet".
const DialogTemplate& BuilderTemplate();

}  // namespace skinwright::templates
