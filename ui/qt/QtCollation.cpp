#include "ui/qt/QtCollation.h"

#include <QCollator>
#include <QString>

int QtCollate(const std::string& a, const std::string& b) {
    // One collator per thread: building it loads the locale's rules.
    thread_local QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return collator.compare(QString::fromStdString(a), QString::fromStdString(b));
}
