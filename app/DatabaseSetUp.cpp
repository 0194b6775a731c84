#include "app/DatabaseSetUp.h"

#include <QFontDatabase>
#include <QMimeDatabase>
#include <QStringList>

DatabaseSetUp::DatabaseSetUp()
    : thread_([] {
          (void)QFontDatabase::families();
          (void)QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain"));
      }) {}

DatabaseSetUp::~DatabaseSetUp() {
    thread_.join();
}
