// The file types the windows' file dialogs offer, in the bar-separated form
// the dialogs take: display text and pattern by turns, the display texts in
// the user's language.
#pragma once

#include <string>

namespace skinwright::behaviour {

// Opening a packet and saving a generated one:
// "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||".
std::string PacketFilter();
// Saving one picture: "GIF File(*.gif)|*.gif|All Files(*.*)|*.*||".
std::string PictureFilter();
// Picking pictures for the Builder's list: "GIF File(*.gif)|*.gif|".
std::string PicturePickFilter();

}  // namespace skinwright::behaviour
