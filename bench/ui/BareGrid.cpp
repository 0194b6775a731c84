// The baseline of the start and memory benchmarks: a bare Qt Widgets program
// with a window holding a grid of N icon buttons (argument 1, default 0) and
// a menu bar, nothing else. With BARE_EXIT_AFTER_FIRST_PAINT=1 it ends right
// after the grid's first paint, as the program does under measurement.

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

class PaintWatch : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        watched->removeEventFilter(this);
        QApplication::sendEvent(watched, event);
        std::fflush(nullptr);
        _exit(0);
    }
};

QIcon ButtonIcon(int i) {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor::fromHsv((i * 37) % 360, 160, 220));
    QPainter painter(&pixmap);
    painter.drawRect(4, 4, 23, 23);
    return QIcon(pixmap);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 0;
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(0);
    for (int i = 0; i < count; ++i) {
        auto* button = new QToolButton;
        button->setIcon(ButtonIcon(i));
        button->setIconSize(QSize(32, 32));
        button->setText(QStringLiteral("Tool\n%1").arg(i + 1));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFixedSize(64, 64);
        layout->addWidget(button, i / 10, i % 10);
    }
    window.setCentralWidget(grid);
    PaintWatch watch;
    if (qEnvironmentVariableIntValue("BARE_EXIT_AFTER_FIRST_PAINT") == 1)
        grid->installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}
