#include "window_behaviour.h"

#include "settings_file.h"

namespace skinwright::behaviour {

WindowBehaviour::WindowBehaviour(WindowView& window, SystemDialogs& dialogs, std::filesystem::path settingsFile,
                                 std::string_view section, std::string applicationName)
    : window_(window)
    , dialogs_(dialogs)
    , settingsFile_(std::move(settingsFile))
    , section_(section)
    , applicationName_(std::move(applicationName))
{
}

void WindowBehaviour::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    Close();
}

bool WindowBehaviour::ClosesOn(ClosingKey key)
{
    if (key == ClosingKey::Enter)
        TakeBeforeClosingWithEnter();
    return true;
}

MessageAnswer WindowBehaviour::Tell(const std::string& text, MessageButtons buttons, MessageIcon icon)
{
    return ShowMessageBox(dialogs_, window_.Window(), applicationName_, text, buttons, icon);
}

std::string WindowBehaviour::ReadKey(std::string_view key, std::string_view defaultValue) const
{
    return ReadSetting(settingsFile_, section_, key, defaultValue);
}

void WindowBehaviour::WriteKey(std::string_view key, std::string_view value) const
{
    WriteSetting(settingsFile_, section_, key, value);
}

}  // namespace skinwright::behaviour
