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
    virtual ~CButtonDef();

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
    void SetKind(const std::string& s) { kind_ = s; }
    void SetBackupEnabled(bool b);
    void SetUrl(const std::string& address);
    void SetSchedule(std::unique_ptr<CSchedule> schedule);
    void SetDownloadData(std::unique_ptr<CDownloadData> data);

    // Getters.
    CModel& Model() const { return *model_; }
    CSchedule* Schedule() const { return schedule_.get(); }
    CDownloadData* DownloadData() const { return downloadData_.get(); }
    int OpenMode() const { return openMode_; }
    const ButtonIcon& Icon() const { return icon_; }
    int IconIndex() const { return iconIndex_; }
    const std::string& IconFile() const { return iconFile_; }
    const std::string& Sound() const { return sound_; }
    const std::string& Parameters() const { return parameters_; }
    const std::string& Directory() const { return directory_; }
    const std::string& Kind() const { return kind_; }
    const std::string& Target() const { return target_; }
    const std::string& Name() const { return name_; }
    const std::string& Text() const { return text_; }
    bool BackupEnabled() const { return backupEnabled_; }
    bool ShellIcon() const { return shellIcon_; }
    std::string TextLine1() const;
    std::string TextLine2() const;

    bool IsExe() const { return KindIs("exe"); }
    bool IsDocument() const { return KindIs("document"); }
    bool IsFolder() const { return KindIs("folder"); }
    bool IsDrive() const { return KindIs("drive"); }
    bool IsUrl() const { return KindIs("url"); }
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

    CModel* model_;
    std::unique_ptr<CSchedule> schedule_;
    std::unique_ptr<CDownloadData> downloadData_;
    int openMode_ = 1;
    ButtonIcon icon_;
    int iconIndex_ = 0;
    std::string iconFile_;
    std::string sound_;
    std::string parameters_;
    std::string directory_;
    std::string kind_;
    std::string target_;
    std::string name_;
    std::string text_;
    bool backupEnabled_ = true;
    bool shellIcon_ = false;
    bool fromShortcut_ = false; // the target was read from a shortcut file
};
