#include "form1.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextBlock>
#include <QToolTip>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "group_row.hpp"

namespace vantrel {
namespace {

// Where every control sits, designed at 96 pixels per inch: left, top, width, height in the
// window's client area (in GroupBox2's for the two radio buttons), and the tab order among the
// controls of the same parent (-1: not a tab stop). The row under the memo, the report's groups
// and the choices of language and of reading, is the window's only addition to its first layout:
// it moves nothing, and the groups' two lines make the window 14 pixels taller. The language
// buttons stand in that row, not in their group box at the top left, where the group would cover
// the red warning; the group box stays, empty and hidden.
struct Placement {
  std::string_view name;
  int left, top, width, height;
  int tabOrder;
};

constexpr std::array<Placement, 13> kPlacements{{
    {"Label1", 387, 4, 183, 13, -1},
    {"Label2", 382, 18, 219, 13, -1},
    {"Label3", 443, 35, 59, 13, -1},
    {"Label4", 67, 19, 220, 13, -1},
    {"edmetar", 2, 50, 675, 21, 2},
    {"BtTrans", 1, 79, 675, 25, 0},
    {"Memo1", 3, 113, 675, 185, 1},
    {"GroupBox2", 5, 7, 146, 39, -1},
    {"RadioButton3", 490, 301, 68, 16, 3},
    {"RadioButton4", 490, 317, 68, 16, 4},
    {"LbUnread", 5, 303, 481, 28, 6},
    {"CbFull", 562, 301, 116, 17, 5},
    {"BtReadAll", 562, 318, 116, 14, 7},
}};

constexpr int kClientWidth = 680;
constexpr int kClientHeight = 334;
constexpr int kDesignedLeft = 142;
constexpr int kDesignedTop = 196;
constexpr int kDesignedPointSize = 8;

constexpr char kIconPath[] = ":/icons/vantrel.png";

QString qtString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

int tabOrderOf(const QWidget& control) {
  for (const Placement& place : kPlacements) {
    if (qtString(place.name) == control.objectName()) return place.tabOrder;
  }
  return -1;
}

// The window's font: MS Sans Serif 8 pt where the system has it, else the nearest sans-serif.
QFont designedFont() {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(kDesignedPointSize);
  return font;
}

// The labels and the check box keep their designed widths. Where the substitute font runs wider
// than the designed one, the control's font is condensed just enough for its whole text to show
// in `room` pixels.
void fitTextToWidth(QWidget& control, const QString& text, int room) {
  // A text of the other language starts again from the font as designed.
  if (control.font().stretch() != QFont::AnyStretch) {
    QFont designed = control.font();
    designed.setStretch(QFont::AnyStretch);
    control.setFont(designed);
  }
  const int advance = QFontMetrics(control.font()).horizontalAdvance(text);
  if (advance <= room) return;
  QFont font = control.font();
  // Condensing scales advances about linearly; the loop only makes up for rounding.
  int stretch = std::max<int>(QFont::UltraCondensed, QFont::Unstretched * room / advance);
  for (;; --stretch) {
    font.setStretch(stretch);
    if (stretch <= QFont::UltraCondensed || QFontMetrics(font).horizontalAdvance(text) <= room) {
      break;
    }
  }
  control.setFont(font);
}

// The window's background in the button-face colour. Only the colour changes, not the role:
// children take their text colours from the roles of their parent's background.
QPalette buttonFacePalette(QPalette palette) {
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window, palette.color(group, QPalette::Button));
  }
  return palette;
}

void setTextColor(QWidget& widget, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, color);
  widget.setPalette(palette);
}

// The memo's document starts a new line at LF, CR, U+2028 and U+2029 and at its frame marks;
// such characters, copied into a sentence from a typed group, show as U+FFFD so that every
// translation line stays exactly one memo line. The unread line treats them the same way.
bool breaksMemoLine(QChar c) {
  switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case 0x2028:
    case 0x2029:
    case 0xFDD0:
    case 0xFDD1:
      return true;
    default:
      return false;
  }
}

