#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

// Message boxes and standard dialogs as real Qt dialogs, modal to a parent
// window. Widget tests give the widgets a ScriptedPrompter instead.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr);
    // The window the dialogs are modal to; the main window sets itself once built.
    void SetParent(QWidget* parent);

    MsgAnswer Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;
    FileDialogResult ChooseFiles(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(const std::string& caption,
                                            const std::string& startFolder) override;

  private:
    QPointer<QWidget> parent_;
};

// A "Description|*.a;*.b" filter as a Qt name filter "Description (*.a *.b)";
// a pattern list the description already ends with is not repeated.
QString QtNameFilter(const std::string& filter);
