#include "app/FontSetUp.h"

#include <QFontDatabase>
#include <QStringList>

FontSetUp::FontSetUp() : thread_([] { (void)QFontDatabase::families(); }) {}

FontSetUp::~FontSetUp() {
    thread_.join();
}
