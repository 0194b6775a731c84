#include "config/LoadConfiguration.h"

#include "config/ConfigReader.h"
#include "favorites/FavoritesSection.h"
#include "model/Model.h"
#include "model/Startup.h"
#include "model/Text.h"
#include "schedule/AlarmsSection.h"
#include "sounds/ActionSounds.h"
#include "sounds/SoundsSection.h"

namespace {

// The button records, the start category first so that it shows early.
void ReadAllButtons(CModel& model, const ConfigSource& file) {
    ViewHooks& view = model.View();
    const int count = model.CategoryCount();
    int start = 0;
    if (!model.settings.CategoryOnEntry.empty()) {
        const int found = model.FindCategoryByName(model.settings.CategoryOnEntry);
        if (found >= 0)
            start = found;
    }

    view.RefreshCaption();
    ReadCategoryButtons(model, file, start);
    model.SetCurrentCategoryIndex(start);
    view.ShowCategory();
    view.RepaintNow();
    ++model.loadedCategories;

    for (int i = 0; i < count; ++i) {
        if (i == start)
            continue;
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
