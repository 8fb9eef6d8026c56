// The Builder: a resource list composed from pictures of a work folder (or
// taken over from the Viewer's packet), a comment, and "Generate Packet ..."
// that writes a new packet from them. It remembers its work folder, comments
// and packet folder in section "build" of the settings file. What it shows
// goes to its view; the front end tells it what the user does.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/packet_format.h"
#include "program_setup.h"
#include "system_dialogs.h"
#include "window_behaviour.h"

namespace skinwright::behaviour {

// The Builder's controls, as its front end shows them. Of the calls that
// set what a control shows, only SetCommentsText reports the change back
// (through OnCommentsChanged, as typing does); the others report nothing.
class BuilderView : public WindowView {
public:
    // The work folder box and the comments box (CR LF line breaks), as typed.
    virtual std::string WorkFolderText() const = 0;
    virtual void SetWorkFolderText(const std::string& text) = 0;
    virtual std::string CommentsText() const = 0;
    virtual void SetCommentsText(const std::string& text) = 0;
    // The list shows these rows, none of them selected; the selected row, or -1.
    virtual void ShowRows(const ResourceTable& table) = 0;
    virtual int SelectedRow() const = 0;
    virtual void SetCountText(const std::string& text) = 0;
    // The window is drawn again at once.
    virtual void Repaint() = 0;
};

class Builder : public WindowBehaviour {
public:
    // Reads the Builder's settings; the list starts empty.
    Builder(BuilderView& view, SystemDialogs& dialogs, const ProgramSetup& setup);
    ~Builder() override;
    Builder(const Builder&) = delete;
    Builder& operator=(const Builder&) = delete;

    // The list a template is copied into before the window opens.
    ResourceTable& ResourceList() { return *table_; }

    // The window opens: its boxes show the work folder and the comments,
    // its list the rows (a template's, when one was copied in).
    void Start();

    void OnChooseWorkFolder();
    void OnAddResource();
    // Picked or dropped files become rows; the others are named with why not.
    void AddPictures(const std::vector<std::filesystem::path>& files);
    void OnRemove();
    void OnRemoveAll();
    void GeneratePacket();
    void OnCommentsChanged(const std::string& text);
    // Both boxes' texts, as typed, become the work folder and the comments.
    void TakeBoxTexts();

    const std::string& WorkFolder() const { return workFolder_; }
    const std::string& Comments() const { return comments_; }  // CR LF line breaks
    const std::string& PacketFolder() const { return packetFolder_; }

private:
    // The work folder, the comments and the packet folder, as the settings
    // file keeps them.
    static std::span<const RememberedValue<Builder>> Remembered();
    // The settings are written.
    void Close() override;
    // Closing with Enter takes both boxes' texts.
    void TakeBeforeClosingWithEnter() override;
    void RefreshList();

    BuilderView& view_;
    std::string workFolder_;
    std::string comments_;
    std::string packetFolder_;
    std::unique_ptr<ResourceTable> table_;
};

}  // namespace skinwright::behaviour
