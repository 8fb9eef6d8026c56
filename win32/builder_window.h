// The Builder on Windows: the dialog made from its template, its controls
// shown as the behaviour tells and what the user does forwarded to it.
#pragma once

#include <memory>

#include "behaviour/builder.h"
#include "dialog_window.h"
#include "image_text_button.h"

namespace skinwright::win32 {

class BuilderWindow : public DialogWindow, private behaviour::BuilderView {
public:
    // Reads the Builder's settings; the list starts empty.
    BuilderWindow(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs);
    ~BuilderWindow() override;

    // The list a template is copied into before the window opens.
    ResourceTable& ResourceList() { return builder_->ResourceList(); }

private:
    bool OnInitialize() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Close(int result);

    behaviour::WindowHandle Window() override;
    std::string WorkFolderText() const override;
    void SetWorkFolderText(const std::string& text) override;
    std::string CommentsText() const override;
    void SetCommentsText(const std::string& text) override;
    void ShowRows(const ResourceTable& table) override;
    int SelectedRow() const override;
    void SetCountText(const std::string& text) override;
    void Repaint() override;

    ImageTextButton generateButton_;
    std::unique_ptr<behaviour::Builder> builder_;
};

}  // namespace skinwright::win32
