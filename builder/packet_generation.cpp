// "Generate Packet ...": asks where to save, then has the core lay out,
// measure and write the packet from the resource list, the comments and the
// pictures of the work folder.
#include "builder_dialog.h"

#include "core/comment_text.h"
#include "core/packet_writer.h"
#include "platform/paths.h"
#include "platform/qt_system_dialogs.h"

namespace skinwright::builder {

void BuilderDialog::GeneratePacket()
{
    behaviour::FileRequest request;
    request.owner = platform::HandleOf(this);
    request.save = true;
    request.defaultExtension = "ezx";
    request.initialName = (packetFolder_ + QStringLiteral("iconres.ezx")).toStdString();
    request.filter = "Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||";
    request.confirmOverwrite = true;
    const std::vector<std::filesystem::path> chosen = environment_.dialogs.AskForFiles(request);
    if (chosen.empty())
        return;
    const QString packetPath = platform::FromFileSystemPath(chosen.front());
    packetFolder_ = packetPath.left(packetPath.lastIndexOf(u'/') + 1);

    Tell(QStringLiteral("Before build, please make sure all resource files are locating in work folder."));

    const CommentResult comment = CommentFromUtf8(comments_.toStdString());
    if (!comment.ok) {
        Tell(QStringLiteral("Comments hold characters that cannot be stored in a resource packet, cannot continue!"));
        return;
    }
    const WriteResult written = GeneratePacketFile(*table_, comment.comment, platform::ToFileSystemPath(workFolder_),
        platform::ToFileSystemPath(packetPath));
    if (!written) {
        Tell(QString::fromStdString(written.message));
        return;
    }
    Tell(QStringLiteral("Successfully built ") + packetPath + QStringLiteral("!"), behaviour::MessageButtons::Ok,
        behaviour::MessageIcon::None);
    repaint();
}

}  // namespace skinwright::builder
