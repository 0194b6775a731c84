#include "ui/qt/AboutBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Model.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "ui/MakerPage.h"
#include "ui/ModalScope.h"

AboutBox::AboutBox(CModel& model, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About DORVANE"));
    auto* picture = new QLabel;
    picture->setPixmap(ProgramIcons::Icon(IconNames::App).pixmap(48, 48));
    auto* text = new QVBoxLayout;
    text->addWidget(new QLabel(QStringLiteral("DORVANE       Version 10.0")));
    text->addWidget(new QLabel(QStringLiteral("Quick-Launch Your Programs and Files")));
    text->addWidget(new QLabel(QStringLiteral("and Keep Your Desktop Organized")));
    text->addWidget(new QLabel(QStringLiteral("Made by Ombrell")));
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text);

    auto* close = new QPushButton(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    auto* maker = new QPushButton(QStringLiteral("Other Programs by Ombrell"));
    maker->setObjectName(QStringLiteral("makerButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(maker, &QPushButton::clicked, this, [&model] {
        OpenMakerPage(model,
                      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(maker);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void AboutBox::Show(CModel& model, QWidget* parent) {
    ModalScope modal(model);
    AboutBox box(model, parent);
    box.exec();
}
