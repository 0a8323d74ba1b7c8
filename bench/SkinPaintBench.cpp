// Paint times of the skinned controls: the main window's device list with 200 rows
// (rows, header and the off-screen copy), and its scroll bars while the thumb is
// dragged. No network is involved; it runs on Qt's offscreen platform:
//   build/bench/skin_paint_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QTreeWidget>

#include "skin/CSkinHScrollBar.h"
#include "skin/CSkinHeaderCtrl.h"
#include "skin/CSkinListCtrl.h"
#include "skin/CSkinVScrollBar.h"

namespace {

// The device list where the main window has it, filled with 200 devices.
class DeviceListScene {
 public:
  DeviceListScene() {
    host_.resize(430, 574);
    list_ = new CSkinListCtrl(&host_);
    list_->setGeometry(21, 77, 268, 106);
    list_->SetFullRowSelect(true);
    const char* titles[] = {"Name", "IP", "Netmask", "Gateway"};
    const int widths[] = {94, 85, 85, 85};
    for (int c = 0; c < 4; ++c) list_->InsertColumn(c, QString::fromLatin1(titles[c]), widths[c]);
    for (int i = 0; i < 200; ++i) {
      const int row = list_->InsertItem(QStringLiteral("Storage-%1").arg(i));
      list_->SetItemText(row, 1, QStringLiteral("10.77.%1.%2").arg(i / 250).arg(i % 250 + 2));
      list_->SetItemText(row, 2, QStringLiteral("255.255.255.0"));
      list_->SetItemText(row, 3, QStringLiteral("10.77.0.1"));
    }
    list_->AttachScrollBars();
    list_->setCurrentItem(list_->topLevelItem(3));
    host_.show();
    QApplication::processEvents();
  }

  CSkinListCtrl* List() const { return list_; }

 private:
  QWidget host_;
  CSkinListCtrl* list_ = nullptr;
};

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void DeviceListPaint(benchmark::State& state) {
  DeviceListScene scene;
  QPixmap target(scene.List()->size());
  for (auto _ : state) {
    scene.List()->render(&target);
    benchmark::DoNotOptimize(target);
  }
}
BENCHMARK(DeviceListPaint)->Unit(benchmark::kMicrosecond);

// The header alone: background, dividers and titles.
void HeaderPaint(benchmark::State& state) {
  DeviceListScene scene;
  CSkinHeaderCtrl* header = scene.List()->Header();
  QPixmap target(header->size());
  for (auto _ : state) {
    header->render(&target);
    benchmark::DoNotOptimize(target);
  }
}
BENCHMARK(HeaderPaint)->Unit(benchmark::kMicrosecond);

// For comparison: Qt's own list of the same rows, drawn the platform's way.
void PlainListPaint(benchmark::State& state) {
  QWidget host;
  host.resize(430, 574);
  auto* list = new QTreeWidget(&host);
  list->setGeometry(21, 77, 268, 106);
  list->setColumnCount(4);
  for (int i = 0; i < 200; ++i) {
    auto* item = new QTreeWidgetItem(list);
    item->setText(0, QStringLiteral("Storage-%1").arg(i));
    for (int c = 1; c < 4; ++c) item->setText(c, QStringLiteral("255.255.255.0"));
  }
  host.show();
  QApplication::processEvents();
  QPixmap target(list->size());
  for (auto _ : state) {
    list->render(&target);
    benchmark::DoNotOptimize(target);
  }
}
BENCHMARK(PlainListPaint)->Unit(benchmark::kMicrosecond);

// One step of a thumb drag: the move that scrolls the list, and the bar's repaint.
void ThumbDragStep(benchmark::State& state, bool vertical) {
  DeviceListScene scene;
  QWidget* bar = vertical ? static_cast<QWidget*>(scene.List()->VerticalBar())
                          : static_cast<QWidget*>(scene.List()->HorizontalBar());
  const int length = vertical ? bar->height() : bar->width();
  auto point = [vertical](int along) { return vertical ? QPoint(5, along) : QPoint(along, 5); };
  Send(bar, QEvent::MouseButtonPress, point(30), Qt::LeftButton);
  QPixmap target(bar->size());
  int along = 30;
  int direction = 1;
  for (auto _ : state) {
    along += direction;
    if (along <= 20 || along >= length - 20) direction = -direction;
    Send(bar, QEvent::MouseMove, point(along), Qt::LeftButton);
    bar->render(&target);
    benchmark::DoNotOptimize(target);
  }
  Send(bar, QEvent::MouseButtonRelease, point(along), Qt::NoButton);
}
BENCHMARK_CAPTURE(ThumbDragStep, Vertical, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ThumbDragStep, Horizontal, false)->Unit(benchmark::kMicrosecond);

// The same step with the list's repaint that the scroll brings, as on screen.
void ThumbDragWithListRepaint(benchmark::State& state) {
  DeviceListScene scene;
  QWidget* bar = scene.List()->VerticalBar();
  Send(bar, QEvent::MouseButtonPress, QPoint(5, 30), Qt::LeftButton);
  QPixmap barTarget(bar->size());
  QPixmap listTarget(scene.List()->size());
  int along = 30;
  int direction = 1;
  for (auto _ : state) {
    along += direction;
    if (along <= 20 || along >= bar->height() - 20) direction = -direction;
    Send(bar, QEvent::MouseMove, QPoint(5, along), Qt::LeftButton);
    scene.List()->render(&listTarget);
    bar->render(&barTarget);
    benchmark::DoNotOptimize(listTarget);
  }
  Send(bar, QEvent::MouseButtonRelease, QPoint(5, along), Qt::NoButton);
}
BENCHMARK(ThumbDragWithListRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
