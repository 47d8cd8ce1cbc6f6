// The keyboard shortcuts: one for every control, each also written into that
// control's hint, answered in the main window and in the singer's window.

#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QSlider>
#include <functional>

#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "video/video_form.h"

namespace lyrova {
namespace {

struct TBinding {
  QList<QKeySequence> keys;
  std::function<void()> action;
};

// Moves a slider one step up (towards its top) or down, as the arrows do.
void Step(QSlider* bar, bool up) { bar->triggerAction(up ? QSlider::SliderSingleStepSub : QSlider::SliderSingleStepAdd); }

void AddHint(QWidget* control, const QString& hint) {
  control->setToolTip(control->toolTip().isEmpty() ? hint : control->toolTip() + u'\n' + hint);
}

}  // namespace

void TForm1::BindShortcuts(QWidget* window) {
  const auto keys = [](std::initializer_list<const char*> texts) {
    QList<QKeySequence> list;
    for (const char* text : texts) list.push_back(QKeySequence(QString::fromLatin1(text)));
    return list;
  };
  const TBinding bindings[] = {
      {keys({"Ctrl+P", "Pause", "Media Play"}), [this] { PauseClick(); }},
      {keys({"Ctrl+.", "Media Stop"}), [this] { Button5Click(); }},
      {keys({"Alt+Up"}), [this] { Step(trackBar2_, true); }},
      {keys({"Alt+Down"}), [this] { Step(trackBar2_, false); }},
      {keys({"Alt+Right"}), [this] { Step(trackBar1_, true); }},
      {keys({"Alt+Left"}), [this] { Step(trackBar1_, false); }},
      {keys({"Alt+PgUp"}), [this] { Step(trackBar3_, true); }},
      {keys({"Alt+PgDown"}), [this] { Step(trackBar3_, false); }},
      {keys({"F12"}), [this] { Button7Click(); }},
      {keys({"F11", "Alt+Return", "Alt+Enter"}), [this] { ToggleFullScreen(); }},
      {keys({"Ctrl+F"}), [this] {
         activateWindow();
         edit1_->setFocus(Qt::ShortcutFocusReason);
         edit1_->selectAll();
       }},
      {keys({"Ctrl+N"}), [this] { PlayNextPlaylistRow(); }},
      {keys({"Ctrl+M"}), [this] {
         melody_->setCurrentIndex((melody_->currentIndex() + 1) % melody_->count());
         MelodyChange();
       }},
  };
  for (const TBinding& binding : bindings) {
    for (const QKeySequence& sequence : binding.keys)
      connect(new QShortcut(sequence, window), &QShortcut::activated, this, binding.action);
  }
}

void TForm1::AddShortcutHints() {
  AddHint(listView1_, QStringLiteral("Enter - спеть."));
  AddHint(listView2_, QStringLiteral("Ctrl+N - следующая песня плейлиста."));
  AddHint(edit1_, QStringLiteral("Ctrl+F - к поиску."));
  AddHint(images_[5], QStringLiteral("Стоп: Ctrl+."));
  AddHint(pause_, QStringLiteral("Пауза и дальше: Ctrl+P или Pause"));
  AddHint(images_[7], QStringLiteral("Окно певца вперёд: F12; во весь экран: F11 или Alt+Enter"));
  AddHint(trackBar1_, QStringLiteral("Alt+→ быстрее, Alt+← медленнее"));
  AddHint(trackBar2_, QStringLiteral("Alt+↑ выше, Alt+↓ ниже"));
  AddHint(trackBar3_, QStringLiteral("Alt+PgUp громче, Alt+PgDn тише"));
  AddHint(melody_, QStringLiteral("Ctrl+M - полная, вполовину, выключена"));
}

}  // namespace lyrova
