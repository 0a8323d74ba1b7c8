#include "settings/qt/QtMessageBoxes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "settings/qt/NormalCursor.h"

namespace tarvix::settings::qt {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program file's name without its extension.
QString ApplicationName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace

void QtMessageBoxes::Show(std::string_view text, std::string_view caption, MessageIcon icon) {
  const QString title = caption.empty() ? ApplicationName() : FromUtf8(caption);
  NormalCursor pointer;
  QMessageBox box(ToQtIcon(icon), title, FromUtf8(text), QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace tarvix::settings::qt
