#include "settings/qt/SettingsDialogTemplate.h"

#include <QFont>

namespace tarvix::settings::qt {

void PlaceControl(QWidget* control, int id, int x, int y, int w, int h) {
  control->setGeometry(DialogUnitsToPixels(x, y, w, h));
  if (id == 0) return;
  control->setProperty(kControlIdProperty, id);
  control->setObjectName(QStringLiteral("ctl%1").arg(id));
}

void ApplyTemplateFrame(QWidget* dialog, int widthUnits, int heightUnits) {
  dialog->setFont(QFont(QStringLiteral("Arial"), 8));
  dialog->setFixedSize(DialogSizeToPixels(widthUnits, heightUnits));
  dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint);
}

}  // namespace tarvix::settings::qt
