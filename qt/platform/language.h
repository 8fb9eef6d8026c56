// The windows speak the user's language: Skinwright's own texts from its
// built-in catalogs, Qt's (file dialogs, Yes and No) from Qt's translations.
#pragma once

class QCoreApplication;

namespace skinwright::platform {

// Call once the application object is made.
void SpeakUserLanguage(QCoreApplication& application);

}  // namespace skinwright::platform
