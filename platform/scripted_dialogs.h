// The system dialogs of the tests: each answer comes from a queue and each
// call is recorded with its request. An empty queue answers like a cancel
// (Ok for a message box).
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "system_dialogs.h"

namespace skinwright::platform {

class ScriptedDialogs : public SystemDialogs {
public:
    struct MessageCall {
        MessageRequest request;
        MessageAnswer answer;
    };
    struct FileCall {
        FileRequest request;
        QStringList answer;
    };
    // What the browser was told while it ran, and what it returned.
    struct FolderCall {
        FolderRequest request;
        std::optional<QString> answer;
        QStringList selections;   // every SetSelection, in order
        QStringList statusTexts;  // every SetStatusText, in order
    };

    void QueueMessageAnswer(MessageAnswer answer);
    void QueueFiles(QStringList paths);
    void QueueFolder(std::optional<QString> folder);

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    QStringList AskForFiles(const FileRequest& request) override;
    // Calls onInitialized, then onSelectionChanged with a scripted path,
    // then returns that path.
    std::optional<QString> BrowseForFolder(const FolderRequest& request) override;

    const std::vector<MessageCall>& Messages() const { return messages_; }
    const std::vector<FileCall>& FileCalls() const { return fileCalls_; }
    const std::vector<FolderCall>& FolderCalls() const { return folderCalls_; }

private:
    std::deque<MessageAnswer> messageAnswers_;
    std::deque<QStringList> fileAnswers_;
    std::deque<std::optional<QString>> folderAnswers_;
    std::vector<MessageCall> messages_;
    std::vector<FileCall> fileCalls_;
    std::vector<FolderCall> folderCalls_;
};

}  // namespace skinwright::platform
