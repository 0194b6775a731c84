#pragma once

#include "model/ButtonIcon.h"
#include "model/PathFunctions.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CModel;
class CSchedule;
class CDownloadData;

// What a button launches, derived from its target.
enum class ButtonKind : unsigned char { None, Exe, Document, Folder, Drive, Url };

// The kind's name as the program writes and compares it ("" for None), and
// the kind a name means (ASCII case ignored; any other name means None).
const std::string& KindName(ButtonKind kind);
ButtonKind KindOfName(std::string_view name);

// The seven special-folder names; a button is special by its name.
inline constexpr const char* kSpecialFolderNames[] = {
    "Control Panel",  "Dial-Up Networking", "Printers",        "My Computer",
    "Windows Folder", "Start Menu Folder",  "Start-Up Folder",
};

// The definition of one button or Favorites item. Every value passes through
// the setters, which check it against the file system and derive the kind,
// the name and the icon from the target.
class CButtonDef {
  public:
    explicit CButtonDef(CModel& model);
    CButtonDef(CModel& model, const std::string& name, const std::string& target,
               const std::string& iconFile, int iconIndex, int openMode = 1);
    CButtonDef(CModel& model, const std::string& name, const std::string& target, int openMode);
    // Deep copy (schedule and download data copied). `withSchedule` false
    // leaves the copy without a schedule, as the button-copy operation wants.
    CButtonDef(const CButtonDef& other, bool withSchedule = true);
    CButtonDef& operator=(const CButtonDef& other);
    ~CButtonDef();

    // Creates a button and stores it in (cat, slot) of the model; cat -1 is the
    // current category, slot -1 the first free slot searching upward. Returns
    // the stored button, or null when there was no category or free slot.
    static CButtonDef* CreateAt(CModel& model, int cat, int slot, const std::string& name,
                                const std::string& target, const std::string& iconFile,
                                int iconIndex, int openMode);
    // Stores a copy of `source` at (cat, slot) the same way.
    static CButtonDef* CopyAt(const CButtonDef& source, int cat, int slot, bool withSchedule);

    void Set(const std::string& name, const std::string& target, const std::string& iconFile,
             int iconIndex, int openMode);
    void Clear();

    // Setters.
    void SetTarget(const std::string& s);
    void SetName(const std::string& s);
    void SetParameters(const std::string& s) { parameters_ = s; }
    void SetDirectory(const std::string& s);
    void SetSound(const std::string& s);
    void SetIconFile(const std::string& s);
    void SetIconIndex(int i);
    void SetIcon(const std::string& file, int index, const ButtonIcon* icon);
    void SetOpenMode(int m);
    void SetText(const std::string& s) { text_ = s; }
    void SetKind(std::string_view s) { kind_ = KindOfName(s); }
    void SetKind(ButtonKind kind) { kind_ = kind; }
    void SetBackupEnabled(bool b);
    void SetUrl(const std::string& address);
    void SetSchedule(std::unique_ptr<CSchedule> schedule);
    void SetDownloadData(std::unique_ptr<CDownloadData> data);

    // Getters.
    CModel& Model() const { return *model_; }
    CSchedule* Schedule() const { return schedule_.get(); }
    CDownloadData* DownloadData() const { return downloadData_.get(); }
    int OpenMode() const { return openMode_; }
    // The icon as last worked out (its file named again from the target or
    // icon file it was taken from).
    ButtonIcon Icon() const;
    IconRole IconRoleOf() const { return icon_.role; }
    int IconIndex() const { return iconIndex_; }
    const std::string& IconFile() const { return iconFile_; }
    const std::string& Sound() const { return rarely_ ? rarely_->sound : NoText(); }
    const std::string& Parameters() const { return parameters_; }
    const std::string& Directory() const { return rarely_ ? rarely_->directory : NoText(); }
    const std::string& Kind() const { return KindName(kind_); }
    ButtonKind KindValue() const { return kind_; }
    const std::string& Target() const { return target_; }
    const std::string& Name() const { return name_; }
    const std::string& Text() const { return text_; }
    bool BackupEnabled() const { return backupEnabled_; }
    bool ShellIcon() const { return shellIcon_; }
    std::string TextLine1() const;
    std::string TextLine2() const;

    bool IsExe() const { return kind_ == ButtonKind::Exe; }
    bool IsDocument() const { return kind_ == ButtonKind::Document; }
    bool IsFolder() const { return kind_ == ButtonKind::Folder; }
    bool IsDrive() const { return kind_ == ButtonKind::Drive; }
    bool IsUrl() const { return kind_ == ButtonKind::Url; }
    bool KindIs(std::string_view s) const;
    bool NameIs(std::string_view s) const;
    bool IsSpecialFolder() const;
    // The icon drawn: the Control Panel icon for a "Control Panel" button
    // without one of its own.
    ButtonIcon DrawnIcon() const;
    bool IsBackupCandidate(bool force) const;

    void DetermineKind();
    void ResolveShortcut();
    void LoadButtonIcon();
    bool ReadUrlFile();
    void MakeDefaultText();
    // The record lines of the button, each ended by CR LF. `slot` is the slot
    // index, negative for a Favorites item.
    std::string WriteRecord(int slot) const;

  private:
    // Sets the target and follows shortcut files; `seen` holds the shortcuts
    // already followed, so a shortcut leading back to itself ends the chain.
    void SetTargetFollowing(const std::string& s, std::vector<std::string>& seen);

    // Where the icon's file is: most icons show the target or the icon file
    // itself, so the name is not kept a second time (a full configuration has
    // thousands of buttons).
    enum class IconFileFrom : unsigned char { None, Target, IconFile, Own };
    struct StoredIcon {
        IconRole role = IconRole::None;
        char driveLetter = 0;
        IconFileFrom from = IconFileFrom::None;
        int index = 0;
    };
    void StoreIcon(const ButtonIcon& icon);
    void StoreIcon(IconRole role, IconFileFrom from, int index);
    // Before the target or icon file changes without the icon being worked
    // out again: the icon keeps naming the file it was taken from.
    void KeepIconFile(IconFileFrom changing);

    // The sound and working folder, which most buttons leave empty: kept
    // apart, an empty pair costs a pointer instead of two strings (a full
    // configuration has thousands of buttons).
    struct RarelySet {
        std::string sound;
        std::string directory;
    };
    static const std::string& NoText();
    // Sets one of the pair, making it for a value and dropping it once both
    // are empty.
    void SetRarely(std::string RarelySet::*field, const std::string& value);

    CModel* model_;
    std::unique_ptr<CSchedule> schedule_;
    std::unique_ptr<CDownloadData> downloadData_;
    // The icon's file when it is neither the target nor the icon file.
    std::unique_ptr<std::string> ownIconFile_;
    std::unique_ptr<RarelySet> rarely_;
    StoredIcon icon_;
    int iconIndex_ = 0;
    std::string iconFile_;
    std::string parameters_;
    std::string target_;
    std::string name_;
    std::string text_;
    unsigned char openMode_ = 1;
    ButtonKind kind_ = ButtonKind::None;
    bool backupEnabled_ = true;
    bool shellIcon_ = false;
    bool fromShortcut_ = false; // the target was read from a shortcut file
};
