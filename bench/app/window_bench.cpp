// How fast the window starts and how it copes with a big paste. One measurement per process, so
// each start-up is a cold one:
//
//   vantrel_window_bench bare           first frame of a bare 680 x 300 QWidget
//   vantrel_window_bench window         first frame of the Vantrel window
//   vantrel_window_bench paste [BYTES]  paste a report of BYTES (1 MiB by default) into the report
//                                       field, release Enter, repaint
//
// Times are in milliseconds from the first line of main(), before QApplication exists. "first
// frame" is when the window's first paint has run and the event loop is idle again, so every
// child control has been painted too. bench/app/startup.sh runs each mode several times under
// Xvfb and prints the medians.

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "form1.hpp"

namespace {

QElapsedTimer clock_;

double elapsedMs() {
  return static_cast<double>(clock_.nsecsElapsed()) / 1e6;
}

// Records the first paint of the watched window, then quits once the loop is idle again.
class FirstFrame : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && firstPaintMs_ < 0) {
      firstPaintMs_ = elapsedMs();
      QTimer::singleShot(0, this, [this] {
        firstFrameMs_ = elapsedMs();
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }
  double firstPaintMs_ = -1;
  double firstFrameMs_ = -1;
};

int startUp(const char* mode) {
  const bool bare = std::strcmp(mode, "bare") == 0;
  int argc = 1;
  char name[] = "vantrel_window_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  const double appMs = elapsedMs();
  FirstFrame frame;
  QWidget bareWindow;
  vantrel::TForm1* form = nullptr;
  QWidget* window = &bareWindow;
  if (!bare) {
    vantrel::setUpApplication();
    form = new vantrel::TForm1;
    window = form;
  } else {
    bareWindow.resize(680, 300);
  }
  const double constructedMs = elapsedMs();
  window->installEventFilter(&frame);
  window->show();
  QApplication::exec();
  std::printf(
      "%s application_ms %.2f constructed_ms %.2f first_paint_ms %.2f first_frame_ms %.2f\n", mode,
      appMs, constructedMs, frame.firstPaintMs_, frame.firstFrameMs_);
  delete form;
  return frame.firstFrameMs_ < 0 ? 1 : 0;
}

// Reports as a user might paste them: the worked example over and over, one space apart.
QString bigReport(std::size_t bytes) {
  const std::string example =
      "METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA BKN020 18/12 Q1013 NOSIG ";
  std::string text;
  text.reserve(bytes + example.size());
  while (text.size() < bytes) text += example;
  text.resize(bytes);
  return QString::fromStdString(text);
}

// Runs `action`, then the event loop until `widget` has been painted; the time of both.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
  ~PaintWatch() override { widget_->removeEventFilter(this); }
  template <class Action>
  double msUntilPainted(Action action) {
    painted_ = false;
    QElapsedTimer t;
    t.start();
    action();
    while (!painted_ && t.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint) painted_ = true;
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* widget_;
  bool painted_ = false;
};

int paste(std::size_t bytes) {
  int argc = 1;
  char name[] = "vantrel_window_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  vantrel::setUpApplication();
  vantrel::TForm1 form;
  form.setMessageBoxHook([](const QString&) {});
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  auto* edit = form.findChild<QLineEdit*>(QStringLiteral("edmetar"));
  auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  edit->setFocus();
  QGuiApplication::clipboard()->setText(bigReport(bytes));
  QCoreApplication::processEvents();

  PaintWatch editPainted(edit);
  PaintWatch memoPainted(memo->viewport());
  // Ctrl+V up to the field showing the pasted text.
  const double pasteMs = editPainted.msUntilPainted([&] { edit->paste(); });
  // Enter up to the memo showing the translation; the translation alone is timed inside.
  double translateMs = 0;
  const double enterMs = memoPainted.msUntilPainted([&] {
    QElapsedTimer t;
    t.start();
    QTest::keyClick(edit, Qt::Key_Return);
    translateMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
  });
  // What the blinking text cursor costs each time it is drawn: a repaint of its small area.
  const double cursorMs =
      editPainted.msUntilPainted([&] { edit->update(0, 0, 4, edit->height()); });

  std::printf(
      "paste bytes %zu field_chars %lld memo_lines %d paste_to_frame_ms %.2f "
      "enter_to_frame_ms %.2f enter_translate_ms %.2f cursor_repaint_ms %.2f\n",
      bytes, static_cast<long long>(edit->text().size()), memo->document()->blockCount(), pasteMs,
      enterMs, translateMs, cursorMs);
  return edit->text().size() == static_cast<qsizetype>(bytes) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  clock_.start();
  if (argc >= 2 && (std::strcmp(argv[1], "bare") == 0 || std::strcmp(argv[1], "window") == 0)) {
    return startUp(argv[1]);
  }
  if (argc >= 2 && std::strcmp(argv[1], "paste") == 0) {
    return paste(argc >= 3 ? std::stoul(argv[2]) : std::size_t{1} << 20);
  }
  std::fprintf(stderr, "usage: vantrel_window_bench bare|window|paste [BYTES]\n");
  return 2;
}