// All lines at once: one setPlainText is far quicker than a line-by-line append for a long
// translation.
QString memoText(const Translation& translation) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < translation.size(); ++i) bytes += translation.line(i).size() + 1;
  QString text;
  text.reserve(static_cast<qsizetype>(bytes));
  for (std::size_t i = 0; i < translation.size(); ++i) {
    if (i != 0) text += u'\n';
    const qsizetype start = text.size();
    text += qtString(translation.line(i));
    std::replace_if(text.begin() + start, text.end(), breaksMemoLine, QChar::ReplacementCharacter);
  }
  return text;
}

// "3 groups not read: AUTO A2992 RMK", the groups as typed; empty when every group was read.
// A pasted megabyte can leave a third of a million groups unread: the groups are joined in UTF-8,
// a run of groups that stand one space apart in the report copied as one piece, and converted
// once.
QString unreadText(std::span<const std::string_view> groups) {
  if (groups.empty()) return {};
  std::size_t bytes = 0;
  for (const std::string_view group : groups) bytes += group.size() + 1;
  std::string joined;
  joined.reserve(bytes);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const char* const begin = groups[i].data();
    const char* end = begin + groups[i].size();
    while (i + 1 < groups.size() && groups[i + 1].data() == end + 1 && *end == ' ') {
      ++i;
      end = groups[i].data() + groups[i].size();
    }
    joined += ' ';
    joined.append(begin, end);
  }
  QString text = groups.size() == 1
                     ? QCoreApplication::translate("vantrel::TForm1", "1 group not read:")
                     : QCoreApplication::translate("vantrel::TForm1", "%1 groups not read:")
                           .arg(groups.size());
  text += qtString(joined);
  std::replace_if(text.begin(), text.end(), breaksMemoLine, QChar::ReplacementCharacter);
  return text;
}

// What the window translates of the field: a line break (CR LF, CR or LF), a tab, a no-break
// space and the Unicode line and paragraph separators as one space each, and no space at either
// end. A report copied with its line end, wrapped over two lines or taken from a web page or a
// spreadsheet reads as typed; the reading itself keeps its rule that only a space separates.
QString reportFromField(const QString& text) {
  QString report;
  report.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    const bool space = c == u'\r' || c == u'\n' || c == u'\t' || c == QChar(0x00A0) ||
                       c == QChar(0x2028) || c == QChar(0x2029);
    report += space ? QChar(u' ') : c;
  }
  qsizetype begin = 0;
  qsizetype end = report.size();
  while (begin < end && report[begin] == u' ') ++begin;
  while (end > begin && report[end - 1] == u' ') --end;
  return report.mid(begin, end - begin);
}

// Whether the classic reading took a visibility in a unit it does not know for metres
// ("Visibility is 10SM metres.", "Visibilité de 10SM mètres."): the full reading reads it.
bool visibilityMisread(const Translation& translation, Language language) {
  const bool french = language == Language::kFrench;
  const std::string_view kVisibility = french ? "Visibilité de " : "Visibility is ";
  const std::string_view kMetres = french ? "\u00A0mètres." : " metres.";
  for (std::size_t i = 0; i < translation.size(); ++i) {
    const std::string_view line = translation.line(i);
    if (!line.starts_with(kVisibility)) continue;
    const std::size_t end = std::min(line.find(' ', kVisibility.size()),
                                     french ? line.find(kMetres, kVisibility.size()) : line.npos);
    const std::string_view value = line.substr(kVisibility.size(), end - kVisibility.size());
    if (value.find_first_not_of("0123456789") != std::string_view::npos &&
        line.substr(kVisibility.size() + value.size()).starts_with(kMetres)) {
      return true;
    }
  }
  return false;
}

// The reading chosen last time, kept in the user's settings.
QSettings userSettings() {
  return QSettings(QString::fromLatin1(kApplicationTitle), QString::fromLatin1(kApplicationTitle));
}
constexpr char kFullReadingKey[] = "reading/full";
// The language chosen last time: "fr" or "en".
constexpr char kLanguageKey[] = "language";
// The window's texts in French, made by lrelease from vantrel_fr.ts.
constexpr char kFrenchTexts[] = ":/i18n/vantrel_fr.qm";

