// The Viewer on Windows: the dialog made from its template, its controls
// shown as the behaviour tells and what the user does forwarded to it.
#pragma once

#include <memory>
#include <optional>

#include "behaviour/viewer.h"
#include "dialog_window.h"
#include "image_text_button.h"
#include "ole_session.h"

namespace skinwright::win32 {

class ViewerWindow : public DialogWindow, private behaviour::ViewerView {
public:
    // Reads the Viewer's settings; the window is made by RunModal.
    ViewerWindow(const behaviour::ProgramSetup& setup, behaviour::SystemDialogs& dialogs);
    ~ViewerWindow() override;

private:
    bool OnInitialize() override;
    void StartAfterShowing();
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void SetUpSystemMenu();
    void SetUpPictures();
    bool OnNotify(const NMHDR& notice);
    void DragRowOut();
    void Close(int result);

    behaviour::WindowHandle Window() override;
    std::string PathText() const override;
    void SetPathText(const std::string& text) override;
    void BeginRows() override;
    void AddRow(const ResourceEntry& row) override;
    void EndRows() override;
    void SetRowsEnabled(bool enabled) override;
    int SelectedRow() const override;
    void SetStatus(const std::string& text) override;
    void ShowPicture(const std::filesystem::path& file, const std::string& description) override;
    void ClearPicture() override;
    void SetPicture(HBITMAP picture);
    void Repaint() override;
    void ShowAbout() override;
    void RunBuilder(const ResourceTable* templateRows) override;

    // Started once the window shows, and ended last.
    std::optional<OleSession> ole_;
    behaviour::ProgramSetup setup_;
    behaviour::SystemDialogs& dialogs_;
    ImageTextButton helpButton_;
    HBITMAP preview_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool dragsRow_ = false;
    std::unique_ptr<behaviour::Viewer> viewer_;
};

}  // namespace skinwright::win32
