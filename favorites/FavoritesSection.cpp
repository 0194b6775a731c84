#include "favorites/FavoritesSection.h"

#include "config/ButtonRecord.h"
#include "config/ConfigText.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/Schedule.h"

#include <vector>

namespace {

bool IsWholeNumber(std::string_view word) {
    if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
        word.remove_prefix(1);
    }
    if (word.empty()) {
        return false;
    }
    for (char c : word) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The target of an item header: the rest of the line, except that a slot
// number after a BUTTON keyword is passed over.
std::string HeaderTarget(std::string_view line, const PendingRecord& record) {
    LineWords words(line);
    const std::string key = words.Next();
    if (EqualsNoCase(key, "BUTTON") || EqualsNoCase(key, "BUTTON_URL")) {
        LineWords rest(record.afterKeyword);
        if (IsWholeNumber(rest.Next())) {
            return record.target;
        }
    }
    return record.afterKeyword;
}

// An item's target must still be there; drives and addresses are not tested.
bool TargetExists(const CModel& model, const PendingRecord& record) {
    const FileSystem& fs = model.platform.fs;
    return record.url || IsDriveRoot(fs, record.target) || FileExists(fs, record.target);
}

// Items show no text and take their icon from the target, so the TEXT and
// ICON lines of their records are not applied.
std::unique_ptr<CButtonDef> BuildItem(CModel& model, PendingRecord& record) {
    record.text.clear();
    record.iconFile.clear();
    record.iconIndex = 0;
    std::unique_ptr<CButtonDef> item = BuildButton(model, record);
    if (record.schedule) {
        item->SetSchedule(std::move(record.schedule));
    }
    return item;
}

void AppendMenuEntries(const CFavoritesMenu& menu, std::string& out) {
    CFavoritesTree::Walk(
        menu,
        [&out](const CFavoritesMenu& parent, int index, int) {
            if (const CFavoritesMenu* submenu = parent.SubMenu(index)) {
                out += "MENU ";
                // A line break inside the text would start a line of its own on reading.
                for (char c : submenu->Text()) {
                    out += c == '\r' || c == '\n' ? ' ' : c;
                }
                out += "\r\n";
            } else if (const CButtonDef* item = parent.Item(index)) {
                out += item->WriteRecord(-1);
            }
        },
        [&out](const CFavoritesMenu&, int) { out += "END_MENU\r\n"; });
    out += "END_MENU\r\n";
}

} // namespace

void ReadFavorites(CModel& model, const ConfigText& text, const std::string& path) {
    const size_t start = text.FindSection("FAVORITES");
    if (start == ConfigText::npos) {
        return;
    }
    CFavoritesTree& tree = model.favorites;
    tree.ResetFavorites();
    std::vector<CFavoritesMenu*> open{tree.Root()};
    PendingRecord record;
    bool inRecord = false;
    // Menus below the deepest allowed level are skipped with all they hold;
    // this counts the MENU lines open inside the skipped one.
    int skipping = 0;
    bool depthReported = false;

    for (size_t i = start; i < text.LineCount(); ++i) {
        const std::string line = Trim(text.Line(i));
        if (line.empty()) {
            continue;
        }
        if (IsSectionEnd(line,
                         {"FILE_DIALOG_PARAMETERS", "SOUNDS", "ALARMS", "FAVORITES", "BUTTONS"})) {
            break;
        }
        LineWords words(line);
        const std::string key = words.Next();
        if (skipping > 0) {
            if (EqualsNoCase(key, "MENU")) {
                ++skipping;
            } else if (EqualsNoCase(key, "END_MENU")) {
                --skipping;
            }
            continue;
        }
        if (EqualsNoCase(key, "MENU") && open.back()->Depth() >= kMaxFavoritesDepth) {
            skipping = 1;
            inRecord = false;
            if (depthReported) {
                continue;
            }
            depthReported = true;
            model.Message(
                Format("The maximum depth of the Favorites menu is %d levels; the menus below "
                       "it in \"%s\" are not read",
                       kMaxFavoritesDepth - 1, path.c_str()),
                "Favorites Menu Too Deep", MsgIcon::Stop);
            continue;
        }
        if (EqualsNoCase(key, "MENU")) {
            std::unique_ptr<CFavoritesMenu> menu = tree.NewFavoritesMenu(words.Rest(), open.back());
            CFavoritesMenu* added = menu.get();
            if (tree.InsertFavoritesEntry(std::move(menu), open.back(), -1)) {
                open.push_back(added);
            }
            continue;
        }
        if (EqualsNoCase(key, "END_MENU")) {
            if (open.size() > 1) {
                open.pop_back();
            }
            continue;
        }

        switch (ApplyRecordLine(record, line)) {
        case RecordLine::Start:
            record.target = HeaderTarget(line, record);
            inRecord = true;
            break;
        case RecordLine::Field:
            break;
        case RecordLine::End:
            // An "end" without a record of its own would repeat the last item.
            if (inRecord && TargetExists(model, record)) {
                tree.InsertFavoritesEntry(BuildItem(model, record), open.back(), -1);
            }
            inRecord = false;
            break;
        case RecordLine::Unknown:
            model.Message(Format("Invalid keyword in \"%s\"", path.c_str()), "Bad Keyword",
                          MsgIcon::Stop);
            model.View().RebuildFavoritesMenu();
            return;
        }
    }
    model.View().RebuildFavoritesMenu();
}

void AppendFavoritesSection(const CModel& model, std::string& out) {
    const CFavoritesMenu* root = model.favorites.Root();
    if (root == nullptr || root->EntryCount() == 0) {
        return;
    }
    out += "FAVORITES\r\n";
    AppendMenuEntries(*root, out);
}
