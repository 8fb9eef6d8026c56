// "Generate Packet ...": asks where to save, then has the core lay out,
// measure and write the packet from the resource list, the comments and the
// pictures of the work folder.
#include "builder_dialog.h"

#include "core/comment_text.h"
#include "core/packet_writer.h"
#include "platform/paths.h"

namespace skinwright::builder {

void BuilderDialog::GeneratePacket()
{
    platform::FileRequest request;
    request.owner = this;
    request.save = true;
    request.defaultExtension = QStringLiteral("ezx");
    request.initialName = packetFolder_ + QStringLiteral("iconres.ezx");
    request.filter = QStringLiteral("Motorola Skin File(*.ezx)|*.ezx|All Files(*.*)|*.*||");
    request.confirmOverwrite = true;
    const QStringList chosen = environment_.dialogs.AskForFiles(request);
    if (chosen.isEmpty())
        return;
    const QString packetPath = chosen.first();
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
    Tell(QStringLiteral("Successfully built ") + packetPath + QStringLiteral("!"), platform::MessageButtons::Ok,
        platform::MessageIcon::None);
    repaint();
}

}  // namespace skinwright::builder
