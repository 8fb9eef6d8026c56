// The file types the windows' file dialogs offer, in the bar-separated form
// the dialogs take: display text and pattern by turns.
#pragma once

#include <string_view>

namespace skinwright::behaviour {

// Opening a packet and saving a generated one.
inline constexpr std::string_view kPacketFilter = "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||";
// Saving one picture.
inline constexpr std::string_view kPictureFilter = "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||";
// Picking pictures for the Builder's list.
inline constexpr std::string_view kPicturePickFilter = "GIF File(*.gif)|*.gif|";

}  // namespace skinwright::behaviour
