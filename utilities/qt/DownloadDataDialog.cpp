#include "utilities/qt/DownloadDataDialog.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ButtonDef.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "ui/ModalScope.h"
#include "ui/qt/QtButtonIcons.h"

namespace {

using Field = CDownloadData::Field;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CDownloadDataDlg::CDownloadDataDlg(CDownloadDataEdit& edit, QWidget* parent)
    : QDialog(parent), edit_(edit) {
    setObjectName(QStringLiteral("DownloadDataDialog"));
    setWindowTitle(QStringLiteral("Application/File Download Data"));
    setWindowIcon(ProgramIcons::Window());

    // The button's icon and target, for orientation.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("buttonIcon"));
    QtButtonIcons icons(devicePixelRatioF());
    icon->setPixmap(icons.Pixmap(edit.Button().DrawnIcon()));
    icon->setAccessibleName(QStringLiteral("Button icon"));
    auto* target =
        new QLineEdit(QFile::decodeName(QByteArray::fromStdString(edit.Button().Target())), this);
    target->setObjectName(QStringLiteral("target"));
    target->setReadOnly(true);
    auto* targetLabel = new QLabel(QStringLiteral("App/File"), this);
    targetLabel->setBuddy(target);
    target->setAccessibleName(QStringLiteral("App/File"));

    auto* grid = new QGridLayout;
    grid->addWidget(targetLabel, 0, 0);
    grid->addWidget(target, 0, 1, 1, 2);
    int row = 1;
    for (const DownloadFieldLabel& visible : VisibleDownloadFields()) {
        auto* field = new QLineEdit(Q(edit.Text(visible.field)), this);
        field->setObjectName(QString::fromLatin1(DownloadKeyword(visible.field)));
        field->setAccessibleName(QString::fromLatin1(visible.label));
        field->setMinimumWidth(360);
        auto* label = new QLabel(QString::fromLatin1(visible.label), this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        fields_[visible.field] = field;
        connect(field, &QLineEdit::textChanged, this, [this, f = visible.field](const QString& t) {
            edit_.SetText(f, t.toStdString());
            UpdateStates();
        });
        if (visible.field == Field::AuthorUrl || visible.field == Field::DownloadUrl) {
            auto* go = new QPushButton(QStringLiteral("Go!"), this);
            const bool author = visible.field == Field::AuthorUrl;
            go->setObjectName(author ? QStringLiteral("goAuthorUrl")
                                     : QStringLiteral("goDownloadUrl"));
            go->setAccessibleName(QStringLiteral("Go to ") + QString::fromLatin1(visible.label));
            go->setAutoDefault(false);
            (author ? goAuthor_ : goDownload_) = go;
            grid->addWidget(go, row, 2);
            connect(go, &QPushButton::clicked, this, [this, f = visible.field] { edit_.Go(f); });
        }
        ++row;
    }

    save_ = new QPushButton(QStringLiteral("&Save"), this);
    save_->setObjectName(QStringLiteral("save"));
    save_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    connect(save_, &QPushButton::clicked, this, [this] {
        edit_.Save();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    UpdateStates();
}

void CDownloadDataDlg::Show(CModel& model, CDownloadDataEdit& edit, QWidget* parent) {
    ModalScope modal(model);
    CDownloadDataDlg dialog(edit, parent);
    dialog.exec();
}

void CDownloadDataDlg::UpdateStates() {
    save_->setEnabled(edit_.SaveEnabled());
    goAuthor_->setEnabled(edit_.GoEnabled(Field::AuthorUrl));
    goDownload_->setEnabled(edit_.GoEnabled(Field::DownloadUrl));
}
