#pragma once
#include <QFrame>
#include <array>
#include <cstdint>

class QLineEdit;

// An IPv4 address field: four octet fields that may all be blank. An octet field
// holds nothing but a number 0..255 or no text: a larger number shows as 255 the
// moment it is typed or set, so the field reads as it looks.
class CIpAddressCtrl : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kFieldCount = 4;

  explicit CIpAddressCtrl(QWidget* parent = nullptr);

  void ClearAddress();
  // `address` holds the first octet in its high byte.
  void SetAddress(std::uint32_t address);
  // Writes the four octets (blank fields read as 0) and returns how many fields are
  // not blank.
  int GetAddress(std::array<std::uint8_t, 4>& octets) const;
  bool IsBlank() const;
  // Focuses one octet field; an index outside 0..3 focuses the first blank field.
  void SetFieldFocus(int field);

  QLineEdit* Field(int field) const { return fields_[static_cast<size_t>(field)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnFieldEdited(int field, const QString& text);

  std::array<QLineEdit*, kFieldCount> fields_{};
};
