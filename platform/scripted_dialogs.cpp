#include "scripted_dialogs.h"

namespace skinwright::platform {
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
    void SetSelection(const QString& folder) override { calls_[index_].selections.append(folder); }
    void SetStatusText(const QString& text) override { calls_[index_].statusTexts.append(text); }

private:
    std::vector<ScriptedDialogs::FolderCall>& calls_;
    std::size_t index_;
};

}  // namespace

void ScriptedDialogs::QueueMessageAnswer(MessageAnswer answer)
{
    messageAnswers_.push_back(answer);
}

void ScriptedDialogs::QueueFiles(QStringList paths)
{
    fileAnswers_.push_back(std::move(paths));
}

void ScriptedDialogs::QueueFolder(std::optional<QString> folder)
{
    folderAnswers_.push_back(std::move(folder));
}

MessageAnswer ScriptedDialogs::ShowMessage(const MessageRequest& request)
{
    const MessageAnswer answer = TakeFront(messageAnswers_).value_or(MessageAnswer::Ok);
    messages_.push_back({request, answer});
    return answer;
}

QStringList ScriptedDialogs::AskForFiles(const FileRequest& request)
{
    QStringList answer = TakeFront(fileAnswers_).value_or(QStringList());
    fileCalls_.push_back({request, answer});
    return answer;
}

std::optional<QString> ScriptedDialogs::BrowseForFolder(const FolderRequest& request)
{
    const std::optional<QString> answer = TakeFront(folderAnswers_).value_or(std::nullopt);
    // Recorded before the callbacks run, so that they write into the record.
    folderCalls_.push_back({request, answer, {}, {}});
    RecordingBrowser browser(folderCalls_, folderCalls_.size() - 1);
    if (request.onInitialized)
        request.onInitialized(browser);
    if (answer && request.onSelectionChanged)
        request.onSelectionChanged(browser, *answer);
    return answer;
}

}  // namespace skinwright::platform
