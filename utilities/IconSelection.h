#pragma once

#include <string>
#include <vector>

class CModel;

// Where the icon list places item `k`: icon cells 40 wide spread over the
// list's width with equal spacing and the leftover shared out as a margin.
struct IconCell {
    int x = 0;
    int y = 0;
    bool operator==(const IconCell&) const = default;
};
IconCell IconGridCell(int listWidth, int k);
// Where the button list places slot `i`: one column, 50 pixels a row.
IconCell ButtonListCell(int listWidth, int i);

// One icon of the source: a file and the icon's index in it.
struct IconRef {
    std::string file;
    int index = 0;
};

// The rules of the Select Icons dialog: the icon source (one file holding
// icons, or a folder of icon files), the two selections, the enabled states
// and applying an icon to a button of the current category.
class CSelectIcons {
  public:
    enum class Mode { None, File, Folder };

    explicit CSelectIcons(CModel& model) : model_(model) {}

    // "Files...": a file dialog of kind 1; "No Icons in File" when the chosen
    // file holds none. True when a new source was loaded.
    bool ChooseFile();
    // "Folders...": a folder browser; "No Icon Files in Folder" when it holds
    // none. True when a new source was loaded.
    bool ChooseFolder();
    // A file dropped on the dialog: loaded when its extension names an icon
    // file, even when it holds no icons. False for other files.
    bool Drop(const std::string& path);

    Mode SourceMode() const { return mode_; }
    const std::string& SourcePath() const { return path_; }
    // " Select Icons for Buttons" before a source is loaded, then
    // " Icons in "name"" or " Icons in Folder path".
    std::string Caption() const;
    int IconCount() const { return static_cast<int>(icons_.size()); }
    const IconRef& Icon(int i) const { return icons_.at(static_cast<size_t>(i)); }

    // -1 clears a selection; an empty slot cannot be selected.
    void SelectIcon(int index);
    void SelectButton(int slot);
    int SelectedIcon() const { return icon_; }
    int SelectedSlot() const { return slot_; }

    bool ApplyEnabled() const { return icon_ >= 0 && slot_ >= 0; }
    bool PreviousEnabled() const;
    bool NextEnabled() const;

    // "----->": the selected button gets the selected icon, recorded for undo
    // as "Set Button Icon" and "Add Button". Both selections are cleared.
    // Returns the slot changed, or -1.
    int Apply();
    // "<--" (-1) and "-->" (+1): the main window shows the neighbouring
    // category; the button selection is cleared.
    void StepCategory(int step);

  private:
    bool LoadFile(const std::string& path);
    bool LoadFolder(const std::string& path);

    CModel& model_;
    Mode mode_ = Mode::None;
    std::string path_;
    std::vector<IconRef> icons_;
    int icon_ = -1;
    int slot_ = -1;
};

// Whether a file's extension makes it an icon source of the dialog.
bool IsIconSourceFile(const std::string& path);
