#include "picture_picker.h"

namespace skinwright::builder {

PicturePicker::PicturePicker(const std::filesystem::path& initialFolder, behaviour::WindowHandle owner,
                             behaviour::SystemDialogs& dialogs)
    : initialFolder_(initialFolder), owner_(owner), dialogs_(dialogs)
{
}

std::vector<std::filesystem::path> PicturePicker::Show()
{
    behaviour::FileRequest request;
    request.owner = owner_;
    request.initialFolder = initialFolder_;
    request.initialName = "*.gif";
    request.defaultExtension = "gif";
    request.filter = "GIF File(*.gif)|*.gif|";
    request.multiSelect = true;
    return dialogs_.AskForFiles(request);
}

}  // namespace skinwright::builder
