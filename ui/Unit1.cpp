#include "Unit1.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTimer>
#include <utility>

#include "ClassicStyle.h"
#include "DayReport.h"
#include "DayTurn.h"
#include "GameView.h"
#include "Handlers.h"
#include "Keyboard.h"
#include "Pictures.h"
#include "PixelFonts.h"
#include "SpokenNames.h"
#include "Unit2.h"

using kevolan::Activity;
using kevolan::window::Frame;

namespace {

// What a screen reader says of the window once the game has ended.
const QString kGameOverSpoken = QStringLiteral("Игра окончена");

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent),
      state_(kevolan::NewGame()),
      messenger_(this, [this] { RefreshView(); }),
      openDocument_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  Q_INIT_RESOURCE(resources);
  // The window's font is given before its controls exist, so each is built and laid out in it
  // once (the program makes it the application's default as well; a window made on its own, as
  // in tests, still gets it here).
  SetDesignFont(this, 8, false);
  setupUi(this);
  // A caption, a system menu and a close box, no minimise or maximise boxes; the border resizes.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  move(264, 125);
  UseClassicStyle(this);
  labels_ = FindWindowLabels(*this);
  // The few controls drawn in larger fonts, in points; each is set once, in pixels.
  for (QWidget* w : {static_cast<QWidget*>(Label57), static_cast<QWidget*>(Label58)}) {
    SetDesignFont(w, 12, true);
  }
  SetDesignFont(GroupBox8, 18, true);
  for (const ItemLabels& labels : labels_.Items) {
    if (QLabel* owned = labels.In(Frame::Owned)) SetDesignFont(owned, 12, false);
  }
  SetDesignFont(Button1, 12, false);
  SetDesignFont(Button2, 12, true);
  // Captions size their labels, as the fonts here are not those the window was drawn with.
  for (QLabel* label : findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) SetCaption(label, label->text());
  }
  ShowPictures();

  RadioGroup1Items = new QButtonGroup(this);
  RadioGroup1Items->setObjectName(QStringLiteral("RadioGroup1Items"));
  RadioGroup1Items->addButton(RadioGroup1Button0, static_cast<int>(Activity::GatherFood));
  RadioGroup1Items->addButton(RadioGroup1Button1, static_cast<int>(Activity::Create));
  RadioGroup1Items->addButton(RadioGroup1Button2, static_cast<int>(Activity::Repair));

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  // A menu is a window of its own, which takes no font from this one.
  SetDesignFont(PopupMenu1, 8, false);
  Help1 = PopupMenu1->addAction(QStringLiteral("Help"));
  Help1->setObjectName(QStringLiteral("Help1"));
  About1 = PopupMenu1->addAction(QStringLiteral("About"));
  About1->setObjectName(QStringLiteral("About1"));
  Hint1 = PopupMenu1->addAction(QStringLiteral("Подсказка"));
  Hint1->setObjectName(QStringLiteral("Hint1"));
  // F2 asks from anywhere in the window, menu closed; F1 is left to help as everywhere else.
  Hint1->setShortcut(QKeySequence(Qt::Key_F2));
  addAction(Hint1);

  // A screen reader ticks and chooses by toggling, without a click; the window's own changes
  // come with the signals blocked, so every toggle seen here is the player's.
  connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
  connect(RadioGroup1Items, &QButtonGroup::idClicked, this, &TForm1::RadioGroup1Click);
  connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked && id != static_cast<int>(state_.Activity)) RadioGroup1Click();
  });
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Help1, &QAction::triggered, this, &TForm1::Help1Click);
  connect(About1, &QAction::triggered, this, &TForm1::About1Click);
  connect(Hint1, &QAction::triggered, this, &TForm1::Hint1Click);
  connect(&hints_, &HintRunner::Answered, this, &TForm1::ShowHint);
  BindChoice(ComboBox1, &kevolan::GameState::FoodChoice);
  BindChoice(ComboBox2, &kevolan::GameState::GatherChoice);
  BindChoice(ComboBox3, &kevolan::GameState::CreateChoice);
  BindChoice(ComboBox4, &kevolan::GameState::RepairChoice);

  new EnterPressesButtons(this, {Button1, Button2, CheckBox1, RadioGroup1Button0,
                                 RadioGroup1Button1, RadioGroup1Button2});
  OpenMenuFromKeyboard(this);
  spokenCounters_ = NameControls(*this, labels_);
  DayAnnouncement = new TDayAnnouncement(this);

  RefreshView();
  Button1->setFocus();
}

