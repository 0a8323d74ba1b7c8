#pragma once
#include <QFont>
#include <QString>

namespace tarvix::skin {

// A font asked for as a Windows program asks: by face name and by cell height in
// pixels (ascent plus descent), which is larger than Qt's em size for the same
// number. Every font of the skin comes from here.
QFont SkinFont(const QString& face, int cellHeight, QFont::Weight weight = QFont::Normal);

}  // namespace tarvix::skin
