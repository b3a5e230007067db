// The window on the offscreen platform: keys and clicks in, memo lines and hook calls out.
// Expected lines come from the library itself, so these tests check that the window shows a
// translation exactly, not what the translation says.

#include "form1.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <memory>

#include "group_row.hpp"
#include "metar/translate.hpp"

namespace {

const QString kWorkedExample =
    QStringLiteral("METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA BKN020 18/12 Q1013 NOSIG");
const QString kNotValid = QStringLiteral("It is not a valid METAR.");
const QString kAuto = QStringLiteral("METAR EGLL 071250Z AUTO 24012KT 9999 NCD 12/08 Q1015 NOSIG");
const QString kAutoUnread = QStringLiteral("6 groups not read: AUTO 24012KT NCD 12/08 Q1015 NOSIG");
// Unread in both readings: AUTO and most after it when classic, XQ7 alone when full.
const QString kOdd =
    QStringLiteral("METAR EGLL 071250Z AUTO 24012KT 9999 NCD 12/08 Q1015 XQ7 NOSIG");

QStringList libraryLines(const QString& report, bool full = false,
                         vantrel::Language language = vantrel::Language::kEnglish) {
  const QByteArray utf8 = report.toUtf8();
  const vantrel::Translation translation = vantrel::translate(
      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
      full ? vantrel::Reading::kFull : vantrel::Reading::kClassic, vantrel::Explain::kNo, language);
  QStringList lines;
  for (std::size_t i = 0; i < translation.size(); ++i) {
    const std::string_view line = translation.line(i);
    lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  }
  return lines;
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<vantrel::TForm1> form_;
  QTemporaryDir settingsDir_;
  QStringList messages_;
  QList<QUrl> mails_;

  template <typename T>
  T* control(const char* name) const {
    T* found = form_->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
  }
  QLineEdit* edmetar() const { return control<QLineEdit>("edmetar"); }
  QPushButton* btTrans() const { return control<QPushButton>("BtTrans"); }
  QPlainTextEdit* memo1() const { return control<QPlainTextEdit>("Memo1"); }
  vantrel::GroupRow* lbUnread() const { return control<vantrel::GroupRow>("LbUnread"); }
  QCheckBox* cbFull() const { return control<QCheckBox>("CbFull"); }

  // The memo's lines, block by block: trailing spaces and empty lines as they are.
  QStringList memoLines() const {
    const QTextDocument* document = memo1()->document();
    if (document->isEmpty()) return {};
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
      lines << block.text();
    }
    return lines;
  }

  void typeReport(const QString& report) {
    edmetar()->setFocus();
    QTest::keyClicks(edmetar(), report);
    QCOMPARE(edmetar()->text(), report);
  }

  void clickTranslate(const QString& report) {
    edmetar()->setText(report);
    QTest::mouseClick(btTrans(), Qt::LeftButton);
  }

 private slots:
  void initTestCase() {
    // The choice of reading is kept in the user's settings: the tests keep theirs apart.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
  }

