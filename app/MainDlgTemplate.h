#pragma once
#include <QSize>
#include <span>

namespace tarvix::app {

// The main window is exactly the size of its background bitmap (287 x 329 units).
inline constexpr QSize kMainWindowSize(430, 574);

enum class ControlKind { List, Button, DropDown, Label, AddressField };

// One control of the main window's template, in dialog units.
struct TemplateControl {
  int id;
  ControlKind kind;
  int x, y, w, h;
  bool visible;
  const char* text;  // label text; for a drop-down, its items separated by '\n'
};

struct DialogTemplate {
  int width;
  int height;
  std::span<const TemplateControl> controls;
};

// The main window (template 102): 287 x 329 dialog units in Arial 8.
DialogTemplate MainDialogTemplate();

}  // namespace tarvix::app
