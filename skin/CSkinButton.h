#pragma once
#include <QPushButton>

// A push button drawn from up to four face bitmaps, named by resource id (0: none).
class CSkinButton : public QPushButton {
  Q_OBJECT

 public:
  struct Faces {
    int normal = 0;
    int pressed = 0;
    int hover = 0;
    int disabled = 0;
  };

  explicit CSkinButton(QWidget* parent = nullptr);

  // A disabled id of 0 reuses the normal face, so a button never turns blank when
  // it is disabled.
  void SetFaces(int normal, int pressed, int hover, int disabled);
  const Faces& GetFaces() const { return faces_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Faces faces_;
};
