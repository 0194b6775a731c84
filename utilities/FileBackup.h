#pragma once

#include "utilities/BackupWalk.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CModel;

// One backup of a dropped path, as the File Backup dialog runs it: the
// checks with their messages, a counting pass that gives the progress range,
// then (when copying) the copy pass. Both passes run in steps, so the dialog
// keeps painting and can stop a long run.
class CFileBackup {
  public:
    enum class Phase { Idle, Counting, Copying, Finished };

    explicit CFileBackup(CModel& model) : model_(model) {}

    // Checks `path` against the settings (reporting a refusal to the user)
    // and starts the counting pass. False when refused or disabled.
    bool Start(const std::string& path, bool copy, bool subFolders);
    // Runs up to `maxEntries` entries; false once the run is finished.
    bool Step(int maxEntries);
    // Ends the run where it is (the dialog closes, or backup was switched off).
    void Stop();

    Phase CurrentPhase() const { return phase_; }
    bool Running() const { return phase_ == Phase::Counting || phase_ == Phase::Copying; }
    // The entries the counting pass found: the progress bar's range.
    int Total() const { return total_; }
    // Entries handled by the copy pass: the progress bar's position.
    int Position() const;
    // "%d Files", with " Copied" while copying, and the failures and skipped
    // special files beside the count when there are any. Empty before a run.
    std::string CountText() const;
    const std::string& Source() const;
    const std::string& Destination() const;
    const std::vector<BackupFailure>& Failures() const;
    // The failures as a message: one line per entry, the first 40 of them.
    std::string FailureReport() const;

  private:
    CModel& model_;
    Phase phase_ = Phase::Idle;
    std::string path_;
    bool copy_ = true;
    bool subFolders_ = true;
    int total_ = 0;
    std::unique_ptr<CBackupWalk> walk_;
    std::vector<BackupFailure> noFailures_;
    std::string empty_;
};

// Whether a dropped path goes to the backup utility: the main window is
// rolled up and the utility is switched on.
bool DropGoesToBackup(const CModel& model, bool rolledUp);

// The enable button's text: "File Backup Enabled" or "File Backup Disabled".
std::string BackupEnableText(const CModel& model);
// Flips FileBackupEnabled and marks the configuration changed.
void ToggleFileBackup(CModel& model);
// Asks for the root folder; stores it without a trailing separator and says so.
void SetBackupRootFolder(CModel& model);
void ShowBackupRootFolder(CModel& model);
void ShowBackupHelp(CModel& model);
// Allow Backup on the right-clicked button: flips its backup flag.
void ToggleAllowBackup(CModel& model);
// The target of the right-clicked button when it can be backed up now, else "".
std::string BackupCommandPath(const CModel& model);
