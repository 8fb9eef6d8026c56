// What the Viewer and the Builder share: messages owned by their window and
// captioned with the application's name, their section of the settings
// file, and a close that runs once, however the window closes.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "system_dialogs.h"

namespace skinwright::behaviour {

// The keys that close a window where the focused control does not take
// them (a push button clicks on Enter, the comments box makes a line break).
enum class ClosingKey { Enter, Escape };

// A window as its behaviour sees it: the owner of the dialogs it asks for.
class WindowView {
public:
    virtual ~WindowView() = default;
    virtual WindowHandle Window() = 0;
};

// A value a window remembers in its section of the settings file: the key,
// where the window keeps it, what it is when the key is missing, and, for a
// value not stored as it stands, how it is stored and read back.
template <class Window>
struct RememberedValue {
    std::string_view key;
    std::string Window::*member;
    std::string (*whenMissing)();
    std::string (*stored)(std::string_view) = nullptr;
    std::string (*readBack)(std::string_view) = nullptr;
};

class WindowBehaviour {
public:
    WindowBehaviour(const WindowBehaviour&) = delete;
    WindowBehaviour& operator=(const WindowBehaviour&) = delete;

    // Closing in any way ends here; what the window does then runs once.
    void Finish();

    // Enter or Esc pressed where no control takes it: whether the window
    // closes now. What closing with the key takes is taken first.
    bool ClosesOn(ClosingKey key);

protected:
    WindowBehaviour(WindowView& window, SystemDialogs& dialogs, std::filesystem::path settingsFile,
                    std::string_view section, std::string applicationName);
    virtual ~WindowBehaviour() = default;

    // Writes the settings, closes files: what closing the window does.
    virtual void Close() = 0;
    // What closing with Enter takes before the window closes.
    virtual void TakeBeforeClosingWithEnter() {}

    MessageAnswer Tell(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::Exclamation);
    // Every remembered value of the window, read from its section of the
    // settings file, or written there, in the order given.
    template <class Window>
    void ReadRemembered(Window& window, std::span<const RememberedValue<Window>> values) const
    {
        for (const RememberedValue<Window>& value : values) {
            std::string read = ReadKey(value.key, value.whenMissing());
            window.*value.member = value.readBack != nullptr ? value.readBack(read) : std::move(read);
        }
    }
    template <class Window>
    void WriteRemembered(const Window& window, std::span<const RememberedValue<Window>> values) const
    {
        for (const RememberedValue<Window>& value : values) {
            const std::string& kept = window.*value.member;
            WriteKey(value.key, value.stored != nullptr ? value.stored(kept) : kept);
        }
    }

    WindowHandle Window() const { return window_.Window(); }
    SystemDialogs& Dialogs() const { return dialogs_; }
    const std::string& ApplicationName() const { return applicationName_; }

private:
    std::string ReadKey(std::string_view key, std::string_view defaultValue) const;
    void WriteKey(std::string_view key, std::string_view value) const;

    WindowView& window_;
    SystemDialogs& dialogs_;
    std::filesystem::path settingsFile_;
    std::string section_;
    std::string applicationName_;
    bool finished_ = false;
};

}  // namespace skinwright::behaviour
