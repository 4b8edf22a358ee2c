#include "QtMessages.h"

#include "base/Cp1251.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>

namespace kanavo {
namespace {

QString caption() {
    return QStringLiteral("Канаво");
}

QString fromCp1251(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

void writeUnattended(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption().toUtf8().constData(), cp1251::toUtf8(text).c_str());
    std::fflush(stderr);
}

} // namespace

void QtMessages::showMessage(const std::string& text) {
    if (m_mode == Mode::Unattended) {
        writeUnattended(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption(), fromCp1251(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtMessages::askYesNo(const std::string& text) {
    if (m_mode == Mode::Unattended) {
        writeUnattended(text);
        return false;
    }
    QMessageBox box(QMessageBox::Question, caption(), fromCp1251(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace kanavo
