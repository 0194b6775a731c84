#include "utilities/IconSelection.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "undo/Undo.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kFileDialogKind = 1;
constexpr int kCell = 40;
constexpr int kSpacing = 10;

bool ExtensionIn(const std::string& path, std::initializer_list<const char*> extensions) {
    const std::string extension = ExtensionOf(LastPathComponent(path));
    for (const char* e : extensions)
        if (EqualsNoCase(extension, e))
            return true;
    return false;
}

// Files of a folder that hold one picture each: .ico, and the picture files
// of the desktop's icon themes.
bool IsFolderIconFile(const std::string& name) {
    return ExtensionIn(name, {"ico", "png", "svg", "xpm"});
}

} // namespace

IconCell IconGridCell(int listWidth, int k) {
    const int width = listWidth - 50;
    // A list too narrow for one column still shows its icons, one a row.
    const int columns = std::max(1, (width - kSpacing) / (kSpacing + kCell));
    const int leftover = std::max(0, width - (kSpacing * (columns + 1) + kCell * columns));
    const int share = leftover / (columns + 1);
    const int spacing = kSpacing + share;
    const int margin = (leftover - share * (columns + 1)) / 2;
    const int column = k % columns;
    const int row = k / columns;
    return {margin + spacing + column * (spacing + kCell), spacing + row * (spacing + kCell)};
}

IconCell ButtonListCell(int listWidth, int i) {
    return {(listWidth - 50) / 2, i * 50 + 10};
}

bool IsIconSourceFile(const std::string& path) {
    return ExtensionIn(path, {"icl", "exe", "dll", "ico", "png", "svg", "xpm"});
}

std::string CSelectIcons::Caption() const {
    switch (mode_) {
    case Mode::File:
        return " Icons in \"" + LastPathComponent(path_) + "\"";
    case Mode::Folder:
        return " Icons in Folder " + path_;
    case Mode::None:
        break;
    }
    return " Select Icons for Buttons";
}

bool CSelectIcons::LoadFile(const std::string& path) {
    const int count = model_.platform.icons.IconCount(path);
    mode_ = Mode::File;
    path_ = path;
    icons_.clear();
    for (int i = 0; i < count; ++i)
        icons_.push_back({path, i});
    icon_ = -1;
    return true;
}

bool CSelectIcons::LoadFolder(const std::string& path) {
    std::vector<std::string> names;
    for (const FileEntry& entry : model_.platform.fs.FindAll(JoinPath(path, "*")))
        if (!entry.isFolder && IsFolderIconFile(entry.name))
            names.push_back(entry.name);
    if (names.empty())
        return false;
    // Folders list their files in no useful order; show them by name.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = CompareNoCase(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    mode_ = Mode::Folder;
    path_ = path;
    icons_.clear();
    for (const std::string& name : names)
        icons_.push_back({JoinPath(path, name), 0});
    icon_ = -1;
    return true;
}

bool CSelectIcons::ChooseFile() {
    PlayActionSound(model_, "Open File Selection Box", true);
    FileDialogRequest request;
    request.caption = "Select a File Containing Icons";
    request.folder = model_.DialogFolder(kFileDialogKind, model_.folders.windowsFolder);
    request.filters = {"Icon Library Files (*.icl)|*.icl", "Executable Files (*.exe)|*.exe",
                       "DLL Files (*.dll)|*.dll",
                       "Icon Files (*.ico *.png *.svg *.xpm)|*.ico;*.png;*.svg;*.xpm",
                       "All Files (*)|*"};
    request.filterIndex = std::clamp(model_.DialogFilter(kFileDialogKind, 5), 1, 5);
    const FileDialogResult result = model_.platform.prompter.ChooseFiles(request);
    model_.SetDialogFilter(kFileDialogKind, result.filterIndex);
    if (result.files.empty())
        return false;
    const std::string& file = result.files.front();
    const std::string folder = FolderOf(model_.platform.fs, file);
    if (!folder.empty())
        model_.SetDialogFolder(kFileDialogKind, folder);
    if (model_.platform.icons.IconCount(file) > 0)
        return LoadFile(file);
    model_.Message("The selected file does not contain any icons\r\n\r\nFile:  " + file,
                   "No Icons in File", MsgIcon::Stop);
    return false;
}

bool CSelectIcons::ChooseFolder() {
    PlayActionSound(model_, "Open File Selection Box", true);
    const std::string start =
        mode_ == Mode::Folder ? path_
                              : model_.DialogFolder(kFileDialogKind, model_.folders.windowsFolder);
    const std::optional<std::string> folder =
        model_.platform.prompter.ChooseFolder("Select a Folder Containing Icons", start);
    if (!folder || folder->empty())
        return false;
    if (LoadFolder(*folder))
        return true;
    model_.Message("The selected folder does not contain any icon files (.ico)\r\n\r\nFolder:  " +
                       *folder,
                   "No Icon Files in Folder", MsgIcon::Stop);
    return false;
}

bool CSelectIcons::Drop(const std::string& path) {
    if (!IsIconSourceFile(path) || model_.platform.fs.IsFolder(path))
        return false;
    return LoadFile(path);
}

void CSelectIcons::SelectIcon(int index) {
    icon_ = index >= 0 && index < IconCount() ? index : -1;
}

void CSelectIcons::SelectButton(int slot) {
    slot_ = slot >= 0 && model_.HasButton(-1, slot) ? slot : -1;
}

bool CSelectIcons::PreviousEnabled() const {
    for (int i = model_.CurrentCategoryIndex() - 1; i >= 0; --i)
        if (model_.Category(i))
            return true;
    return false;
}

bool CSelectIcons::NextEnabled() const {
    for (int i = model_.CurrentCategoryIndex() + 1; i < kMaxCategories; ++i)
        if (model_.Category(i))
            return true;
    return false;
}

int CSelectIcons::Apply() {
    if (!ApplyEnabled() || !FileExists(model_.platform.fs, path_))
        return -1;
    const int slot = slot_;
    const CButtonDef* button = model_.GetButton(-1, slot);
    if (!button)
        return -1;
    const IconRef& ref = icons_[static_cast<size_t>(icon_)];
    // The old button is kept for undo, and the copy with its new icon takes its slot.
    BeginChangeWithEntry(model_, "Set Button Icon", "Delete Button", -1, slot, true);
    auto copy = std::make_unique<CButtonDef>(*button);
    copy->SetIcon(ref.file, ref.index, nullptr);
    model_.CurrentCategory()->SetSlot(slot, std::move(copy));
    AddChangeEntry(model_, "Add Button", -1, slot, true);
    model_.View().RedrawSlot(slot);
    PlayActionSound(model_, "Add", true);
    model_.SetModified();
    icon_ = -1;
    slot_ = -1;
    return slot;
}

void CSelectIcons::StepCategory(int step) {
    if (step < 0 ? !PreviousEnabled() : !NextEnabled())
        return;
    int index = model_.CurrentCategoryIndex();
    do
        index += step;
    while (!model_.Category(index));
    model_.SetCurrentCategoryIndex(index);
    model_.View().ShowCategory();
    slot_ = -1;
}