// The library's message, for the message box in the window's language: listed here, in the
// translation source's context, so that lupdate finds it.
constexpr const char* kNotValidMessage =
    QT_TRANSLATE_NOOP("vantrel::TForm1", "It is not a valid METAR.");
static_assert(std::string_view(kNotValidMessage) == kNotValidMetar);

// Return or the keypad's Enter, any modifiers. A held key repeats press and release; only the
// real release counts.
bool isEnterRelease(const QKeyEvent& event) {
  return event.type() == QEvent::KeyRelease && !event.isAutoRepeat() &&
         (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter);
}

void showMessageBox(const QString& text) {
  // Without a parent the box is centred on the screen and modal for the whole application.
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                  QMessageBox::Ok);
  box.exec();
}

void openMail(const QUrl& mailto) {
  QDesktopServices::openUrl(mailto);
}

}  // namespace

void setUpApplication() {
  QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  QApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
  QApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
  QApplication::setWindowIcon(QIcon(QString::fromLatin1(kIconPath)));
}

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      messageBox_(showMessageBox),
      mail_(openMail),
      french_(std::make_unique<QTranslator>()) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromLatin1(kApplicationTitle));
  setWindowIcon(QIcon(QString::fromLatin1(kIconPath)));
  setFont(designedFont());
  setPalette(buttonFacePalette(palette()));
  move(kDesignedLeft, kDesignedTop);
  setFixedSize(kClientWidth, kClientHeight);

  createControls();
  placeControls();
  const bool french =
      userSettings().value(QString::fromLatin1(kLanguageKey)).toString() == QStringLiteral("fr");
  (french ? RadioButton4 : RadioButton3)->setChecked(true);
  LanguageClick();
  CbFull->setChecked(userSettings().value(QString::fromLatin1(kFullReadingKey), false).toBool());
  // The first keystroke goes into the report field.
  edmetar->setFocus();
}

TForm1::~TForm1() {
  // The controls outlive the window's own part while it is destroyed (a control losing focus
  // still signals): nothing of theirs may reach it any more.
  for (QObject* control : children()) {
    disconnect(control, nullptr, this, nullptr);
    control->removeEventFilter(this);
  }
  Memo1->viewport()->removeEventFilter(this);
}

