#include "scripted_dialogs.h"

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
    folderAnswers_.push_back(std::move(folder));
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
    const MessageAnswer answer = TakeFront(messageAnswers_).value_or(MessageAnswer::Ok);
    messages_.push_back({request, answer});
    return answer;
}

std::vector<std::filesystem::path> ScriptedDialogs::AskForFiles(const FileRequest& request)
{
    std::vector<std::filesystem::path> answer = TakeFront(fileAnswers_).value_or(std::vector<std::filesystem::path>());
    fileCalls_.push_back({request, answer});
    return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::BrowseForFolder(const FolderRequest& request)
{
    const std::optional<std::filesystem::path> answer = TakeFront(folderAnswers_).value_or(std::nullopt);
    // Recorded before the callbacks run, so that they write into the record.
    folderCalls_.push_back({request, answer, {}, {}});
    RecordingBrowser browser(folderCalls_, folderCalls_.size() - 1);
    if (request.onInitialized)
        request.onInitialized(browser);
    if (answer && request.onSelectionChanged)
        request.onSelectionChanged(browser, *answer);
    return answer;
}

}  // namespace skinwright::behaviour
