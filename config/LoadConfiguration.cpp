#include "config/LoadConfiguration.h"

#include <string_view>
#include <vector>

#include "config/ConfigReader.h"
#include "favorites/FavoritesSection.h"
#include "model/Model.h"
#include "model/Startup.h"
#include "model/Text.h"
#include "schedule/AlarmsSection.h"
#include "sounds/ActionSounds.h"
#include "sounds/SoundsSection.h"

namespace {

// The index of the category the load shows first.
int StartCategory(const CModel& model) {
    if (!model.settings.CategoryOnEntry.empty()) {
        const int found = model.FindCategoryByName(model.settings.CategoryOnEntry);
        if (found >= 0)
            return found;
    }
    return 0;
}

// Adds the targets of category `index`'s button records, in the order the
// load makes the buttons: each is looked up when its button is made, which
// another thread can do ahead of it.
void AddButtonTargets(const CModel& model, const ConfigSource& file, int index,
                      std::vector<std::string_view>& targets) {
    const CCategory* category = model.Category(index);
    const ConfigSource::CategoryLine* line =
        category ? file.FindCategory(category->Name()) : nullptr;
    if (!line)
        return;
    ConfigSource::RecordEntry entry;
    for (size_t i = line->first; i < line->last; ++i) {
        // Only a record header starts with a B (BUTTON, BUTTON_URL).
        const std::string_view raw = file.Text().Line(i);
        const size_t first = raw.find_first_not_of(" \t\v\f\r");
        if (first == std::string_view::npos || (raw[first] | 0x20) != 'b' ||
            !file.Record(i, entry) || entry.key != RecordKey::Button)
            continue;
        LineWords words(entry.rest);
        words.NextView(); // the slot
        if (const std::string_view target = words.RestView(); !target.empty())
            targets.push_back(target);
    }
}

// The button records, the start category first so that it shows early.
void ReadAllButtons(CModel& model, const ConfigSource& file) {
    ViewHooks& view = model.View();
    FileSystem& fs = model.platform.fs;
    const int count = model.CategoryCount();
    const int start = StartCategory(model);

    std::vector<int> others;
    for (int i = 0; i < count; ++i)
        if (i != start)
            others.push_back(i);

    // The start category's targets are looked up ahead while its buttons are
    // made, and those of the category read next. The rest wait until the
    // start category is on screen: looked up earlier, they would take
    // processor time from showing it. The next category's buttons then find
    // their look-ups done, which puts the thread ahead of the load again.
    std::vector<std::string_view> targets;
    AddButtonTargets(model, file, start, targets);
    if (!others.empty())
        AddButtonTargets(model, file, others.front(), targets);
    const size_t heldFrom = targets.size();
    for (size_t n = 1; n < others.size(); ++n)
        AddButtonTargets(model, file, others[n], targets);
    const PrefetchScope prefetch(fs, std::move(targets), heldFrom);
    view.RefreshCaption();
    ReadCategoryButtons(model, file, start);
    model.SetCurrentCategoryIndex(start);
    view.ShowCategory();
    view.RepaintNow();
    ++model.loadedCategories;

    fs.ReleasePrefetch();
    for (const int i : others) {
        view.RefreshCaption();
        ReadCategoryButtons(model, file, i);
        ++model.loadedCategories;
    }
    model.loadProgress = false;
    view.RefreshCaption();
}

} // namespace

void LoadConfiguration(CModel& model, bool withSettings) {
    // Thousands of buttons check their paths; the files are taken as
    // unchanged while the load runs.
    const LookupBatch batch(model.platform.fs);
    ViewHooks& view = model.View();
    model.loading = true;
    model.loadProgress = true;
    model.loadedCategories = 0;
    // A flag left from an earlier load must not mark this one modified.
    model.loadDropped = false;
    view.RefreshCaption();
    model.settingsModified = false;
    model.editState = {};
    model.settings.EnableScheduledLaunches = true;
    if (withSettings)
        model.ResetSettings();

    // The file is read once; every section reader scans this copy.
    const ConfigSource file =
        ConfigSource::Read(model.platform.fs, ConfigFilePath(model, model.configName));
    const int messagesBefore = model.messagesShown;
    model.saveGuard = {};
    if (file.Unreadable()) {
        // Starting empty is fine; saving over the file the user could not
        // read would lose it.
        model.Message(UnreadableConfigurationText(file.Path(), file.ReadFailure()),
                      "Could Not Read Configuration", MsgIcon::Stop);
        model.saveGuard.unreadFile = file.Path();
    }

    if (ConfigurationVersion(model, file) > 0) {
        if (model.CurrentCategory())
            view.SetCaptionText(Format("LOADING CONFIGURATION \"%s\"", model.configName.c_str()));
        model.loadDropped = false;
        model.loadedCategories = 0;
        ReadCategories(model, file);
        if (withSettings)
            ReadSettings(model, file);
    }

    model.NormaliseCategories();
    view.ApplyWindowSettings();
    view.RefreshMenuBar();

    ReadAllButtons(model, file);

    // The header check is repeated here, message included, as the sections
    // below belong to a valid file only.
    if (ConfigurationVersion(model, file) > 0) {
        model.loadDropped = false;
        ReadFavorites(model, file.Text(), file.Path());
        ReadAlarmsSection(model, file.Text(), file.Path());
        ResetActionSounds(model.sounds, model.programFolder);
        ReadSoundsSection(model, file.Text());
        model.ClearDialogParams();
        ReadDialogParameters(model, file);
    }
    view.RefreshMenuBar();
    view.RebuildFavoritesMenu();

    model.loading = false;
    model.settingsModified = model.loadDropped;
    // What was reported may not have been read; the first save keeps the
    // file as it was.
    if (file.Readable() && model.messagesShown != messagesBefore) {
        model.saveGuard.problemFile = file.Path();
        model.saveGuard.problemBytes = file.Text().Bytes();
    }
}

std::string UnreadableConfigurationText(const std::string& path, const std::string& reason) {
    return "The configuration file\r\n\r\n" + path + "\r\n\r\ncould not be read: " + reason +
           ".\r\n\r\nDORVANE starts without it, and will not save over the file unless you "
           "agree.";
}
