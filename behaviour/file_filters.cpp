#include "file_filters.h"

#include "translation.h"

namespace skinwright::behaviour {
namespace {

std::string AllFiles()
{
    return Tr("All Files(*.*)") + "|*.*||";
}

std::string GifFiles()
{
    return Tr("GIF File(*.gif)") + "|*.gif|";
}

}  // namespace

std::string PacketFilter()
{
    return Tr("Motorola Skin File(*.ezx)") + "|*.ezx|" + AllFiles();
}

std::string PictureFilter()
{
    return GifFiles() + AllFiles();
}

std::string PicturePickFilter()
{
    return GifFiles();
}

}  // namespace skinwright::behaviour
