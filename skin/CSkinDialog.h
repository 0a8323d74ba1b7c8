#pragma once
#include <QColor>
#include <QDialog>
#include <QPoint>
#include <vector>

#include "skin/SkinBitmapStore.h"

// The dialog base of every window: a background bitmap over the client area,
// transparent labels in one colour, and for the main window a move by any bare
// spot of the background.
class CSkinDialog : public QDialog {
  Q_OBJECT

 public:
  enum class BackgroundMode {
    Stretched,  // scaled over the whole client area; loaded at the first paint
    Native,     // at its own size in the top-left corner; loaded with the dialog
  };

  struct Settings {
    int backgroundId = 0;
    BackgroundMode mode = BackgroundMode::Stretched;
    QColor labelColour = Qt::white;
    // Controls (by template id) that keep the platform's own colours.
    std::vector<int> excludedIds;
    bool dragByClientArea = false;

    // The background and how it is drawn, everything else as above.
    static Settings Background(int id, BackgroundMode mode = BackgroundMode::Stretched) {
      Settings settings;
      settings.backgroundId = id;
      settings.mode = mode;
      return settings;
    }
  };

  explicit CSkinDialog(Settings settings, QWidget* parent = nullptr);

  const Settings& SkinSettings() const { return settings_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ApplyControlColours(QWidget* control) const;
  bool IsExcluded(const QWidget* control) const;
  bool IsBareBackground(const QPoint& point) const;

  Settings settings_;
  tarvix::skin::SkinBitmap background_;
  // Where the window manager cannot move the window itself, it follows the pointer.
  bool following_ = false;
  QPoint grabOffset_;
};
