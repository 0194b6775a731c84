#include "model/ButtonDef.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "config/ConfigText.h"
#include "model/Model.h"
#include "model/Text.h"
#include "model/Utf8Case.h"
#include "schedule/Schedule.h"
#include "schedule/ScheduleRecord.h"
#include "utilities/DownloadData.h"

namespace {

// Shortcut chains longer than this are taken to loop through different
// spellings of the same file.
constexpr size_t kMaxShortcutHops = 16;

bool IsSpecialName(std::string_view name) {
    return std::any_of(std::begin(kSpecialFolderNames), std::end(kSpecialFolderNames),
                       [&](const char* special) { return EqualsNoCase(name, special); });
}

IconRole FolderRole(std::string_view name) {
    static constexpr std::pair<const char*, IconRole> kRoles[] = {
        {"Control Panel", IconRole::ControlPanel},
        {"Dial-Up Networking", IconRole::DialUpNetworking},
        {"Printers", IconRole::Printers},
        {"My Computer", IconRole::MyComputer},
        {"Windows Folder", IconRole::WindowsFolder},
        {"Start Menu Folder", IconRole::StartMenuFolder},
        {"Start-Up Folder", IconRole::StartUpFolder},
    };
    for (const auto& [special, role] : kRoles)
        if (EqualsNoCase(name, special))
            return role;
    return IconRole::Folder;
}

bool IsIconFileExtension(std::string_view ext) {
    return StringInList(ext, "ico", "exe", "dll", "icl") || StringInList(ext, "png", "svg", "xpm");
}

// A field written on one record line: a line break inside it would start a
// line of its own when the file is read back.
std::string OneLine(std::string s) {
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

} // namespace

const std::string& KindName(ButtonKind kind) {
    static const std::string kNames[] = {"", "exe", "document", "folder", "drive", "url"};
    return kNames[static_cast<size_t>(kind)];
}

ButtonKind KindOfName(std::string_view name) {
    for (const ButtonKind kind : {ButtonKind::Exe, ButtonKind::Document, ButtonKind::Folder,
                                  ButtonKind::Drive, ButtonKind::Url})
        if (EqualsNoCase(name, KindName(kind)))
            return kind;
    return ButtonKind::None;
}

CButtonDef::CButtonDef(CModel& model) : model_(&model) {}

CButtonDef::CButtonDef(CModel& model, const std::string& name, const std::string& target,
                       const std::string& iconFile, int iconIndex, int openMode)
    : model_(&model) {
    Set(name, target, iconFile, iconIndex, openMode);
}

CButtonDef::CButtonDef(CModel& model, const std::string& name, const std::string& target,
                       int openMode)
    : model_(&model) {
    Set(name, target, "", 0, openMode);
}

CButtonDef::CButtonDef(const CButtonDef& other, bool withSchedule)
    : model_(other.model_), icon_(other.icon_), iconIndex_(other.iconIndex_),
      iconFile_(other.iconFile_), parameters_(other.parameters_), target_(other.target_),
      name_(other.name_), text_(other.text_), openMode_(other.openMode_), kind_(other.kind_),
      backupEnabled_(other.backupEnabled_), shellIcon_(other.shellIcon_),
      fromShortcut_(other.fromShortcut_) {
    if (other.ownIconFile_)
        ownIconFile_ = std::make_unique<std::string>(*other.ownIconFile_);
    if (other.rarely_)
        rarely_ = std::make_unique<RarelySet>(*other.rarely_);
    if (withSchedule && other.schedule_)
        schedule_ = std::make_unique<CSchedule>(*other.schedule_);
    if (other.downloadData_)
        downloadData_ = std::make_unique<CDownloadData>(*other.downloadData_);
}

CButtonDef& CButtonDef::operator=(const CButtonDef& other) {
    if (this == &other)
        return *this;
    CButtonDef copy(other);
    model_ = copy.model_;
    schedule_ = std::move(copy.schedule_);
    downloadData_ = std::move(copy.downloadData_);
    openMode_ = copy.openMode_;
    ownIconFile_ = std::move(copy.ownIconFile_);
    icon_ = copy.icon_;
    iconIndex_ = copy.iconIndex_;
    iconFile_ = std::move(copy.iconFile_);
    rarely_ = std::move(copy.rarely_);
    parameters_ = std::move(copy.parameters_);
    kind_ = copy.kind_;
    target_ = std::move(copy.target_);
    name_ = std::move(copy.name_);
    text_ = std::move(copy.text_);
    backupEnabled_ = copy.backupEnabled_;
    shellIcon_ = copy.shellIcon_;
    fromShortcut_ = copy.fromShortcut_;
    return *this;
}

CButtonDef::~CButtonDef() = default;

namespace {

// The category and slot a new button goes to, or null when there is none.
CCategory* Destination(CModel& model, int cat, int& slot) {
    const int index = cat == -1 ? model.CurrentCategoryIndex() : cat;
    CCategory* category = model.Category(index);
    if (!category)
        return nullptr;
    if (slot == -1)
        slot = model.FindFreeSlot(index, 0, true);
    if (slot < 0 || slot >= kSlotsPerCategory)
        return nullptr;
    return category;
}

} // namespace

CButtonDef* CButtonDef::CreateAt(CModel& model, int cat, int slot, const std::string& name,
                                 const std::string& target, const std::string& iconFile,
                                 int iconIndex, int openMode) {
    CCategory* category = Destination(model, cat, slot);
    if (!category)
        return nullptr;
    auto button = std::make_unique<CButtonDef>(model, name, target, iconFile, iconIndex, openMode);
    CButtonDef* stored = button.get();
    category->SetSlot(slot, std::move(button));
    return stored;
}

CButtonDef* CButtonDef::CopyAt(const CButtonDef& source, int cat, int slot, bool withSchedule) {
    CCategory* category = Destination(source.Model(), cat, slot);
    if (!category)
        return nullptr;
    auto button = std::make_unique<CButtonDef>(source, withSchedule);
    CButtonDef* stored = button.get();
    category->SetSlot(slot, std::move(button));
    return stored;
}

void CButtonDef::Set(const std::string& name, const std::string& target,
                     const std::string& iconFile, int iconIndex, int openMode) {
    Clear();
    SetTarget(target);
    if (name_.empty())
        SetName(name);
    // A desktop entry's own icon and window state are kept unless the caller
    // gives others: a program file on Linux rarely carries an icon itself.
    if (!fromShortcut_ || openMode != 1)
        SetOpenMode(openMode);
    // Working out the icon asks the icon source (a MIME look-up for a
    // document), so it is done no more often than the state changes: a second
    // LoadButtonIcon on the state the first left gives the same icon.
    if (!fromShortcut_ || !iconFile.empty()) {
        SetIconFile(iconFile);
        if ((iconIndex < 0 ? 0 : iconIndex) != iconIndex_)
            SetIconIndex(iconIndex);
    } else {
        LoadButtonIcon();
    }
}

void CButtonDef::Clear() {
    schedule_.reset();
    downloadData_.reset();
    openMode_ = 1;
    icon_ = StoredIcon{};
    ownIconFile_.reset();
    iconIndex_ = 0;
    iconFile_.clear();
    rarely_.reset();
    parameters_.clear();
    kind_ = ButtonKind::None;
    target_.clear();
    name_.clear();
    text_.clear();
    backupEnabled_ = true;
    shellIcon_ = false;
    fromShortcut_ = false;
}

void CButtonDef::SetTarget(const std::string& s) {
    std::vector<std::string> seen;
    SetTargetFollowing(s, seen);
}

void CButtonDef::ResolveShortcut() {
    std::vector<std::string> seen;
    const std::string target = target_;
    SetTargetFollowing(target, seen);
}

void CButtonDef::SetTargetFollowing(const std::string& s, std::vector<std::string>& seen) {
    KeepIconFile(IconFileFrom::Target);
    target_ = s;
    if (!EqualsNoCase(ExtensionView(target_), "desktop"))
        return;
    if (seen.size() >= kMaxShortcutHops || std::find(seen.begin(), seen.end(), s) != seen.end())
        return;
    seen.push_back(s);
    const auto info = model_->platform.shortcuts.Read(s);
    if (!info)
        return;
    fromShortcut_ = true;
    SetTargetFollowing(info->target, seen);
    if (info->internetAddress) {
        // A link entry is an address button, named so that nothing later
        // derives a file kind from its address.
        SetName(info->displayName.empty() ? info->target : info->displayName);
        SetUrl(info->target);
    } else if (!info->displayName.empty()) {
        SetName(info->displayName);
    }
    SetParameters(info->arguments);
    SetDirectory(info->workingDirectory);
    SetIconFile(info->iconFile);
    SetIconIndex(info->iconIndex);
    SetOpenMode(info->openMode);
}

void CButtonDef::SetName(const std::string& s) {
    if (!s.empty()) {
        name_ = s;
    } else {
        DetermineKind();
        name_ = IsFolder() || IsDrive() ? target_ : FileTitleOf(model_->platform.fs, target_);
    }
    DetermineKind();
}

const std::string& CButtonDef::NoText() {
    static const std::string empty;
    return empty;
}

void CButtonDef::SetRarely(std::string RarelySet::*field, const std::string& value) {
    if (!rarely_ && value.empty())
        return;
    if (!rarely_)
        rarely_ = std::make_unique<RarelySet>();
    (*rarely_).*field = value;
    if (rarely_->sound.empty() && rarely_->directory.empty())
        rarely_.reset();
}

void CButtonDef::SetDirectory(const std::string& s) {
    SetRarely(&RarelySet::directory, FileExists(model_->platform.fs, s) ? s : NoText());
}

void CButtonDef::SetSound(const std::string& s) {
    // The name is checked first: it costs less than asking the file system.
    const bool valid = EqualsNoCase(ExtensionView(s), "wav") && FileExists(model_->platform.fs, s);
    SetRarely(&RarelySet::sound, valid ? s : NoText());
}

void CButtonDef::SetIconFile(const std::string& s) {
    if (IsIconFileExtension(ExtensionView(s)) && FileExists(model_->platform.fs, s))
        iconFile_ = s;
    else
        iconFile_.clear();
    LoadButtonIcon();
}

void CButtonDef::SetIconIndex(int i) {
    iconIndex_ = i < 0 ? 0 : i;
    LoadButtonIcon();
}

void CButtonDef::SetIcon(const std::string& file, int index, const ButtonIcon* icon) {
    SetIconFile(file);
    SetIconIndex(index);
    if (icon) {
        StoreIcon(*icon);
        shellIcon_ = false;
    } else {
        LoadButtonIcon();
    }
}

void CButtonDef::SetOpenMode(int m) {
    openMode_ = static_cast<unsigned char>((m >= 1 && m <= 3) ? m : 1);
}

void CButtonDef::SetBackupEnabled(bool b) {
    backupEnabled_ = b;
    model_->SetModified();
}

void CButtonDef::SetUrl(const std::string& address) {
    target_ = address;
    kind_ = ButtonKind::Url;
    StoreIcon(IconRole::Url, IconFileFrom::None, 0);
    shellIcon_ = false;
}

void CButtonDef::SetSchedule(std::unique_ptr<CSchedule> schedule) {
    schedule_ = std::move(schedule);
}

void CButtonDef::SetDownloadData(std::unique_ptr<CDownloadData> data) {
    downloadData_ = std::move(data);
}

std::string CButtonDef::TextLine1() const {
    const size_t split = text_.find("\\n");
    return split == std::string::npos ? text_ : text_.substr(0, split);
}

std::string CButtonDef::TextLine2() const {
    const size_t split = text_.find("\\n");
    return split == std::string::npos ? std::string() : text_.substr(split + 2);
}

bool CButtonDef::KindIs(std::string_view s) const {
    return EqualsNoCase(KindName(kind_), s);
}

ButtonIcon CButtonDef::Icon() const {
    ButtonIcon icon{icon_.role, icon_.driveLetter, {}, icon_.index};
    switch (icon_.from) {
    case IconFileFrom::None:
        break;
    case IconFileFrom::Target:
        icon.file = target_;
        break;
    case IconFileFrom::IconFile:
        icon.file = iconFile_;
        break;
    case IconFileFrom::Own:
        icon.file = *ownIconFile_;
        break;
    }
    return icon;
}

void CButtonDef::StoreIcon(IconRole role, IconFileFrom from, int index) {
    icon_ = StoredIcon{role, 0, from, index};
    ownIconFile_.reset();
}

void CButtonDef::StoreIcon(const ButtonIcon& icon) {
    IconFileFrom from = IconFileFrom::Own;
    if (icon.file.empty())
        from = IconFileFrom::None;
    else if (icon.file == target_)
        from = IconFileFrom::Target;
    else if (icon.file == iconFile_)
        from = IconFileFrom::IconFile;
    StoreIcon(icon.role, from, icon.index);
    icon_.driveLetter = icon.driveLetter;
    if (from == IconFileFrom::Own)
        ownIconFile_ = std::make_unique<std::string>(icon.file);
}

void CButtonDef::KeepIconFile(IconFileFrom changing) {
    if (icon_.from != changing)
        return;
    ownIconFile_ =
        std::make_unique<std::string>(changing == IconFileFrom::Target ? target_ : iconFile_);
    icon_.from = IconFileFrom::Own;
}

bool CButtonDef::NameIs(std::string_view s) const {
    return EqualsNoCase(name_, s);
}

bool CButtonDef::IsSpecialFolder() const {
    return IsSpecialName(name_);
}

ButtonIcon CButtonDef::DrawnIcon() const {
    if (icon_.role == IconRole::None && NameIs("Control Panel"))
        return ButtonIcon{IconRole::ControlPanel, 0, "", 0};
    return Icon();
}

bool CButtonDef::IsBackupCandidate(bool force) const {
    if (!force && !backupEnabled_)
        return false;
    const CSettings& settings = model_->settings;
    if (!settings.FileBackupEnabled || settings.FileBackupRootDir.empty())
        return false;
    if (target_.empty() || StringInList(target_, "A", "A:", "A:\\"))
        return false;
    if (!FileExists(model_->platform.fs, target_) || IsDrive())
        return false;
    const StartFolders& folders = model_->folders;
    return !EqualsNoCase(target_, folders.windowsFolder) &&
           !EqualsNoCase(target_, JoinPath(folders.windowsFolder, "bin/xdg-open")) &&
           !EqualsNoCase(target_, folders.programFilesFolder);
}

void CButtonDef::DetermineKind() {
    const FileSystem& fs = model_->platform.fs;
    if (target_.empty())
        kind_ = ButtonKind::None;
    else if (StringInList(name_, "Control Panel", "Dial-Up Networking", "Printers"))
        kind_ = ButtonKind::Folder;
    else {
        // Asked once: a drive root and a folder are both folders.
        const bool folder = fs.IsFolder(target_);
        if (IsDriveRoot(fs, target_, folder))
            kind_ = ButtonKind::Drive;
        else if (folder)
            kind_ = ButtonKind::Folder;
        else if (EqualsNoCase(ExtensionView(target_), "exe") || fs.IsExecutableProgram(target_))
            kind_ = ButtonKind::Exe;
        else
            kind_ = ButtonKind::Document;
    }
}

void CButtonDef::LoadButtonIcon() {
    const IconSource& icons = model_->platform.icons;
    StoreIcon(IconRole::None, IconFileFrom::None, 0);
    shellIcon_ = false;
    if (!iconFile_.empty()) {
        if (icons.IconCount(iconFile_) > iconIndex_)
            StoreIcon(IconRole::File, IconFileFrom::IconFile, iconIndex_);
    } else if (IsFolder()) {
        icon_.role = FolderRole(name_);
    } else if (IsDocument()) {
        if (icons.HasDocumentIcon(target_)) {
            StoreIcon(IconRole::Document, IconFileFrom::Target, 0);
            iconIndex_ = 0;
            shellIcon_ = true;
        }
    } else if (IsDrive()) {
        const char first = target_.empty() ? '\0' : AsciiUpper(target_[0]);
        if (first >= 'A' && first <= 'Z') {
            StoreIcon(IconRole::Drive, IconFileFrom::None, 0);
            icon_.driveLetter = first;
        } else {
            icon_.role = IconRole::GenericDrive;
        }
    } else if (IsExe() && !target_.empty()) {
        iconFile_ = target_;
        iconIndex_ = 0;
        if (icons.IconCount(target_) > 0)
            StoreIcon(IconRole::File, IconFileFrom::Target, 0);
    } else if (IsUrl()) {
        // An address keeps its picture when its icon is recomputed.
        icon_.role = IconRole::Url;
    }
    if (icon_.role == IconRole::None)
        icon_.role = IconRole::Default;
}

bool CButtonDef::ReadUrlFile() {
    if (!EqualsNoCase(ExtensionView(target_), "url"))
        return false;
    std::string bytes;
    if (!model_->platform.fs.ReadFile(target_, bytes))
        return false;
    const ConfigText file(std::move(bytes));
    const size_t first = file.FindSection("[InternetShortcut]");
    if (first == ConfigText::npos)
        return false;
    for (size_t i = first; i < file.LineCount(); ++i) {
        const std::string line = Trim(file.Line(i));
        const size_t equals = line.find('=');
        const size_t key = line.find("URL");
        if (equals == std::string::npos || key == std::string::npos || key > equals)
            continue;
        const std::string address = Trim(std::string_view(line).substr(equals + 1));
        if (address.empty())
            continue; // "URL=" names no address; a later line may
        SetUrl(address);
        return true;
    }
    return false;
}

void CButtonDef::MakeDefaultText() {
    std::string base;
    if (IsExe() || IsDocument()) {
        if (!name_.empty()) {
            const size_t dot = name_.find('.');
            base = dot != std::string::npos && dot >= 1 ? name_.substr(0, dot) : name_;
        } else {
            if (target_.empty())
                return;
            base = FileTitleOf(model_->platform.fs, target_);
        }
        base = Trim(base);
        if (base.empty())
            return;
        static constexpr std::string_view kShortcutTo = "Shortcut to";
        if (const size_t at = base.find(kShortcutTo); at != std::string::npos)
            base = Trim(base.erase(at, kShortcutTo.size()));
    } else if (IsFolder()) {
        if (target_.empty())
            return;
        base = LastPathComponent(target_);
    } else {
        return;
    }

    if (base.empty())
        return;
    // The limits count characters: "Übersicht" is nine letters in ten bytes.
    if (CharCount(base) <= 9) {
        text_ = Capitalize(base);
        return;
    }
    const size_t space = base.find(' ');
    if (space == std::string::npos || space == 0 || CharCount(base.substr(0, space)) > 9)
        return;
    text_ = Capitalize(base.substr(0, space));
    const std::string rest = Trim(std::string_view(base).substr(space + 1));
    if (!rest.empty() && CharCount(rest) <= 9)
        text_ += "\\n" + Capitalize(rest);
}

std::string CButtonDef::WriteRecord(int slot) const {
    std::string out;
    const auto line = [&out](const std::string& text) {
        out += OneLine(text);
        out += "\r\n";
    };
    const std::string target = OneLine(target_);
    if (slot >= 0)
        line((IsUrl() ? "BUTTON_URL " : "BUTTON ") + std::to_string(slot + 1) + " " + target);
    else
        line((IsUrl() ? "ITEM_URL " : "ITEM ") + target);

    const std::pair<const char*, const std::string*> fields[] = {
        {"NAME ", &name_},
        {"TEXT ", &text_},
        {"PARAMETERS ", &parameters_},
        {"DIRECTORY ", &Directory()},
        {"SOUND ", &Sound()},
    };
    for (const auto& [key, value] : fields)
        if (!value->empty())
            line(key + *value);

    // The icon an "exe" button takes from its own target goes unwritten.
    if (!iconFile_.empty() && (iconFile_ != target_ || iconIndex_ > 0))
        line("ICON " + std::to_string(iconIndex_) + " " + iconFile_);
    if (openMode_ == 2)
        line("OPEN Maximized");
    else if (openMode_ == 3)
        line("OPEN Minimized");
    if (downloadData_)
        out += DownloadLines(*downloadData_);
    if (schedule_)
        out += ScheduleLines(*schedule_, true);
    if (!backupEnabled_)
        line("NO_BACKUP");
    line("end");
    return out;
}
