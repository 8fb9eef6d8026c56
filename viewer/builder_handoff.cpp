// "Build New Resource Packet ...": a fresh Builder for each click, offered
// the loaded packet's rows as its template, shown modally and discarded.
// Nothing of the Builder comes back into the Viewer.
#include "viewer_dialog.h"

#include "builder/builder_dialog.h"
#include "core/resource_list.h"
#include "platform/modal.h"

namespace skinwright::viewer {

void ViewerDialog::OnBuildNewPacket()
{
    builder::BuilderDialog builder(
        {environment_.dialogs, environment_.settingsPath, environment_.applicationName}, this);
    if (reader_.IsLoaded()
        && Tell(QStringLiteral("Use the opened resource packet as template?"), behaviour::MessageButtons::YesNo)
            == behaviour::MessageAnswer::Yes)
        CopyFromTemplate(builder.ResourceList(), reader_.Table());
    platform::RunModal(builder);
}

}  // namespace skinwright::viewer
