#include "app/CIpAddressCtrl.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kOctetDigits = 3;
}

CIpAddressCtrl::CIpAddressCtrl(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(0);
  for (int i = 0; i < kFieldCount; ++i) {
    auto* field = new QLineEdit(this);
    field->setFrame(false);
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(kOctetDigits);
    field->setValidator(new QIntValidator(0, 255, field));
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { OnFieldEdited(i, text); });
    fields_[static_cast<size_t>(i)] = field;
    layout->addWidget(field, 1);
    if (i + 1 < kFieldCount) layout->addWidget(new QLabel(QStringLiteral("."), this));
  }
}

void CIpAddressCtrl::ClearAddress() {
  for (QLineEdit* field : fields_) field->clear();
}

void CIpAddressCtrl::SetAddress(std::uint32_t address) {
  for (int i = 0; i < kFieldCount; ++i) {
    std::uint32_t octet = (address >> (8 * (kFieldCount - 1 - i))) & 0xFFu;
    fields_[static_cast<size_t>(i)]->setText(QString::number(octet));
  }
}

int CIpAddressCtrl::GetAddress(std::array<std::uint8_t, 4>& octets) const {
  int filled = 0;
  for (size_t i = 0; i < octets.size(); ++i) {
    const QString text = fields_[i]->text();
    octets[i] = static_cast<std::uint8_t>(text.toUInt() & 0xFFu);
    if (!text.isEmpty()) ++filled;
  }
  return filled;
}

bool CIpAddressCtrl::IsBlank() const {
  for (const QLineEdit* field : fields_) {
    if (!field->text().isEmpty()) return false;
  }
  return true;
}

void CIpAddressCtrl::SetFieldFocus(int field) {
  if (field < 0 || field >= kFieldCount) {
    field = 0;
    while (field < kFieldCount - 1 && !fields_[static_cast<size_t>(field)]->text().isEmpty())
      ++field;
  }
  QLineEdit* target = fields_[static_cast<size_t>(field)];
  target->setFocus(Qt::OtherFocusReason);
  target->selectAll();
}

void CIpAddressCtrl::OnFieldEdited(int field, const QString& text) {
  // A full octet moves on to the next field, as typing an address expects.
  if (text.size() == kOctetDigits && field + 1 < kFieldCount) SetFieldFocus(field + 1);
}

bool CIpAddressCtrl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    for (int i = 0; i + 1 < kFieldCount; ++i) {
      if (watched == fields_[static_cast<size_t>(i)] && key->text() == QStringLiteral(".")) {
        if (!fields_[static_cast<size_t>(i)]->text().isEmpty()) SetFieldFocus(i + 1);
        return true;
      }
    }
  }
  return QFrame::eventFilter(watched, event);
}
