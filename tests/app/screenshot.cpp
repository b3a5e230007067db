// Renders the window after a translation into a PNG, the picture shown in the README, with the
// pointer on one group (R27L/1200 by default) so that its sentence shows highlighted; with --fr,
// the window in French:
//   vantrel_screenshot docs/window.png ["REPORT" [GROUP]]
//   vantrel_screenshot --fr docs/window-fr.png ["REPORT" [GROUP]]
// Run it under a real or virtual X display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "form1.hpp"
#include "group_row.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  vantrel::setUpApplication();
  QStringList args = QApplication::arguments();
  const bool french = args.size() >= 2 && args[1] == QStringLiteral("--fr");
  if (french) args.removeAt(1);
  // The user's own choices are neither read nor changed.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  if (args.size() < 2 || args.size() > 4) {
    std::fprintf(stderr, "usage: vantrel_screenshot [--fr] OUT.png [REPORT [GROUP]]\n");
    return 2;
  }
  const QString report = args.size() >= 3 ? args[2]
                                          : QStringLiteral(
                                                "METAR LFPG 121230Z 27010KT 240V300 9999 "
                                                "R27L/1200 RA BKN020 18/12 Q1013 NOSIG");
  vantrel::TForm1 form;
  form.setMessageBoxHook([](const QString& text) {
    std::fprintf(stderr, "vantrel_screenshot: %s\n", qPrintable(text));
  });
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  if (french) form.findChild<QRadioButton*>(QStringLiteral("RadioButton4"))->click();
  auto* edit = form.findChild<QLineEdit*>(QStringLiteral("edmetar"));
  edit->setFocus();
  // As pasted: line breaks and all.
  edit->setText(report);
  QTest::keyClick(edit, Qt::Key_Return);
  edit->setCursorPosition(0);
  const QString pointed = args.size() == 4 ? args[3] : QStringLiteral("R27L/1200");
  auto* row = form.findChild<vantrel::GroupRow*>(QStringLiteral("LbUnread"));
  for (int item = 0; item < row->itemCount(); ++item) {
    if (row->itemText(item) == pointed) QTest::mouseMove(row, row->itemRect(item).center());
  }
  QTest::qWait(50);
  if (!form.grab().save(args[1], "PNG")) {
    std::fprintf(stderr, "vantrel_screenshot: cannot write %s\n", qPrintable(args[1]));
    return 1;
  }
  return 0;
}
