#pragma once

#include "ui/ButtonPropertiesEdit.h"
#include "ui/ButtonTextEdit.h"
#include "favorites/OrganizeFavorites.h"
#include "ui/EditDialogs.h"
#include "ui/OrganizeCategories.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Dialogs that answer from a script and record what they were asked.
class FakeEditDialogs : public EditDialogs {
  public:
    // Text-input dialog: answers in order; Cancel once they run out.
    std::deque<std::optional<std::string>> texts;
    std::vector<TextInputRequest> textRequests;

    // Button Text dialog: the lines typed, then Apply or Cancel. With no
    // script left the dialog is cancelled untouched.
    struct TypedText {
        std::string line1;
        std::string line2;
        bool apply = true;
    };
    std::deque<TypedText> buttonTexts;
    int buttonTextOpened = 0;

    // Button Properties and Organize Categories: what the user does.
    std::function<void(CButtonPropertiesEdit&)> properties;
    int propertiesOpened = 0;
    std::function<void(COrganizeCategories&)> organize;
    std::function<void(COrganizeFavorites&)> organizeFavorites;
    int organizeFavoritesOpened = 0;

    // Start-up category list: answers in order; Cancel once they run out.
    std::deque<std::optional<std::string>> startupChoices;
    std::vector<std::vector<std::string>> startupLists;

    std::optional<std::string> TextInput(const TextInputRequest& request) override {
        textRequests.push_back(request);
        if (texts.empty())
            return std::nullopt;
        std::optional<std::string> answer = texts.front();
        texts.pop_front();
        if (answer && request.preview)
            request.preview(*answer);
        return answer;
    }

    void ButtonText(CButtonTextEdit& edit) override {
        ++buttonTextOpened;
        if (buttonTexts.empty()) {
            edit.Cancel();
            return;
        }
        const TypedText typed = buttonTexts.front();
        buttonTexts.pop_front();
        edit.SetLines(typed.line1, typed.line2);
        if (typed.apply)
            edit.Apply();
        else
            edit.Cancel();
    }

    void ButtonProperties(CButtonPropertiesEdit& edit) override {
        ++propertiesOpened;
        if (properties)
            properties(edit);
    }

    std::optional<std::string> StartupCategory(const std::vector<std::string>& names) override {
        startupLists.push_back(names);
        if (startupChoices.empty())
            return std::nullopt;
        std::optional<std::string> answer = startupChoices.front();
        startupChoices.pop_front();
        return answer;
    }

    void OrganizeCategories(COrganizeCategories& edit) override {
        if (organize)
            organize(edit);
    }

    void OrganizeFavorites(COrganizeFavorites& edit) override {
        ++organizeFavoritesOpened;
        if (organizeFavorites)
            organizeFavorites(edit);
    }
};
