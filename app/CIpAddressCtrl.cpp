#include "app/CIpAddressCtrl.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

constexpr int kOctetDigits = 3;
constexpr unsigned kOctetMax = 255;

// The text an octet field shows for `text`: blank, or the number without leading
// zeros, a number above 255 being shown as 255. Digits are the only characters
// an octet may hold; anything else gives no text.
QString OctetText(const QString& text, bool* digitsOnly = nullptr) {
  bool digits = true;
  for (QChar c : text) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
  if (digitsOnly) *digitsOnly = digits;
  if (!digits || text.isEmpty()) return {};
  // Any run of digits longer than the field is above 255 as well.
  const unsigned value = text.size() > kOctetDigits ? kOctetMax + 1 : text.toUInt();
  return QString::number(qMin(value, kOctetMax));
}

// Typing: a key that is not a digit is refused; a number above 255 turns into 255
// the moment it is typed (as the Windows address field does), so the field never
// shows, nor yields, a value that is not the one sent.
class OctetValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    bool digits = false;
    const QString shown = OctetText(input, &digits);
    if (!digits) return Invalid;
    if (shown != input) {
      input = shown;
      pos = static_cast<int>(shown.size());
    }
    return Acceptable;
  }
};

}  // namespace

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
    field->setValidator(new OctetValidator(field));
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { OnFieldEdited(i, text); });
    // Text set by program skips the validator when it is not digits; it too must
    // end up as an octet, so what is shown is what is read.
    connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
      const QString shown = OctetText(text);
      if (shown != text) field->setText(shown);
    });
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
    // The field holds 0..255 only; the bound keeps a wider number from wrapping.
    octets[i] = static_cast<std::uint8_t>(qMin(text.toUInt(), kOctetMax));
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