TForm1::~TForm1() {
  // The boxes outlive the game while the window is taken apart, and a box that loses the focus
  // then may still report a pick; nothing may reach the game any more.
  for (TChoiceBox* box : {ComboBox1, ComboBox2, ComboBox3, ComboBox4}) box->disconnect(this);
}

void TForm1::SetForm2(TForm2* form2) { form2_ = form2; }

void TForm1::SetDocumentOpener(DocumentOpener opener) { openDocument_ = std::move(opener); }

void TForm1::BindChoice(TChoiceBox* box, kevolan::ChoiceList kevolan::GameState::*list) {
  connect(box, &TChoiceBox::Typed, this, [this, box, list](const QString& text) {
    if (!turnRunning_) (state_.*list).Type(ToGame(text));
    ChoiceChanged(box);
  });
  connect(box, &TChoiceBox::Picked, this, [this, box, list](int index) {
    if (!turnRunning_) (state_.*list).Pick(index);
    ChoiceChanged(box);
  });
}

void TForm1::ChoiceChanged(TChoiceBox* box) {
  if (box == ComboBox3) {
    ComboBox3Change();
  } else {
    RefreshView();
  }
}

void TForm1::CheckBox1Click() {
  if (!turnRunning_) kevolan::SetEatToday(state_, CheckBox1->isChecked());
  RefreshView();
}

void TForm1::RadioGroup1Click() {
  const int index = RadioGroup1Items->checkedId();
  if (!turnRunning_ && index >= 0) kevolan::ClickActivity(state_, static_cast<Activity>(index));
  RefreshView();
}

void TForm1::Button1Click() {
  if (turnRunning_ || !kevolan::CanStartTurn(state_)) return;
  turnRunning_ = true;
  DayAnnouncement->SayWaiting();
  const kevolan::GameState before = state_;
  kevolan::DayTurn(state_, messenger_);
  record_.Played(before, state_);
  ++turnsPlayed_;
  turnRunning_ = false;
  RefreshView();
  // The day's message boxes are closed by now: what the day did is told once, after them.
  DayAnnouncement->Announce(FromGame(kevolan::speech::DayReport(before, state_)));
  if (hintWaiting_) {
    QTimer::singleShot(0, this, [this, waiting = *std::exchange(hintWaiting_, std::nullopt)] {
      ShowHint(waiting);
    });
  }
}

void TForm1::Button2Click() { close(); }

void TForm1::Help1Click() {
  // The help document lies in the current directory; without it nothing happens at all.
  const QFileInfo help(QStringLiteral("help.doc"));
  if (!help.isFile() || !openDocument_) return;
  openDocument_(QUrl::fromLocalFile(help.absoluteFilePath()));
}

void TForm1::ComboBox3Change() {
  if (!turnRunning_) kevolan::ComboBox3Change(state_);
  RefreshView();
}

void TForm1::About1Click() {
  if (!form2_) return;
  form2_->show();
  form2_->raise();
  form2_->activateWindow();
}

void TForm1::Hint1Click() {
  // One question at a time: asking again while the search thinks changes nothing. Once the game
  // is over, the question is how it was lost, or how soon it could have been won.
  const bool review = state_.GameOver && !turnRunning_;
  if (!(review ? hints_.StartReview(record_) : hints_.Start(state_))) return;
  hintAskedAtTurn_ = turnsPlayed_;
  setCursor(Qt::BusyCursor);
}

void TForm1::ShowHint(const std::string& text) {
  // A turn's own messages are being read: the answer waits for the last of them.
  if (turnRunning_) {
    hintWaiting_ = text;
    return;
  }
  unsetCursor();
  // The player went on playing while the search thought: its answer is about a day gone by.
  // Changing the choices is not going on: the answer names what to choose, whatever stands.
  const bool stale = turnsPlayed_ != hintAskedAtTurn_;
  messenger_.Show(stale ? std::string("Пока шёл поиск подсказки, прошёл день, и она устарела. "
                                      "Спросите снова.")
                        : text);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  // From the keyboard the menu belongs to the focused control, wherever the mouse may be.
  const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
  PopupMenu1->popup(keyboard ? KeyboardMenuPlace(this) : event->globalPos());
  event->accept();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A turn that waits on a message box finishes before the window can go.
  if (turnRunning_) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
  // A hint still thinking is of no use to a closed window.
  hints_.Stop();
  emit Closed();
}

