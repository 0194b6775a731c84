#include "utilities/FileBackup.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kNoRootCaption = "No root folder";
constexpr int kReportedFailures = 40;

// The path with links and "." or ".." resolved as far as it exists, so that
// a root reached through a link is still recognised.
std::string ResolvedPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : resolved.native();
}

} // namespace

bool CFileBackup::Start(const std::string& path, bool copy, bool subFolders) {
    if (Running() || !model_.settings.FileBackupEnabled || path.empty())
        return false;
    std::string& root = model_.settings.FileBackupRootDir;
    if (root.empty()) {
        model_.Message("The root folder has not been defined", kNoRootCaption, MsgIcon::Stop);
        return false;
    }
    if (PathWithin(path, root) || PathWithin(ResolvedPath(path), ResolvedPath(root))) {
        model_.Message("Can't copy files from the root folder", "Operation Not Allowed",
                       MsgIcon::Stop);
        return false;
    }
    const FileSystem& fs = model_.platform.fs;
    if (!IsDriveRoot(fs, root) && !fs.IsFolder(root)) {
        model_.Message("The root folder does not exist", kNoRootCaption, MsgIcon::Stop);
        root.clear();
        return false;
    }
    if (copy)
        PlayActionSound(model_, "Pop", true);
    path_ = path;
    copy_ = copy;
    subFolders_ = subFolders;
    total_ = 0;
    walk_ = std::make_unique<CBackupWalk>(root, path, false, subFolders);
    phase_ = Phase::Counting;
    return true;
}

bool CFileBackup::Step(int maxEntries) {
    if (!Running())
        return false;
    if (!model_.settings.FileBackupEnabled) {
        Stop();
        return false;
    }
    if (walk_->Step(maxEntries))
        return true;
    if (phase_ == Phase::Counting) {
        total_ = walk_->Handled();
        if (copy_) {
            walk_ = std::make_unique<CBackupWalk>(model_.settings.FileBackupRootDir, path_, true,
                                                  subFolders_);
            phase_ = Phase::Copying;
            return true;
        }
    }
    phase_ = Phase::Finished;
    return false;
}

void CFileBackup::Stop() {
    if (Running())
        phase_ = Phase::Finished;
}

int CFileBackup::Position() const {
    return phase_ == Phase::Counting || !walk_ ? 0 : walk_->Handled();
}

std::string CFileBackup::CountText() const {
    if (!walk_)
        return {};
    const bool copying = copy_ && phase_ != Phase::Counting;
    std::string text = Format("%d Files", walk_->Counted());
    if (copying)
        text += " Copied";
    if (!walk_->Failures().empty())
        text += Format(", %d failed", static_cast<int>(walk_->Failures().size()));
    if (walk_->Skipped() > 0)
        text += Format(", %d skipped", walk_->Skipped());
    return text;
}

const std::string& CFileBackup::Source() const {
    return walk_ ? walk_->Source() : empty_;
}

const std::string& CFileBackup::Destination() const {
    return walk_ ? walk_->Destination() : empty_;
}

const std::vector<BackupFailure>& CFileBackup::Failures() const {
    return walk_ ? walk_->Failures() : noFailures_;
}

std::string CFileBackup::FailureReport() const {
    const std::vector<BackupFailure>& failures = Failures();
    std::string text = "These files and folders were not copied:\r\n";
    int shown = 0;
    for (const BackupFailure& failure : failures) {
        if (shown++ == kReportedFailures) {
            text += Format("\r\n... and %d more", static_cast<int>(failures.size()) - shown + 1);
            break;
        }
        text += "\r\n" + failure.path + "\r\n      " + failure.reason;
    }
    return text;
}

bool DropGoesToBackup(const CModel& model, bool rolledUp) {
    return rolledUp && model.settings.FileBackupEnabled;
}

std::string BackupEnableText(const CModel& model) {
    return model.settings.FileBackupEnabled ? "File Backup Enabled" : "File Backup Disabled";
}

void ToggleFileBackup(CModel& model) {
    model.settings.FileBackupEnabled = !model.settings.FileBackupEnabled;
    model.SetModified();
}

void SetBackupRootFolder(CModel& model) {
    std::string& root = model.settings.FileBackupRootDir;
    const std::optional<std::string> chosen = model.platform.prompter.ChooseFolder(
        "Select the Root Folder", root.empty() ? model.platform.fs.HomeDirectory() : root);
    if (!chosen || chosen->empty())
        return;
    root = *chosen;
    if (root.size() > 1 && root.back() == '/')
        root.pop_back();
    // Kept with the configuration, so it must be saved like any other change.
    model.SetModified();
    model.Message("The root folder is now:\r\n   " + root, "Root Folder Has Been Defined",
                  MsgIcon::Exclamation);
}

void ShowBackupRootFolder(CModel& model) {
    const std::string& root = model.settings.FileBackupRootDir;
    model.Message(root.empty() ? "The root folder for file backups has not been defined" : root,
                  "Root Folder", MsgIcon::Exclamation);
}

void ShowBackupHelp(CModel& model) {
    model.Message(
        "Drop any file into the basketball net, and it will be copied to "
        "the ROOT folder. Set the root folder using the File ->Set Root Folder command. "
        "The folder structure which the file resides in will be maintained in the root "
        "folder.\r\n\r\n"
        "Example:\r\n"
        "   File to copy:  /home/ann/Desktop/A/B/C/MyFile.dat\r\n"
        "   Root Folder:   /media/backup\r\n\r\n"
        "   The file will be copied as:  /media/backup/home/ann/Desktop/A/B/C/MyFile.dat\r\n\r\n"
        "Any folders that need to get created in the root folder in order to save the file will "
        "be automatically created.\r\n\r\n"
        "Drop any folder into the basketball net, and all files in it will be copied to the root "
        "folder. "
        "If the option to Copy Everything in Sub-Folders is checked, then the entire contents "
        "of all folders in the dropped folder will be copied.\r\n\r\n"
        "This utility is especially useful when the root folder is on another drive. "
        "This enables you to maintain an identical set of files on the other drive.",
        "File Backup Utility", MsgIcon::Information);
}

void ToggleAllowBackup(CModel& model) {
    CButtonDef* button = model.GetButton(-1, model.editState.rightClickedSlot);
    if (!button)
        return;
    button->SetBackupEnabled(!button->BackupEnabled());
    model.SetModified();
}

std::string BackupCommandPath(const CModel& model) {
    const CButtonDef* button = model.GetButton(-1, model.editState.rightClickedSlot);
    return button && button->IsBackupCandidate(false) ? button->Target() : std::string();
}
