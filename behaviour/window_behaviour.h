// What the Viewer and the Builder share: messages owned by their window and
// captioned with the application's name, their section of the settings
// file, and a close that runs once, however the window closes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "system_dialogs.h"

namespace skinwright::behaviour {

// A window as its behaviour sees it: the owner of the dialogs it asks for.
class WindowView {
public:
    virtual ~WindowView() = default;
    virtual WindowHandle Window() = 0;
};

class WindowBehaviour {
public:
    WindowBehaviour(const WindowBehaviour&) = delete;
    WindowBehaviour& operator=(const WindowBehaviour&) = delete;

    // Closing in any way ends here; what the window does then runs once.
    void Finish();

protected:
    WindowBehaviour(WindowView& window, SystemDialogs& dialogs, std::filesystem::path settingsFile,
                    std::string_view section, std::string applicationName);
    virtual ~WindowBehaviour() = default;

    // Writes the settings, closes files: what closing the window does.
    virtual void Close() = 0;

    MessageAnswer Tell(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::Exclamation);
    // A key of the window's section of the settings file.
    std::string ReadKey(std::string_view key, std::string_view defaultValue) const;
    void WriteKey(std::string_view key, std::string_view value) const;

    WindowHandle Window() const { return window_.Window(); }
    SystemDialogs& Dialogs() const { return dialogs_; }
    const std::string& ApplicationName() const { return applicationName_; }

private:
    WindowView& window_;
    SystemDialogs& dialogs_;
    std::filesystem::path settingsFile_;
    std::string section_;
    std::string applicationName_;
    bool finished_ = false;
};

}  // namespace skinwright::behaviour