void TForm1::ShowPictures() {
  // Drawn for the screen the window is on, so that a magnified screen shows them sharp.
  const qreal ratio = devicePixelRatioF();
  if (ratio == picturesRatio_) return;
  picturesRatio_ = ratio;
  const struct {
    QLabel* Image;
    const char* Path;
    bool Transparent;
  } pictures[] = {{Image1, ":/pictures/food.jpg", true},
                  {Image3, ":/pictures/creation.jpg", false},
                  {Image2, ":/pictures/repair.jpg", false}};
  for (const auto& p : pictures) {
    const QString path = QString::fromLatin1(p.Path);
    QImage picture = LoadJpegPicture(path);
    // The larger drawing is read only for a magnified screen.
    QImage doubleSize = ratio > 1.0 ? LoadJpegPicture(DoubleSizePath(path)) : QImage();
    if (p.Transparent) {
      picture = KeyedOut(picture);
      doubleSize = KeyedOut(doubleSize);
    }
    p.Image->setPixmap(PictureForScreen(picture, doubleSize, ratio));
  }
}

bool TForm1::event(QEvent* event) {
  // The window went to another screen, perhaps one with another magnification.
  if (event->type() == QEvent::ScreenChangeInternal) ShowPictures();
  return QWidget::event(event);
}

void TForm1::ShowActivity() {
  const QSignalBlocker blocker(RadioGroup1Items);
  const int index = static_cast<int>(state_.Activity);
  if (QAbstractButton* button = RadioGroup1Items->button(index)) {
    button->setChecked(true);
  } else {
    // No activity: an exclusive group cannot be emptied while it stays exclusive.
    RadioGroup1Items->setExclusive(false);
    for (QAbstractButton* option : RadioGroup1Items->buttons()) option->setChecked(false);
    RadioGroup1Items->setExclusive(true);
  }
  TabStopsAtChosenOption(RadioGroup1Items);
  RadioGroup1->setEnabled(state_.ActivityEnabled);
}

void TForm1::RefreshView() {
  const kevolan::GameState& s = state_;
  SetCaption(Label57, QString::number(s.Day));
  SetCaption(Label58, FromGame(kevolan::NameOf(s.Month)));
  for (std::size_t i = 0; i < labels_.Counters.size(); ++i) {
    ShowNumber(labels_.Counters[i], s.*kevolan::window::kCounterLabels[i].Field);
  }

  for (const ItemLabels& labels : labels_.Items) {
    const kevolan::ItemState& item = s[labels.Id];
    for (const kevolan::window::FrameInfo& frame : kevolan::window::kFrames) {
      QLabel* label = labels.In(frame.Id);
      if (label == nullptr) continue;
      if (frame.Shows) {
        ShowCounter(label, item.*frame.Shows);
      } else {
        label->setHidden(!item.Owned);
      }
    }
  }

  {
    const QSignalBlocker blocker(CheckBox1);
    CheckBox1->setChecked(s.EatToday);
  }
  ShowActivity();
  ShowChoice(ComboBox1, s.FoodChoice);
  ShowChoice(ComboBox2, s.GatherChoice);
  ShowChoice(ComboBox3, s.CreateChoice);
  ShowChoice(ComboBox4, s.RepairChoice);

  // When the game ends, the keyboard focus leaves the next-day button for the window itself,
  // not for the game-over button: the Enter that answered the last message, pressed once more
  // as on every day before, must not close the window before the player has seen how the game
  // ended. The player can still Tab to the game-over button or click it. A screen reader, on
  // the window, hears that the game is over.
  Button2->setHidden(!s.GameOver);
  if (s.GameOver) {
    if (accessibleDescription() != kGameOverSpoken) setAccessibleDescription(kGameOverSpoken);
    if (focusWidget() == Button1) setFocus(Qt::OtherFocusReason);
  }
  Button1->setHidden(s.GameOver);
  SayCounters(*this, spokenCounters_);
}