  void init() {
    QSettings(QStringLiteral("Vantrel"), QStringLiteral("Vantrel")).clear();
    messages_.clear();
    mails_.clear();
    form_ = std::make_unique<vantrel::TForm1>();
    form_->setMessageBoxHook([this](const QString& text) { messages_ << text; });
    form_->setMailHook([this](const QUrl& url) { mails_ << url; });
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  void cleanup() { form_.reset(); }

  void enterReleaseTranslates_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("Shift+Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt+Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Shift+keypad Enter")
        << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::KeypadModifier);
  }
  void enterReleaseTranslates() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    typeReport(kWorkedExample);
    QVERIFY(memoLines().isEmpty());
    QTest::keyPress(edmetar(), key, modifiers);
    QVERIFY2(memoLines().isEmpty(), "the press alone must not translate");
    QTest::keyRelease(edmetar(), key, modifiers);
    QCOMPARE(memoLines(), libraryLines(kWorkedExample));
    QVERIFY(messages_.isEmpty());
  }

  void otherKeysDoNothing_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Space") << Qt::Key_Space << Qt::KeyboardModifiers();
    QTest::newRow("letter") << Qt::Key_Q << Qt::KeyboardModifiers();
    QTest::newRow("Ctrl+M") << Qt::Key_M << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Escape") << Qt::Key_Escape << Qt::KeyboardModifiers();
    QTest::newRow("Tab") << Qt::Key_Tab << Qt::KeyboardModifiers();
    QTest::newRow("End") << Qt::Key_End << Qt::KeyboardModifiers();
    QTest::newRow("F5") << Qt::Key_F5 << Qt::KeyboardModifiers();
  }
  void otherKeysDoNothing() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    edmetar()->setText(kWorkedExample);
    QTest::keyClick(edmetar(), key, modifiers);
    QVERIFY(memoLines().isEmpty());
    QVERIFY(messages_.isEmpty());
  }

  void heldEnterTranslatesOnceOnRelease() {
    edmetar()->setText(QStringLiteral("SPECI LFPG 121230Z"));
    QTest::keyPress(edmetar(), Qt::Key_Return);
    // What a held key sends while it repeats.
    for (int i = 0; i < 3; ++i) {
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(edmetar(), &release);
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(edmetar(), &press);
    }
    QVERIFY(messages_.isEmpty());
    QTest::keyRelease(edmetar(), Qt::Key_Return);
    QCOMPARE(messages_, QStringList{kNotValid});
  }

  // The Enter that dismisses the message box is released back in the report field; it must not
  // bring the box straight back. The next full Enter in the field translates again.
  void enterThatClosesMessageBoxDoesNotTranslateAgain() {
    QTest::keyClick(edmetar(), Qt::Key_Return);
    QCOMPARE(messages_.size(), 1);
    QTest::keyRelease(edmetar(), Qt::Key_Return);
    QCOMPARE(messages_.size(), 1);
    QTest::keyClick(edmetar(), Qt::Key_Return);
    QCOMPARE(messages_.size(), 2);
    edmetar()->setText(kWorkedExample);
    QTest::keyClick(edmetar(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(memoLines(), libraryLines(kWorkedExample));
  }

  void clickTranslates() {
    clickTranslate(kWorkedExample);
    QCOMPARE(memoLines(), libraryLines(kWorkedExample));
    QVERIFY(messages_.isEmpty());
  }

  void memoHoldsTheTranslationLines_data() {
    QTest::addColumn<QString>("report");
    QTest::newRow("worked example") << kWorkedExample;
    QTest::newRow("report type alone") << QStringLiteral("METAR");
    QTest::newRow("lone station") << QStringLiteral("LFPG");
    QTest::newRow("lower case") << kWorkedExample.toLower();
    QTest::newRow("trailing spaces") << kWorkedExample + QStringLiteral("   ");
    QTest::newRow("double space before temperature")
        << QStringLiteral("METAR LFPG 121230Z 27010KT 9999 BKN020  18/12 Q1013");
    QTest::newRow("CAVOK and weather")
        << QStringLiteral("METAR EGLL 011050Z 24015G25KT CAVOK -SHRA 15/09 Q1021");
    QTest::newRow("becoming and temporary") << QStringLiteral(
        "METAR EDDF 151520Z 31012KT 9999 FEW030 12/04 Q1018 BECMG 34015KT 6000 SCT020 "
        "TEMPO 4000 SHRA BKN015");
    QTest::newRow("no weather, no trend")
        << QStringLiteral("METAR KJFK 302351Z 00000KT 9999 SKC 21/15 Q1012");
    QTest::newRow("non-ASCII station") << QStringLiteral("METAR ÉÇÜ° 121230Z 27010KT 9999 NSC");
    QTest::newRow("replacement character, no-break space")
        << QStringLiteral("METAR L\uFFFDPG 121230Z \u00A0RA");
  }
  void memoHoldsTheTranslationLines() {
    QFETCH(QString, report);
    clickTranslate(report);
    const QStringList expected = libraryLines(report);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(memoLines(), expected);
    QVERIFY(messages_.isEmpty());
  }

  // The lines the worked example must show whatever the library's sentences: eight of them, the
  // degree sign intact, the closing empty line, the trailing spaces.
  void workedExampleShape() {
    clickTranslate(kWorkedExample);
    const QStringList lines = memoLines();
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines[5].contains(QChar(0xB0)));
    QVERIFY(!lines[5].contains(QChar::ReplacementCharacter));
    for (int i : {2, 3, 4, 5, 6}) QVERIFY2(lines[i].endsWith(u' '), qPrintable(lines[i]));
    QCOMPARE(lines[7], QString());
    QCOMPARE(memo1()->document()->blockCount(), 8);
  }

  void reportTypeAloneGivesThreeEmptyLines() {
    clickTranslate(QStringLiteral("METAR"));
    QCOMPARE(memoLines(), (QStringList{QString(), QString(), QString()}));
  }

  void refusedReportShowsMessageBoxAndEmptyMemo_data() {
    QTest::addColumn<QString>("report");
    QTest::newRow("empty") << QString();
    QTest::newRow("SPECI") << QStringLiteral("SPECI LFPG 121230Z");
    QTest::newRow("five-letter station") << QStringLiteral("LFPGX 121230Z 27010KT");
    QTest::newRow("spaces only") << QStringLiteral("    ");
  }
  void refusedReportShowsMessageBoxAndEmptyMemo() {
    QFETCH(QString, report);
    clickTranslate(kWorkedExample);
    QVERIFY(!memoLines().isEmpty());
    clickTranslate(report);
    QCOMPARE(messages_, QStringList{kNotValid});
    QVERIFY(memoLines().isEmpty());
    QCOMPARE(memo1()->toPlainText(), QString());
  }

  // The box the program really shows, closed from a timer once its modal loop runs.
  void messageBoxAsShown() {
    vantrel::TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      seen = true;
      const QRect screen = box->screen()->availableGeometry();
      box->button(QMessageBox::Ok)->click();
      QCOMPARE(box->windowTitle(), QStringLiteral("Vantrel"));
      QCOMPARE(box->text(), kNotValid);
      QCOMPARE(box->icon(), QMessageBox::NoIcon);
      QCOMPARE(box->buttons().size(), 1);
      QVERIFY(box->parentWidget() == nullptr);
      QVERIFY2((box->frameGeometry().center() - screen.center()).manhattanLength() <= 24,
               "the box is centred on the screen");
    });
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BtTrans")), Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->document()->isEmpty());
  }

  void secondTranslationReplacesTheFirst() {
    const QString second = QStringLiteral("METAR EGLL 011050Z 24015KT 9999 FEW040 15/09 Q1021");
    clickTranslate(kWorkedExample);
    edmetar()->clear();
    typeReport(second);
    QTest::keyClick(edmetar(), Qt::Key_Return);
    QCOMPARE(memoLines(), libraryLines(second));
    clickTranslate(QStringLiteral("METAR"));
    QCOMPARE(memoLines(), libraryLines(QStringLiteral("METAR")));
  }

  // Français translates the field again in French, the window's texts and the message box
  // follow, and the choice is kept for the next window; English brings everything back.
  void frenchTranslatesAndIsRemembered() {
    clickTranslate(kWorkedExample);
    QTest::mouseClick(control<QRadioButton>("RadioButton4"), Qt::LeftButton);
    QVERIFY(!control<QRadioButton>("RadioButton3")->isChecked());
    QCOMPARE(memoLines(), libraryLines(kWorkedExample, false, vantrel::Language::kFrench));
    QCOMPARE(btTrans()->text(), QStringLiteral("Traduire\u00A0!"));
    QCOMPARE(cbFull()->text(), QStringLiteral("Lire tous les groupes"));
    const QString taf = QStringLiteral("TAF KJFK 071730Z 0718/0824 28012KT P6SM FEW250");
    clickTranslate(taf);
    QCOMPARE(memoLines(), libraryLines(taf, false, vantrel::Language::kFrench));
    QVERIFY(memoLines().value(0).startsWith(QStringLiteral("Prévision émise")));
    clickTranslate(QStringLiteral("ABCDEFG"));
    QCOMPARE(messages_, QStringList{QStringLiteral("Ce n'est pas un METAR valide.")});
    {
      const vantrel::TForm1 next;
      QVERIFY(next.findChild<QRadioButton*>(QStringLiteral("RadioButton4"))->isChecked());
    }
    QTest::mouseClick(control<QRadioButton>("RadioButton3"), Qt::LeftButton);
    QCOMPARE(btTrans()->text(), QStringLiteral("Translate!"));
    clickTranslate(kWorkedExample);
    QCOMPARE(memoLines(), libraryLines(kWorkedExample));
  }

  // Far past QLineEdit's default limit of 32767 characters.
  void longPasteIsTakenWhole() {
    const QString report = kWorkedExample + QString(100000, u' ') + QStringLiteral("RMK");
    edmetar()->setFocus();
    edmetar()->insert(report);
    QCOMPARE(edmetar()->text().size(), report.size());
    QTest::keyClick(edmetar(), Qt::Key_Return);
    QCOMPARE(memoLines(), libraryLines(report));
  }

  // Pasted text: line breaks, tabs, no-break spaces and the Unicode separators become one space
  // each and the ends are trimmed, in the field too, before the report is read.
  void pastedTextReadsAsTyped_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("field");
    const QString nosig = kWorkedExample;
    const QString wrapped = QStringLiteral(
        "METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA "
        "BKN020 18/12 Q1013 NOSIG");
    QTest::newRow("line end LF") << nosig + u'\n' << nosig;
    QTest::newRow("line end CR LF") << nosig + QStringLiteral("\r\n") << nosig;
    QTest::newRow("wrapped CR LF")
        << QString(wrapped).replace(QStringLiteral(" BKN020 "), QStringLiteral("\r\nBKN020 "))
        << wrapped;
    QTest::newRow("wrapped CR") << QString(wrapped).replace(QStringLiteral(" BKN020 "),
                                                            QStringLiteral("\rBKN020 "))
                                << wrapped;
    QTest::newRow("no-break space")
        << QString(nosig).replace(QStringLiteral(" 9999"), QStringLiteral("\u00A09999")) << nosig;
    QTest::newRow("tab") << QString(nosig).replace(QStringLiteral(" RA "), QStringLiteral("\tRA "))
                         << nosig;
    QTest::newRow("line separator inside a group")
        << QStringLiteral("METAR LF\u2028G 121230Z 27010KT 9999 BKN020 18/12 Q1013")
        << QStringLiteral("METAR LF G 121230Z 27010KT 9999 BKN020 18/12 Q1013");
    QTest::newRow("leading space") << u' ' + nosig << nosig;
    QTest::newRow("inner double space kept")
        << QStringLiteral("METAR LFPG 121230Z 27010KT 9999 BKN020  18/12 Q1013")
        << QStringLiteral("METAR LFPG 121230Z 27010KT 9999 BKN020  18/12 Q1013");
  }
  void pastedTextReadsAsTyped() {
    QFETCH(QString, pasted);
    QFETCH(QString, field);
    clickTranslate(pasted);
    QCOMPARE(edmetar()->text(), field);
    QCOMPARE(memoLines(), libraryLines(field));
    QVERIFY(messages_.isEmpty());
  }

  // A noncharacter the memo would take for a line break, copied from a typed group into a
  // sentence, shows as U+FFFD; the memo keeps one line per translation line.
  void lineBreakCharactersStayInTheirLine() {
    const QChar character(0xFDD0);
    const QString report = QStringLiteral("METAR LF") + character +
                           QStringLiteral("G 121230Z 27010KT 9999 BKN020 18/12 Q1013");
    clickTranslate(report);
    QStringList expected = libraryLines(report);
    QVERIFY(!expected.isEmpty());
    for (QString& line : expected) line.replace(character, QChar::ReplacementCharacter);
    QCOMPARE(memoLines(), expected);
  }

  // A forecast is read by the forecast reader in either reading, never refused.
  void forecastIsRead_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("full");
    QTest::addColumn<bool>("forecast");
    const QString taf = QStringLiteral("TAF KJFK 071730Z 0718/0824 28012KT P6SM FEW250");
    QTest::newRow("TAF") << taf << false << true;
    QTest::newRow("TAF, full reading") << taf << true << true;
    QTest::newRow("TAF AMD") << "taf amd KJFK 071730Z 0718/0824 28012KT P6SM FEW250" << false
                             << true;
    QTest::newRow("no type word") << "KJFK 071730Z 0718/0824 28012KT P6SM FEW250" << false << true;
    QTest::newRow("old validity") << "KJFK 071730Z 071824 28012KT P6SM FEW250" << false << true;
    QTest::newRow("a report") << "KJFK 071751Z 28012KT 10SM FEW250 03/M09 A3012" << false << false;
    QTest::newRow("METAR first") << "METAR KJFK 071751Z 0718/0824" << false << false;
  }
  void forecastIsRead() {
    QFETCH(QString, report);
    QFETCH(bool, full);
    QFETCH(bool, forecast);
    cbFull()->setChecked(full);
    clickTranslate(report);
    QCOMPARE(messages_, QStringList());
    QCOMPARE(memoLines().value(0).startsWith(QStringLiteral("Forecast issued")), forecast);
    QVERIFY(!forecast || control<QPushButton>("BtReadAll")->isHidden());
  }

  // When the classic reading leaves groups unread, or takes a visibility in miles for metres,
  // "Read them all" offers the full reading in one click; the choice is kept for the next window.
  void hintToTheFullReading_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("hint");
    QTest::newRow("unread groups") << kAuto << true;
    QTest::newRow("miles as metres")
        << "METAR KJFK 071751Z 28012KT 10SM FEW250 03/M09 Q1013" << true;
    QTest::newRow("all read") << kWorkedExample << false;
  }
  void hintToTheFullReading() {
    QFETCH(QString, report);
    QFETCH(bool, hint);
    auto* readAll = control<QPushButton>("BtReadAll");
    clickTranslate(report);
    QCOMPARE(readAll->isVisible(), hint);
    QVERIFY(!cbFull()->toolTip().isEmpty());
    if (!hint) return;
    QTest::mouseClick(readAll, Qt::LeftButton);
    QVERIFY(cbFull()->isChecked());
    QVERIFY(!readAll->isVisible());
    QCOMPARE(memoLines(), libraryLines(report, true));
    const vantrel::TForm1 next;
    QVERIFY(next.findChild<QCheckBox*>(QStringLiteral("CbFull"))->isChecked());
  }

  // The whole list of the groups not read is the row's tooltip, and Ctrl+C copies it; the
  // contact address can be selected.
  void unreadGroupsCanBeReadAndCopied() {
    const QString t = QStringLiteral(" T00281089").repeated(40);
    clickTranslate("KJFK 071251Z 31012KT 10SM FEW250 03/M09 A3012 RMK AO2 SLP199 T00281089" + t);
    QCOMPARE(lbUnread()->toolTip(), lbUnread()->accessibleName());
    QVERIFY(lbUnread()->toolTip().endsWith(QStringLiteral("T00281089")));
    lbUnread()->setCurrent(-1);
    lbUnread()->setFocus();
    lbUnread()->setCurrent(-1);
    QTest::keyClick(lbUnread(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("A3012 RMK AO2 SLP199 T00281089") + t);
    QVERIFY(control<QLabel>("Label3")->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
  }

  void windowIsFixedAtItsDesignedPlace() {
    QCOMPARE(form_->size(), QSize(680, 334));
    QCOMPARE(form_->minimumSize(), QSize(680, 334));
    QCOMPARE(form_->maximumSize(), QSize(680, 334));
    form_->resize(900, 500);
    QCOMPARE(form_->size(), QSize(680, 334));
    const Qt::WindowFlags flags = form_->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Vantrel"));
    QVERIFY(form_->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(form_->palette().color(form_->backgroundRole()),
             form_->palette().color(QPalette::Button));

    const vantrel::TForm1 fresh;
    QCOMPARE(fresh.pos(), QPoint(142, 196));
    QCOMPARE(fresh.font().pointSize(), 8);
  }

  void controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    const QString form = QStringLiteral("Form1");
    QTest::newRow("Label1") << "Label1"
                            << "QLabel" << form << QRect(387, 4, 183, 13);
    QTest::newRow("Label2") << "Label2"
                            << "QLabel" << form << QRect(382, 18, 219, 13);
    QTest::newRow("Label3") << "Label3"
                            << "QLabel" << form << QRect(443, 35, 59, 13);
    QTest::newRow("Label4") << "Label4"
                            << "QLabel" << form << QRect(67, 19, 220, 13);
    QTest::newRow("edmetar") << "edmetar"
                             << "QLineEdit" << form << QRect(2, 50, 675, 21);
    QTest::newRow("BtTrans") << "BtTrans"
                             << "QPushButton" << form << QRect(1, 79, 675, 25);
    QTest::newRow("Memo1") << "Memo1"
                           << "QPlainTextEdit" << form << QRect(3, 113, 675, 185);
    QTest::newRow("GroupBox2") << "GroupBox2"
                               << "QGroupBox" << form << QRect(5, 7, 146, 39);
    QTest::newRow("RadioButton3") << "RadioButton3"
                                  << "QRadioButton" << form << QRect(490, 301, 68, 16);
    QTest::newRow("RadioButton4") << "RadioButton4"
                                  << "QRadioButton" << form << QRect(490, 317, 68, 16);
    QTest::newRow("LbUnread") << "LbUnread"
                              << "vantrel::GroupRow" << form << QRect(5, 303, 481, 28);
    QTest::newRow("CbFull") << "CbFull"
                            << "QCheckBox" << form << QRect(562, 301, 116, 17);
  }
  void controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    const auto* widget = control<QWidget>(qPrintable(name));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
  }

  void tabOrder() {
    const QStringList tabStops = {QStringLiteral("BtTrans"),      QStringLiteral("Memo1"),
                                  QStringLiteral("edmetar"),      QStringLiteral("RadioButton3"),
                                  QStringLiteral("RadioButton4"), QStringLiteral("CbFull"),
                                  QStringLiteral("LbUnread"),     QStringLiteral("BtReadAll")};
    QStringList chain;
    const QWidget* start = btTrans();
    // (the chain of the window's own controls, hidden ones included)
    const QWidget* w = start;
    do {
      if (tabStops.contains(w->objectName())) chain << w->objectName();
      w = w->nextInFocusChain();
    } while (w != start);
    QCOMPARE(chain, tabStops);

    // What a user sees: the caret starts in the report field, Tab visits the language chosen and
    // skips the row of groups while it is hidden.
    QCOMPARE(QApplication::focusWidget(), edmetar());
    for (const char* next : {"RadioButton3", "CbFull", "BtTrans", "Memo1", "edmetar"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
    }
    // The row of groups is a stop once it shows a translation.
    clickTranslate(kWorkedExample);
    cbFull()->setFocus();
    QTest::keyClick(cbFull(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("LbUnread"));
  }

  void controlsAtStart() {
    QCOMPARE(btTrans()->text(), QStringLiteral("Translate!"));
    QVERIFY(edmetar()->text().isEmpty());
    QVERIFY(memoLines().isEmpty());
    QVERIFY(memo1()->isReadOnly());
    QCOMPARE(memo1()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo1()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo1()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const auto* group = control<QGroupBox>("GroupBox2");
    QVERIFY(group->isHidden());
    QCOMPARE(group->title(), QStringLiteral("Languages"));
    QCOMPARE(control<QRadioButton>("RadioButton3")->text(), QStringLiteral("English"));
    QVERIFY(control<QRadioButton>("RadioButton3")->isChecked());
    QCOMPARE(control<QRadioButton>("RadioButton4")->text(), QStringLiteral("Français"));
    QVERIFY(!control<QRadioButton>("RadioButton4")->isChecked());

    const auto* warning = control<QLabel>("Label4");
    QCOMPARE(warning->text(), QStringLiteral("!!!NOT SUITED TO REAL AVIATION!!!"));
    QVERIFY(warning->font().bold());
    QVERIFY(warning->font().underline());
    QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(Qt::red));

    const auto* contact = control<QLabel>("Label3");
    QCOMPARE(contact->text(), QString::fromLatin1(vantrel::kContactAddress));
    QVERIFY(contact->text().contains(u'@'));
    QCOMPARE(contact->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(contact->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(cbFull()->text(), QStringLiteral("Read every group"));
    QVERIFY(!cbFull()->isChecked() && lbUnread()->isHidden());
    QVERIFY(cbFull()->sizeHint().width() <= cbFull()->width());
  }

  // The row under the memo holds the report's groups, the unread ones in red and named in its
  // accessible name; hidden when no translation is shown.
  void unreadLine_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("line");
    const QString t = QStringLiteral(" T00281089").repeated(40);
    QTest::newRow("plural") << kAuto << false << kAutoUnread;
    QTest::newRow("singular") << "METAR LFPG 121230Z 24010KT CAVOK // RA 18/12 Q1013" << false
                              << "1 group not read: //";
    QTest::newRow("too long")
        << "KJFK 071251Z 31012KT 10SM FEW250 03/M09 A3012 RMK AO2 SLP199 T00281089" + t << false
        << "45 groups not read: A3012 RMK AO2 SLP199 T00281089" + t;
    QTest::newRow("all read") << kWorkedExample << false << QString();
    QTest::newRow("refused") << "LFPGX 121230Z 27010KT" << false << QString();
    QTest::newRow("full, all read") << kAuto << true << QString();
    QTest::newRow("full, odd group") << kOdd << true << "1 group not read: XQ7";
  }
  void unreadLine() {
    QFETCH(QString, report);
    QFETCH(bool, full);
    QFETCH(QString, line);
    cbFull()->setChecked(full);
    clickTranslate(kOdd);
    clickTranslate(report);
    QCOMPARE(memoLines(), libraryLines(report, full));
    QCOMPARE(lbUnread()->accessibleName(), line);
    const bool refused = !messages_.isEmpty();
    QCOMPARE(lbUnread()->isHidden(), refused);
    if (refused) return;
    const QStringList groups = report.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(lbUnread()->itemCount(), groups.size());
    QStringList unread;
    for (int k = 0; k < lbUnread()->itemCount(); ++k) {
      QCOMPARE(lbUnread()->itemText(k), groups[k]);
      if (lbUnread()->itemUnread(k)) unread << groups[k];
    }
    QCOMPARE(unread.isEmpty() ? QString() : QString::number(unread.size()),
             [&] { return line.isEmpty() ? QString() : line.section(u' ', 0, 0); }());
  }

  // Pointing at a group highlights its sentence in the memo and shows it as a tooltip;
  // pointing at a sentence in the memo lights its groups up in the row.
  void pointing_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("sentence");  // empty: an unread group
    QTest::newRow("visibility") << kWorkedExample << false << "9999"
                                << "Visibility is 10 kilometres or more.";
    QTest::newRow("runway") << kWorkedExample << false << "R27L/1200"
                            << "Runway Visual Range for runway 27L is 1200 metres.";
    QTest::newRow("two groups, first")
        << "METAR KJFK 121251Z 31012KT 1 1/2SM BR FEW250 M03/M08 A3012" << true << "1"
        << "Visibility is 1 1/2 statute miles.";
    QTest::newRow("remark") << "METAR KJFK 121251Z 31012KT 10SM FEW250 M03/M08 A3012 RMK SLP199"
                            << true << "SLP199"
                            << "Sea level pressure is 1019.9 hectopascals.";
    QTest::newRow("unread") << kOdd << true << "XQ7" << QString();
    QTest::newRow("non-ASCII before")
        << "METAR ÉGLL 071250Z 24012KT 9999 NCD 12/08 Q1015" << true << "Q1015"
        << "QNH is 1015 millibars.";
  }
  void pointing() {
    QFETCH(QString, report);
    QFETCH(bool, full);
    QFETCH(QString, group);
    QFETCH(QString, sentence);
    cbFull()->setChecked(full);
    clickTranslate(report);
    vantrel::GroupRow* row = lbUnread();
    int item = 0;
    while (item < row->itemCount() && row->itemText(item) != group) ++item;
    QVERIFY(item < row->itemCount());
    QTest::mouseMove(row, row->itemRect(item).center());
    QCOMPARE(row->current(), item);
    const QList<QTextEdit::ExtraSelection> marks = memo1()->extraSelections();
    if (sentence.isEmpty()) {
      QVERIFY(row->itemUnread(item));
      QVERIFY(marks.isEmpty());
      QCOMPARE(row->toolTip(), QStringLiteral("Not translated."));
      return;
    }
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks.front().cursor.selectedText(), sentence);
    QCOMPARE(row->toolTip(), sentence);

    // And back: the mouse on the sentence in the memo lights the group (and only its piece).
    QTest::mouseMove(row, QPoint(row->width() - 1, row->height() - 1));
    QTextCursor at = marks.front().cursor;
    at.setPosition(marks.front().cursor.selectionStart() + 1);
    QTest::mouseMove(memo1()->viewport(), memo1()->cursorRect(at).center());
    QVERIFY(row->itemLit(item));
    int lit = 0;
    for (int k = 0; k < row->itemCount(); ++k) lit += row->itemLit(k) ? 1 : 0;
    QCOMPARE(lit, group == QStringLiteral("1") ? 2 : 1);
  }

  // With the keyboard alone: Tab to the row, the arrow keys from group to group.
  void pointingWithKeys() {
    clickTranslate(kWorkedExample);
    lbUnread()->setFocus();
    QCOMPARE(lbUnread()->current(), 0);
    QTest::keyClick(lbUnread(), Qt::Key_End);
    QCOMPARE(lbUnread()->itemText(lbUnread()->current()), QStringLiteral("NOSIG"));
    QTest::keyClick(lbUnread(), Qt::Key_Left);
    QCOMPARE(lbUnread()->itemText(lbUnread()->current()), QStringLiteral("Q1013"));
    QCOMPARE(memo1()->extraSelections().front().cursor.selectedText(),
             QStringLiteral("QNH is 1013 millibars."));
    QTest::keyClick(lbUnread(), Qt::Key_Home);
    QCOMPARE(lbUnread()->current(), 0);
  }

  // Ticking or unticking translates the field again, in the reading now chosen.
  void checkBoxTranslatesAgain_data() {
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("messages");
    QTest::newRow("ticking") << true << kAuto << QString() << 0;
    QTest::newRow("unticking") << false << kAuto << kAutoUnread << 0;
    QTest::newRow("empty field") << true << QString() << QString() << 0;
    QTest::newRow("spaces only") << false << "   " << QString() << 0;
    QTest::newRow("refused") << false << "SPECI LFPG 121230Z 24010KT 9999 18/12" << QString() << 1;
  }
  void checkBoxTranslatesAgain() {
    QFETCH(bool, tick);
    QFETCH(QString, field);
    QFETCH(QString, line);
    QFETCH(int, messages);
    cbFull()->setChecked(!tick);
    clickTranslate(kOdd);
    edmetar()->setText(field);
    QTest::mouseClick(cbFull(), Qt::LeftButton);
    const bool translated = messages == 0 && !field.trimmed().isEmpty();
    QCOMPARE(memoLines(), translated ? libraryLines(field, tick) : QStringList());
    QCOMPARE(lbUnread()->accessibleName(), line);
    QCOMPARE(messages_.size(), messages);
  }

  // What is drawn, not only what is set: text pixels of the contact label are blue, of the
  // warning red, of a notice neither.
  void labelColoursAsDrawn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("contact") << "Label3" << QColor(Qt::blue);
    QTest::newRow("warning") << "Label4" << QColor(Qt::red);
    QTest::newRow("notice") << "Label1" << QColor(Qt::black);
  }
  void labelColoursAsDrawn() {
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    const QImage image = control<QLabel>(qPrintable(name))->grab().toImage();
    int strong = 0;
    int matching = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor pixel = image.pixelColor(x, y);
        if (pixel.lightness() > 200) continue;  // background and faint edges
        ++strong;
        const QColor nearest = pixel.blue() > pixel.red() + 64   ? QColor(Qt::blue)
                               : pixel.red() > pixel.blue() + 64 ? QColor(Qt::red)
                                                                 : QColor(Qt::black);
        if (nearest == colour) ++matching;
      }
    }
    QVERIFY(strong > 20);
    QVERIFY2(matching * 10 >= strong * 9,
             qPrintable(QStringLiteral("%1 of %2").arg(matching).arg(strong)));
  }

  // Labels keep their designed widths whatever font the system substitutes; no text may be cut.
  void labelTextsFitTheirWidths_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) QTest::newRow(name) << name;
  }
  void labelTextsFitTheirWidths() {
    QFETCH(QString, name);
    const auto* label = control<QLabel>(qPrintable(name));
    QVERIFY(!label->text().isEmpty());
    const QFontMetrics metrics(label->font());
    QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
    QVERIFY(metrics.height() <= label->height() + 1);
  }

  void contactLabelClickAsksForMail_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("mails");
    QTest::newRow("left click on the address") << "Label3" << Qt::LeftButton << 1;
    QTest::newRow("right click on the address") << "Label3" << Qt::RightButton << 0;
    QTest::newRow("left click on a notice") << "Label1" << Qt::LeftButton << 0;
    QTest::newRow("left click on the warning") << "Label4" << Qt::LeftButton << 0;
  }
  void contactLabelClickAsksForMail() {
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, mails);
    QTest::mouseClick(control<QLabel>(qPrintable(name)), button);
    QCOMPARE(mails_.size(), mails);
    if (mails == 1) {
      const QString address = control<QLabel>("Label3")->text();
      QCOMPARE(mails_.front(), QUrl(QStringLiteral("mailto:") + address));
      QCOMPARE(mails_.front().scheme(), QStringLiteral("mailto"));
      QCOMPARE(mails_.front().path(), address);
    }
    QVERIFY(messages_.isEmpty());
    QVERIFY(memoLines().isEmpty());
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
