// The system dialogs of the tests: each answer comes from a queue and each
// call is recorded with its request. An empty queue answers like a cancel
// (Ok for a message box).
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "system_dialogs.h"

namespace skinwright::behaviour {

class ScriptedDialogs : public SystemDialogs {
public:
    struct MessageCall {
        MessageRequest request;
        MessageAnswer answer;
    };
    struct FileCall {
        FileRequest request;
        std::vector<std::filesystem::path> answer;
    };
    // What the browser was told while it ran, and what it returned.
    struct FolderCall {
        FolderRequest request;
        std::optional<std::filesystem::path> answer;
        std::vector<std::filesystem::path> selections;  // every SetSelection, in order
        std::vector<std::string> statusTexts;           // every SetStatusText, in order
    };

    void QueueMessageAnswer(MessageAnswer answer);
    void QueueFiles(std::vector<std::filesystem::path> paths);
    void QueueFolder(std::optional<std::filesystem::path> folder);
    // A browser that kept a selection of its own without reporting it, as
    // the shell's does when it cannot select the initial folder: OK returns
    // that folder.
    void QueueUnreportedFolder(std::filesystem::path folder);
    // Runs inside every dialog, before it answers: what the user does
    // elsewhere while the dialog is open.
    void WhileOpen(std::function<void()> action);

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    std::vector<std::filesystem::path> AskForFiles(const FileRequest& request) override;
    // Calls onInitialized, then onSelectionChanged with a scripted path
    // (unless it goes unreported), then returns that path.
    std::optional<std::filesystem::path> BrowseForFolder(const FolderRequest& request) override;

    const std::vector<MessageCall>& Messages() const { return messages_; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> MessageTexts() const;
    const std::vector<FileCall>& FileCalls() const { return fileCalls_; }
    const std::vector<FolderCall>& FolderCalls() const { return folderCalls_; }

private:
    void RunWhileOpen();

    std::deque<MessageAnswer> messageAnswers_;
    std::deque<std::vector<std::filesystem::path>> fileAnswers_;
    struct FolderAnswer {
        std::optional<std::filesystem::path> folder;
        bool reported = true;
    };
    std::deque<FolderAnswer> folderAnswers_;
    std::function<void()> whileOpen_;
    std::vector<MessageCall> messages_;
    std::vector<FileCall> fileCalls_;
    std::vector<FolderCall> folderCalls_;
};

}  // namespace skinwright::behaviour
