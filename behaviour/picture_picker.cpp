#include "picture_picker.h"

#include "file_filters.h"

namespace skinwright::behaviour {

PicturePicker::PicturePicker(const std::filesystem::path& initialFolder, WindowHandle owner,
                             SystemDialogs& dialogs)
    : initialFolder_(initialFolder), owner_(owner), dialogs_(dialogs)
{
}

std::vector<std::filesystem::path> PicturePicker::Show()
{
    FileRequest request;
    request.owner = owner_;
    request.initialFolder = initialFolder_;
    request.initialName = "*.gif";
    request.defaultExtension = "gif";
    request.filter = PicturePickFilter();
    request.multiSelect = true;
    return dialogs_.AskForFiles(request);
}

}  // namespace skinwright::behaviour
