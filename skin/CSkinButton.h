#pragma once
#include <QColor>
#include <QEvent>
#include <QPushButton>

#include "skin/SkinBitmapStore.h"

// The private window message by which a radio button that becomes checked clears
// the other buttons of its group; in Qt it travels as the event type of
// CSkinButton::UncheckEventType().
inline constexpr int WM_SKINBUTTON_UNCHECK = 0x500;

// A button drawn from up to four face bitmaps (normal, pressed, hover, disabled),
// named by skin id (0: none). It shows the hover face while the pointer is over it,
// keeps its pressed look in step with the pointer while held, and acts as a check
// box or radio button when its style says so.
class CSkinButton : public QPushButton {
  Q_OBJECT

 public:
  enum class Kind { PushButton = 0, CheckBox = 2, RadioButton = 4 };

  struct Faces {
    int normal = 0;
    int pressed = 0;
    int hover = 0;
    int disabled = 0;
  };

  explicit CSkinButton(QWidget* parent = nullptr);

  // The kind that a Windows button style (its low byte) asks for.
  static Kind KindFromStyle(unsigned style);
  // Takes the kind from the style of the template control the button stands for.
  void AttachStyle(unsigned style) { kind_ = KindFromStyle(style); }
  Kind GetKind() const { return kind_; }

  // A disabled id of 0 reuses the normal face, so a button never turns blank when
  // it is disabled. A face whose bitmap is missing is drawn as a button-face fill.
  void SetFaces(int normal, int pressed, int hover, int disabled);
  const Faces& GetFaces() const { return faces_; }

  // The check state: a push button's is always clear. Checking a radio button
  // clears the other controls of its group.
  void SetCheck(int state);
  int GetCheck() const { return checked_ ? 1 : 0; }

  void SetTextColor(const QColor& colour);

  static QEvent::Type UncheckEventType();
  // Marks `control` as the first control of a group among its siblings (the
  // platform's group style); a group runs to the next control so marked.
  static void SetGroupStart(QWidget* control, bool start);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void DrawFace(QPainter& painter, tarvix::skin::SkinBitmap& face);
  void DrawCaption(QPainter& painter, const QRect& area, const QColor& colour);
  void ToggleByUser();
  void UncheckGroup();

  bool checked_ = false;
  Kind kind_ = Kind::PushButton;
  bool hover_ = false;
  bool held_ = false;
  Faces faces_;
  tarvix::skin::SkinBitmap normal_, pressed_, hoverFace_, disabled_;
  QColor textColour_;
};
