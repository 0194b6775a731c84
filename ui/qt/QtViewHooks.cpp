#include "ui/qt/QtViewHooks.h"

#include <QCoreApplication>

#include "model/Category.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/MainFrame.h"

void QtViewHooks::RefreshCaption() {
    frame_.RefreshCaption();
}

void QtViewHooks::SetCaptionText(const std::string& text) {
    frame_.SetCaptionText(text);
}

void QtViewHooks::ShowCategory() {
    frame_.View()->ShowCategory(-1);
}

void QtViewHooks::RedrawSlot(int slot) {
    frame_.View()->RefreshSlot(slot);
}

void QtViewHooks::FocusSlot(int slot) {
    if (slot >= 0 && slot < kSlotsPerCategory)
        frame_.View()->Slot(slot)->setFocus();
}

void QtViewHooks::RebuildCategoryMenus() {
    frame_.RebuildCategoryMenus();
}

void QtViewHooks::RebuildConfigurationMenus() {
    frame_.RebuildConfigurationList();
}

void QtViewHooks::RebuildFavoritesMenu() {
    frame_.RebuildFavoritesMenu();
    frame_.RefreshMenus();
}

void QtViewHooks::RefreshMenuBar() {
    frame_.RebuildMenuBar();
}

void QtViewHooks::ApplyWindowSettings() {
    frame_.ApplyWindowSettings();
}

void QtViewHooks::RepaintNow() {
    frame_.RepaintNow();
}
