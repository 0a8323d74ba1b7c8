#pragma once
#include <QColor>
#include <QDialog>
#include <vector>

// The dialog base of every window: background bitmap, label colour, and for the
// main window a move by any bare spot of the background.
class CSkinDialog : public QDialog {
  Q_OBJECT

 public:
  enum class BackgroundMode { Stretched, Native };

  struct Settings {
    int backgroundId = 0;
    BackgroundMode mode = BackgroundMode::Stretched;
    QColor labelColour = Qt::white;
    std::vector<int> excludedIds;
    bool dragByClientArea = false;
  };

  explicit CSkinDialog(Settings settings, QWidget* parent = nullptr);

  const Settings& SkinSettings() const { return settings_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Settings settings_;
};
