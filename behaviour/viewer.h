// The Viewer: a packet path, the packet's resources in a four-column list, a
// preview of the clicked picture, export of one or all pictures, and the
// Builder opened from it. What it shows goes to its view; the front end
// tells it what the user does.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/packet.h"
#include "private_folder.h"
#include "program_setup.h"
#include "system_dialogs.h"
#include "window_behaviour.h"

namespace skinwright::behaviour {

// The Viewer's controls, as its front end shows them. Of the calls that set
// what a control shows, only SetPathText reports the change back (through
// OnPathChanged, as typing does); the others report nothing.
class ViewerView : public WindowView {
public:
    // The path field. Setting its text reports the change, as typing does.
    virtual std::string PathText() const = 0;
    virtual void SetPathText(const std::string& text) = 0;
    // The resource list, filled row by row between the two and shown at once.
    virtual void BeginRows() = 0;
    virtual void AddRow(const ResourceEntry& row) = 0;
    virtual void EndRows() = 0;
    // Rows of a packet that could not be opened stay in sight, shown
    // disabled; a packet that opens enables them again.
    virtual void SetRowsEnabled(bool enabled) = 0;
    // The selected row, or -1.
    virtual int SelectedRow() const = 0;
    virtual void SetStatus(const std::string& text) = 0;
    // The picture in the file, centred in the picture area; an empty area
    // when the file holds no picture the front end can decode. The
    // description is what a screen reader says of the area.
    virtual void ShowPicture(const std::filesystem::path& file, const std::string& description) = 0;
    // An empty picture area.
    virtual void ClearPicture() = 0;
    // The window is drawn again at once.
    virtual void Repaint() = 0;
    // The About window, run modally.
    virtual void ShowAbout() = 0;
    // A Builder run modally, with these rows as its template when given.
    virtual void RunBuilder(const ResourceTable* templateRows) = 0;
};

class Viewer : public WindowBehaviour, private LoadTarget {
public:
    // Reads the Viewer's settings.
    Viewer(ViewerView& view, SystemDialogs& dialogs, const ProgramSetup& setup);
    ~Viewer() override;
    Viewer(const Viewer&) = delete;
    Viewer& operator=(const Viewer&) = delete;

    // Puts the packet path into the path field, whose change loads it.
    void Start();

    void OnPathChanged(const std::string& text);
    void OnPickPacket();
    void OnSaveAs();
    void OnSaveAll();
    void OnListClick();
    // The selection moved without a click (the arrow keys): the newly
    // selected row is previewed.
    void OnSelectionMoved();
    void OnHelp();
    void OnBuildNewPacket();

    // Files dragged over the window from outside the program: taken only
    // when the first is a packet the path field can hold, and only while no
    // command runs. A drop so taken opens that packet; OnDrop tells whether
    // it was taken.
    bool TakesDrop(const std::vector<std::filesystem::path>& files) const;
    bool OnDrop(const std::vector<std::filesystem::path>& files);

    // A row dragged out of the list: its picture as a file named as export
    // names it, in the private temporary folder, where it stays until the
    // Viewer goes. None when the row's name or record cannot be exported.
    std::optional<std::filesystem::path> ExportForDrag();

    const PacketReader& Reader() const { return reader_; }
    const std::string& OutputFolder() const { return outputFolder_; }

private:
    void Preview(int row);
    // The packet path and the output folder, as the settings file keeps them.
    static std::span<const RememberedValue<Viewer>> Remembered();
    // The packet is closed and the settings written.
    void Close() override;
    void OpenPath(const std::string& path);
    bool HasRow(int row) const;
    std::string SavingFolder() const;

    // What a load shows.
    void FoundDamagedNames(int count) override;
    void ClearList() override;
    void AddListRow(int index, const ResourceEntry& row) override;
    void Loaded(int rowCount) override;

    ViewerView& view_;
    ProgramSetup setup_;
    std::string programFolder_;  // UTF-8, as the folders the Viewer puts names after
    PacketReader reader_;
    std::string packetPath_;
    std::string outputFolder_;
    PrivateFolder privateFolder_;
    int damagedNames_ = 0;    // of the packet loading or loaded
    int previewedRow_ = -1;   // the row whose picture the area shows, or -1
    bool commandRuns_ = false;
};

}  // namespace skinwright::behaviour
