#include "scripted_dialogs.h"

#include <utility>

namespace skinwright::behaviour {
namespace {

template <class T>
std::optional<T> TakeFront(std::deque<T>& queue)
{
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

// Writes into the record by index: a callback may open another browser.
class RecordingBrowser : public FolderBrowser {
public:
    RecordingBrowser(std::vector<ScriptedDialogs::FolderCall>& calls, std::size_t index)
        : calls_(calls), index_(index)
    {
    }
    void SetSelection(const std::filesystem::path& folder) override { calls_[index_].selections.push_back(folder); }
    void SetStatusText(const std::string& text) override { calls_[index_].statusTexts.push_back(text); }

private:
    std::vector<ScriptedDialogs::FolderCall>& calls_;
    std::size_t index_;
};

}  // namespace

void ScriptedDialogs::QueueMessageAnswer(MessageAnswer answer)
{
    messageAnswers_.push_back(answer);
}

void ScriptedDialogs::QueueFiles(std::vector<std::filesystem::path> paths)
{
    fileAnswers_.push_back(std::move(paths));
}

void ScriptedDialogs::QueueFolder(std::optional<std::filesystem::path> folder)
{
    folderAnswers_.push_back({std::move(folder), true});
}

void ScriptedDialogs::QueueUnreportedFolder(std::filesystem::path folder)
{
    folderAnswers_.push_back({std::move(folder), false});
}

void ScriptedDialogs::WhileOpen(std::function<void()> action)
{
    whileOpen_ = std::move(action);
}

// Not again inside a dialog the action itself opens.
void ScriptedDialogs::RunWhileOpen()
{
    if (!whileOpen_)
        return;
    std::function<void()> action = std::exchange(whileOpen_, {});
    action();
    whileOpen_ = std::move(action);
}

std::vector<std::string> ScriptedDialogs::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const MessageCall& call : messages_)
        texts.push_back(call.request.text);
    return texts;
}

MessageAnswer ScriptedDialogs::ShowMessage(const MessageRequest& request)
{
    RunWhileOpen();
    const MessageAnswer answer = TakeFront(messageAnswers_).value_or(MessageAnswer::Ok);
    messages_.push_back({request, answer});
    return answer;
}

std::vector<std::filesystem::path> ScriptedDialogs::AskForFiles(const FileRequest& request)
{
    RunWhileOpen();
    std::vector<std::filesystem::path> answer = TakeFront(fileAnswers_).value_or(std::vector<std::filesystem::path>());
    fileCalls_.push_back({request, answer});
    return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::BrowseForFolder(const FolderRequest& request)
{
    RunWhileOpen();
    const FolderAnswer scripted = TakeFront(folderAnswers_).value_or(FolderAnswer{});
    const std::optional<std::filesystem::path>& answer = scripted.folder;
    // Recorded before the callbacks run, so that they write into the record.
    folderCalls_.push_back({request, answer, {}, {}});
    RecordingBrowser browser(folderCalls_, folderCalls_.size() - 1);
    if (request.onInitialized)
        request.onInitialized(browser);
    if (answer && scripted.reported && request.onSelectionChanged)
        request.onSelectionChanged(browser, *answer);
    return answer;
}

}  // namespace skinwright::behaviour
