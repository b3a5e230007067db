#pragma once
// The main window: a report field, the Translate button, the output memo and a few labels, and
// under the memo the report's groups, the unread ones in red, beside the choices of language and
// of reading.
// Pointing at a group shows its sentence in the memo; pointing at a sentence, its groups.
// The translation itself is the library's; the window reads the field and shows the lines.

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "metar/translate.hpp"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTranslator;

namespace vantrel {

class GroupRow;

// The application title: window caption and message box caption.
inline constexpr char kApplicationTitle[] = "Vantrel";
// The address shown in the contact label and used for the new e-mail message.
inline constexpr char kContactAddress[] = "hi@vantrel.org";

// Names the application "Vantrel", ties it to its desktop entry and gives it the icon. Call once,
// right after the QApplication is constructed.
void setUpApplication();

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Shows a modal message to the user and returns when the user has dismissed it.
  using MessageBoxHook = std::function<void(const QString& text)>;
  // Asks the desktop to open a new e-mail message; the outcome is not reported.
  using MailHook = std::function<void(const QUrl& mailto)>;

  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The two ways the window reaches outside itself go through these, so tests can stand in for
  // the modal message box and the mail client.
  void setMessageBoxHook(MessageBoxHook hook) { messageBox_ = std::move(hook); }
  void setMailHook(MailHook hook) { mail_ = std::move(hook); }

  // "Translate!": replaces the memo's lines with the translation of the report field, in the
  // reading the check box chooses, and says under the memo which groups gave no text; or shows
  // "It is not a valid METAR." and leaves the memo empty.
  void BtTransClick();
  // Ticking or unticking "Read every group" translates the field again in the reading now
  // chosen. A blank field has nothing to translate: the memo empties without a message.
  void CbFullClick();
  // Releasing Enter (Return or the keypad's Enter, any modifiers) in the report field clicks
  // "Translate!"; other keys do nothing.
  void edmetarKeyUp(const QKeyEvent& event);
  // Choosing English or Français translates the field again in that language and shows the
  // window's own texts in it; the choice is kept for the next time, like the reading's.
  void LanguageClick();
  // The contact label asks for a new e-mail message to kContactAddress.
  void Label3Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void placeControls();
  // The window's own texts in the language chosen, each fitted to its control.
  void retranslate();
  Language language() const;
  void showUnread(std::span<const std::string_view> groups);
  void clearGroups();
  // Where each piece's sentence stands in the memo, from the translation just shown.
  void placeSentences(const Translation& translation);
  // The group row's current group: its sentences highlighted in the memo, and as a tooltip.
  void showSentencesOf(int item);
  // The sentence at `position` in the memo: its groups lit in the row.
  void showGroupsAt(int position);

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* edmetar = nullptr;
  QPushButton* BtTrans = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  QRadioButton* RadioButton4 = nullptr;
  GroupRow* LbUnread = nullptr;
  QCheckBox* CbFull = nullptr;
  QPushButton* BtReadAll = nullptr;

  MessageBoxHook messageBox_;
  MailHook mail_;
  Translator translator_;
  // For each piece of the translation shown, where its sentence begins and ends in the memo
  // (-1, -1: no sentence), and its text.
  std::vector<std::pair<int, int>> sentenceSpans_;
  std::vector<QString> sentences_;
  // Set when the message box closes: the Enter that dismissed it is released after the box is
  // gone, back in the report field, and must not translate (and show the box) again.
  bool skipEnterRelease_ = false;
  // The window's texts in French, installed in the application while French is chosen.
  std::unique_ptr<QTranslator> french_;
};

}  // namespace vantrel