void TForm1::createControls() {
  Label1 = new QLabel(this);
  Label2 = new QLabel(this);

  Label3 = new QLabel(QString::fromLatin1(kContactAddress), this);
  Label3->setFont(designedFont());
  setTextColor(*Label3, Qt::blue);
  Label3->setCursor(Qt::PointingHandCursor);
  // The address can be selected and copied; a click that selects nothing asks for a message.
  Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label3->installEventFilter(this);

  Label4 = new QLabel(this);
  QFont warning = designedFont();
  warning.setBold(true);
  warning.setUnderline(true);
  Label4->setFont(warning);
  setTextColor(*Label4, Qt::red);

  for (QLabel* label : {Label1, Label2, Label3, Label4}) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  edmetar = new QLineEdit(this);
  // Any length: a pasted report is taken whole.
  edmetar->setMaxLength(std::numeric_limits<int>::max());
  // Reports are plain Latin letters, digits and signs, which need no shaping; without it the
  // field lays out and draws a long pasted report about twice as fast.
  QFont reportFont = edmetar->font();
  reportFont.setStyleStrategy(QFont::PreferNoShaping);
  edmetar->setFont(reportFont);
  edmetar->installEventFilter(this);

  BtTrans = new QPushButton(this);
  connect(BtTrans, &QPushButton::clicked, this, &TForm1::BtTransClick);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setUndoRedoEnabled(false);
  Memo1->setTabChangesFocus(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // A caret for the keyboard too: moved onto a sentence, it lights up the sentence's groups.
  Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Memo1->viewport()->setMouseTracking(true);
  Memo1->viewport()->installEventFilter(this);
  connect(Memo1, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (Memo1->hasFocus()) showGroupsAt(Memo1->textCursor().position());
  });

  // The language: English or French, for the sentences and the window's own texts alike. Each
  // language's name is written in that language, in both.
  GroupBox2 = new QGroupBox(this);
  GroupBox2->hide();
  RadioButton3 = new QRadioButton(QStringLiteral("English"), this);
  RadioButton4 = new QRadioButton(QStringLiteral("Français"), this);
  RadioButton3->setToolTip(QStringLiteral("The sentences and the window in English."));
  RadioButton4->setToolTip(QStringLiteral("Les phrases et la fenêtre en français."));
  connect(RadioButton4, &QRadioButton::toggled, this, &TForm1::LanguageClick);

  // Under the memo: the report's groups, the unread ones in red, hidden while no translation is
  // shown; and the choice of the full reading, unticked so that the window starts with the
  // classic one.
  LbUnread = new GroupRow(this);
  LbUnread->hide();
  connect(LbUnread, &GroupRow::currentChanged, this, &TForm1::showSentencesOf);

  CbFull = new QCheckBox(this);
  connect(CbFull, &QCheckBox::toggled, this, &TForm1::CbFullClick);

  // Shown when the classic reading left groups unread or took a visibility for metres that is
  // not: one click reads every group.
  BtReadAll = new QPushButton(this);
  BtReadAll->setFlat(true);
  BtReadAll->setCursor(Qt::PointingHandCursor);
  setTextColor(*BtReadAll, Qt::blue);
  QPalette link = BtReadAll->palette();
  link.setColor(QPalette::ButtonText, Qt::blue);
  BtReadAll->setPalette(link);
  BtReadAll->hide();
  connect(BtReadAll, &QPushButton::clicked, this, [this] { CbFull->setChecked(true); });

  Label1->setObjectName(QStringLiteral("Label1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Label3->setObjectName(QStringLiteral("Label3"));
  Label4->setObjectName(QStringLiteral("Label4"));
  edmetar->setObjectName(QStringLiteral("edmetar"));
  BtTrans->setObjectName(QStringLiteral("BtTrans"));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
  RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
  LbUnread->setObjectName(QStringLiteral("LbUnread"));
  CbFull->setObjectName(QStringLiteral("CbFull"));
  BtReadAll->setObjectName(QStringLiteral("BtReadAll"));
}

void TForm1::placeControls() {
  std::vector<QWidget*> stops;
  for (const Placement& place : kPlacements) {
    auto* control = findChild<QWidget*>(qtString(place.name));
    control->setGeometry(place.left, place.top, place.width, place.height);
    if (place.tabOrder >= 0) stops.push_back(control);
  }
  // Focus visits the window's own controls in their tab order; a group box's controls come right
  // after the group box, in their order within it.
  const auto tabKey = [this](const QWidget* control) {
    return control->parentWidget() == this
               ? std::pair{tabOrderOf(*control), -1}
               : std::pair{tabOrderOf(*control->parentWidget()), tabOrderOf(*control)};
  };
  std::sort(stops.begin(), stops.end(),
            [&](const QWidget* a, const QWidget* b) { return tabKey(a) < tabKey(b); });
  for (std::size_t i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);
}

void TForm1::retranslate() {
  Label1->setText(tr("Vantrel: METAR in plain English."));
  Label2->setText(tr("Free software for learning and curiosity."));
  Label4->setText(tr("!!!NOT SUITED TO REAL AVIATION!!!"));
  BtTrans->setText(tr("Translate!"));
  GroupBox2->setTitle(tr("Languages"));
  LbUnread->setAccessibleDescription(
      tr("The groups of the report, as typed. The arrow keys go from group to group and show the "
         "sentence each gave; the name lists the groups the translation leaves out."));
  CbFull->setText(tr("Read every group"));
  CbFull->setAccessibleDescription(
      tr("Reads every group wherever it stands, with the remarks, "
         "instead of the groups in their usual order only."));
  CbFull->setToolTip(
      tr("Read every group wherever it stands, with the supplementary groups and the remarks, "
         "instead of the groups in their usual order only. The choice is kept for the next "
         "time."));
  BtReadAll->setText(tr("Read them all"));
  BtReadAll->setToolTip(
      tr("The groups in red were not read in their usual order: read every "
         "group wherever it stands."));
  for (QLabel* label : {Label1, Label2, Label3, Label4}) {
    fitTextToWidth(*label, label->text(), label->width());
  }
  // The check box's text has the width left of it beside the box.
  const int textWidth = QFontMetrics(CbFull->font()).horizontalAdvance(CbFull->text());
  fitTextToWidth(*CbFull, CbFull->text(),
                 CbFull->width() - (CbFull->sizeHint().width() - textWidth));
}

Language TForm1::language() const {
  return RadioButton4->isChecked() ? Language::kFrench : Language::kEnglish;
}

void TForm1::BtTransClick() {
  Memo1->clear();
  clearGroups();
  // The field shows what is translated.
  const QString field = reportFromField(edmetar->text());
  if (field != edmetar->text()) edmetar->setText(field);
  const QByteArray report = field.toUtf8();
  const std::string_view typed(report.constData(), static_cast<std::size_t>(report.size()));
  const Translation& translation = translator_.translate(
      typed, CbFull->isChecked() ? Reading::kFull : Reading::kClassic, Explain::kYes, language());
  if (translation.refused()) {
    messageBox_(tr(kNotValidMessage));
    skipEnterRelease_ = true;
    return;
  }
  Memo1->setPlainText(memoText(translation));
  placeSentences(translation);
  const UnreadGroups unread = translation.unread();
  showUnread(std::vector<std::string_view>(unread.begin(), unread.end()));
  LbUnread->setGroups(typed, translation);
  LbUnread->setToolTip(LbUnread->accessibleName());
  LbUnread->show();
  // A forecast has one reading: there is no other to offer.
  BtReadAll->setVisible(!CbFull->isChecked() && translation.kind() == ReportKind::kObservation &&
                        (!unread.empty() || visibilityMisread(translation, language())));
}

void TForm1::placeSentences(const Translation& translation) {
  const auto& pieces = translation.pieces();
  sentenceSpans_.assign(pieces.size(), {-1, -1});
  sentences_.assign(pieces.size(), QString());
  // Line by line, the text before each sentence converted once: a long line of many sentences
  // costs no more than its length.
  std::vector<std::vector<std::size_t>> byLine(translation.size());
  for (std::size_t p = 0; p < pieces.size(); ++p) {
    if (pieces[p].line != Translation::Piece::kNoLine) byLine[pieces[p].line].push_back(p);
  }
  int lineStart = 0;
  for (std::size_t l = 0; l < translation.size(); ++l) {
    const std::string_view line = translation.line(l);
    std::vector<std::size_t>& inLine = byLine[l];
    std::sort(inLine.begin(), inLine.end(), [&](std::size_t a, std::size_t b) {
      return pieces[a].text.data() < pieces[b].text.data();
    });
    std::size_t done = 0;
    int position = lineStart;
    for (const std::size_t p : inLine) {
      const auto at = static_cast<std::size_t>(pieces[p].text.data() - line.data());
      if (at > done) position += static_cast<int>(qtString(line.substr(done, at - done)).size());
      done = std::max(done, at);
      sentences_[p] = qtString(pieces[p].text);
      sentenceSpans_[p] = {position, position + static_cast<int>(sentences_[p].size())};
    }
    lineStart += static_cast<int>(qtString(line).size()) + 1;
  }
}

void TForm1::showSentencesOf(int item) {
  QList<QTextEdit::ExtraSelection> marks;
  QStringList texts;
  if (item >= 0) {
    for (const int p : LbUnread->itemPieces(item)) {
      const auto [begin, end] = sentenceSpans_[static_cast<std::size_t>(p)];
      if (begin < 0) continue;
      QTextEdit::ExtraSelection mark;
      mark.cursor = QTextCursor(Memo1->document());
      mark.cursor.setPosition(begin);
      mark.cursor.setPosition(end, QTextCursor::KeepAnchor);
      mark.format.setBackground(Memo1->palette().color(QPalette::Highlight));
      mark.format.setForeground(Memo1->palette().color(QPalette::HighlightedText));
      marks << mark;
      texts << sentences_[static_cast<std::size_t>(p)];
    }
    if (texts.isEmpty()) texts << tr("Not translated.");
  }
  Memo1->setExtraSelections(marks);
  if (!marks.isEmpty()) {
    QTextCursor cursor = marks.front().cursor;
    cursor.setPosition(marks.front().cursor.selectionStart());
    Memo1->setTextCursor(cursor);
    Memo1->ensureCursorVisible();
  }
  if (item < 0) {
    // Off the groups, the tooltip names every group not read, however many.
    QToolTip::hideText();
    LbUnread->setToolTip(LbUnread->accessibleName());
    return;
  }
  const QString tip = texts.join(u'\n');
  LbUnread->setToolTip(tip);
  QToolTip::showText(LbUnread->mapToGlobal(LbUnread->itemRect(item).bottomLeft()), tip, LbUnread);
}

void TForm1::showGroupsAt(int position) {
  for (std::size_t p = 0; p < sentenceSpans_.size(); ++p) {
    const auto [begin, end] = sentenceSpans_[p];
    if (begin >= 0 && position >= begin && position < end) {
      LbUnread->lightPiece(static_cast<int>(p));
      return;
    }
  }
  LbUnread->lightPiece(-1);
}

void TForm1::CbFullClick() {
  userSettings().setValue(QString::fromLatin1(kFullReadingKey), CbFull->isChecked());
  if (edmetar->text().trimmed().isEmpty()) {
    Memo1->clear();
    clearGroups();
    return;
  }
  BtTransClick();
}

void TForm1::LanguageClick() {
  const bool french = RadioButton4->isChecked();
  userSettings().setValue(QString::fromLatin1(kLanguageKey),
                          french ? QStringLiteral("fr") : QStringLiteral("en"));
  QCoreApplication::removeTranslator(french_.get());
  if (french && (!french_->isEmpty() || french_->load(QString::fromLatin1(kFrenchTexts)))) {
    QCoreApplication::installTranslator(french_.get());
  }
  retranslate();
  if (edmetar->text().trimmed().isEmpty()) {
    Memo1->clear();
    clearGroups();
    return;
  }
  BtTransClick();
}

void TForm1::showUnread(std::span<const std::string_view> groups) {
  // A screen reader reads the whole list of the groups left out.
  LbUnread->setAccessibleName(unreadText(groups));
}

void TForm1::clearGroups() {
  BtReadAll->hide();
  LbUnread->clear();
  LbUnread->hide();
  LbUnread->setAccessibleName(QString());
  Memo1->setExtraSelections({});
  sentenceSpans_.clear();
  sentences_.clear();
}

void TForm1::edmetarKeyUp(const QKeyEvent& event) {
  if (!isEnterRelease(event)) return;
  if (std::exchange(skipEnterRelease_, false)) return;
  BtTrans->click();
}

void TForm1::Label3Click() {
  mail_(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kContactAddress)));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edmetar) {
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
      skipEnterRelease_ = false;
    } else if (event->type() == QEvent::KeyRelease) {
      const auto& key = *static_cast<QKeyEvent*>(event);
      edmetarKeyUp(key);
      // On this release the field would only restart its cursor blink, a redraw that for a
      // report of a megabyte takes a hundred times longer than the translation: the memo
      // shows first.
      if (isEnterRelease(key)) return true;
    }
  } else if (watched == Memo1->viewport()) {
    if (event->type() == QEvent::MouseMove) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      showGroupsAt(Memo1->cursorForPosition(mouse->position().toPoint()).position());
    } else if (event->type() == QEvent::Leave) {
      LbUnread->lightPiece(-1);
    }
  } else if (watched == Label3 && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && !Label3->hasSelectedText() &&
        Label3->rect().contains(mouse->position().toPoint())) {
      Label3Click();
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vantrel
