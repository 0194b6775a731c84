#include "platform/qt/QtPrompter.h"

#include <algorithm>
#include <functional>

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QSortFilterProxyModel>

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QString PathText(const std::string& s) {
    return QFile::decodeName(s.c_str());
}

std::string PathBytes(const QString& s) {
    return QFile::encodeName(s).toStdString();
}

// Lists folders and the files a test accepts, while the dialog's tested
// filter is chosen; otherwise everything the dialog's own filter lets through.
class TestedFilesProxy : public QSortFilterProxyModel {
  public:
    TestedFilesProxy(std::function<bool(const std::string&)> test, QObject* parent)
        : QSortFilterProxyModel(parent), test_(std::move(test)) {}

    void SetTesting(bool testing) {
        testing_ = testing;
        invalidateFilter();
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (!testing_)
            return true;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QModelIndex index = files->index(row, 0, parent);
        return files->isDir(index) || test_(PathBytes(files->filePath(index)));
    }

  private:
    std::function<bool(const std::string&)> test_;
    bool testing_ = false;
};

// Puts the tested filter in charge while it is chosen: the file model then
// lists every name and the proxy decides.
void UseTestedFilter(QFileDialog& dialog, const QStringList& filters, int testedFilter,
                     TestedFilesProxy* proxy) {
    const auto apply = [&dialog, filters, testedFilter, proxy](const QString& chosen) {
        const bool testing = filters.indexOf(chosen) == testedFilter - 1;
        if (testing)
            if (auto* files = dialog.findChild<QFileSystemModel*>())
                files->setNameFilters({});
        proxy->SetTesting(testing);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, proxy, apply);
    apply(dialog.selectedNameFilter());
}

QMessageBox::Icon BoxIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The answer for a box closed without a button (Escape or the close box).
MsgAnswer ClosedAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
        break;
    }
    return MsgAnswer::Cancel;
}

} // namespace

QString QtNameFilter(const std::string& filter) {
    const std::size_t bar = filter.find('|');
    QString description = Text(filter.substr(0, bar)).trimmed();
    QStringList patterns;
    if (bar != std::string::npos)
        patterns = Text(filter.substr(bar + 1)).split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        pattern = pattern.trimmed();
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*"); // "all files", also those without a dot
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    const QString suffix = QStringLiteral("(") + patterns.join(u' ') + QStringLiteral(")");
    if (description.endsWith(suffix))
        description.chop(suffix.size());
    else if (description.endsWith(u')') && description.contains(u'('))
        description.truncate(description.lastIndexOf(u'('));
    description = description.trimmed();
    return description.isEmpty() ? suffix : description + u' ' + suffix;
}

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {}

void QtPrompter::SetParent(QWidget* parent) {
    parent_ = parent;
}

MsgAnswer QtPrompter::Message(const std::string& text, const std::string& caption, MsgIcon icon,
                              MsgButtons buttons) {
    QMessageBox box(BoxIcon(icon), Text(caption), Text(text), BoxButtons(buttons), parent_);
    box.setObjectName(QStringLiteral("dorvaneMessageBox"));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return ClosedAnswer(buttons);
    }
}

std::optional<std::string> QtPrompter::AskText(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& initial) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, Text(caption), Text(prompt),
                                                 QLineEdit::Normal, Text(initial), &ok);
    if (!ok)
        return std::nullopt;
    return answer.toStdString();
}

FileDialogResult QtPrompter::ChooseFiles(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, Text(request.caption), PathText(request.folder));
    dialog.setObjectName(QStringLiteral("dorvaneFileDialog"));
    QStringList filters;
    for (const std::string& filter : request.filters)
        filters << QtNameFilter(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles
                                            : QFileDialog::ExistingFile);
    }
    if (!request.defaultSuffix.empty())
        dialog.setDefaultSuffix(Text(request.defaultSuffix));
    if (!request.fileName.empty())
        dialog.selectFile(PathText(request.fileName));
    if (request.test && request.testedFilter >= 1 && request.testedFilter <= filters.size()) {
        // A proxy model needs Qt's own dialog.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* proxy = new TestedFilesProxy(request.test, &dialog);
        dialog.setProxyModel(proxy);
        UseTestedFilter(dialog, filters, request.testedFilter, proxy);
    }

    FileDialogResult result;
    result.filterIndex = request.filterIndex;
    result.folder = request.folder;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The filter in use is reported on Cancel too; callers remember it.
    if (const auto chosen = filters.indexOf(dialog.selectedNameFilter()); chosen >= 0)
        result.filterIndex = static_cast<int>(chosen) + 1;
    if (!accepted)
        return result;
    for (const QString& file : dialog.selectedFiles())
        result.files.push_back(PathBytes(file));
    result.folder = PathBytes(dialog.directory().absolutePath());
    return result;
}

std::optional<std::string> QtPrompter::ChooseFolder(const std::string& caption,
                                                    const std::string& startFolder) {
    const QString folder =
        QFileDialog::getExistingDirectory(parent_, Text(caption), PathText(startFolder));
    if (folder.isEmpty())
        return std::nullopt;
    return PathBytes(folder);
}
