// The main window's regions: the link strip on top; below it the catalogue
// with the player bar at its foot, the middle column of buttons and sliders,
// and the right column with the playlist and the search.

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "app/widgets/link_strip.h"
#include "app/widgets/picture_button.h"
#include "session/search_dispatch.h"
#include "app/window/dialog_adapters.h"
#include "app/window/library_bar.h"
#include "app/window/main_window.h"
#include "app/window/now_playing_line.h"
#include "app/window/song_view.h"
#include "app/window/sound_line.h"
#include "app/window/track_bar.h"
#include "playback/master_settings.h"
#include "playback/playback_engine.h"

namespace lyrova {

namespace {

constexpr int kPlayerBarHeight = 50;
// Wide enough for the three sliders with their names and values under and
// over them.
constexpr int kSliderCellWidth = 40;
constexpr int kSliderHeight = 150;
constexpr int kMiddleColumnWidth = 3 * kSliderCellWidth + 4;
constexpr int kRightColumnWidth = 188;

QBoxLayout* Bare(QBoxLayout* layout) {
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

QString SliderValueText(TSliderKind kind, int position) {
  switch (kind) {
    case TSliderKind::Tempo: return QString::fromStdString(TempoText(TempoFactor(-position)));
    case TSliderKind::Key: return QString::fromStdString(KeyText(-position));
    case TSliderKind::Volume: return QString::fromStdString(VolumeText(VolumeHundredthsDb(position)));
  }
  return {};
}

}  // namespace

void TForm1::BuildWindow() {
  auto* root = Bare(new QVBoxLayout(this));
  root->addWidget(new TLinkStrip(*shell_, QString::fromStdString(ProgramFolder()), this));

  auto* body = Bare(new QHBoxLayout);
  auto* left = Bare(new QVBoxLayout);
  listView1_ = new TSongView(true, this);
  left->addWidget(listView1_, 1);
  libraryBar_ = new TLibraryBar([this] { ShowUnreadFiles(); }, this);
  left->addWidget(libraryBar_);
  nowPlayingLine_ = new TNowPlayingLine([this] { return session_->NowPlaying(); }, this);
  left->addWidget(nowPlayingLine_);
  left->addWidget(BuildPlayerBar());
  body->addLayout(left, 1);
  body->addWidget(BuildMiddleColumn());
  body->addWidget(BuildRightColumn());
  sidePanel_ = Bare(new QVBoxLayout);
  body->addLayout(sidePanel_);
  root->addLayout(body, 1);

  // Tab goes round the two lists, the search box and the search mode; the
  // sliders are no stop (they would hand the focus straight back).
  QList<QWidget*> order{listView1_, listView2_, edit1_};
  for (QAbstractButton* radio : radioGroup1_->buttons()) order.push_back(radio);
  order.push_back(listView1_);
  for (int i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

QWidget* TForm1::BuildPlayerBar() {
  auto* bar = new QWidget(this);
  bar->setFixedHeight(kPlayerBarHeight);
  auto* row = Bare(new QHBoxLayout(bar));
  auto* stop = new TPictureButton(QStringLiteral("STOP"), bar);
  auto* pause = new TPictureButton(QStringLiteral("PAUSE"), bar);
  pause_ = pause;
  auto* config = new TPictureButton(QStringLiteral("CONFIG"), bar);
  auto* video = new TPictureButton(QStringLiteral("VIDEO"), bar);
  row->addWidget(stop);
  row->addWidget(pause);
  soundLine_ = new TSoundLine(
      [this]() -> std::optional<TAudioStatus> {
        if (!engine_) return std::nullopt;
        return engine_->AudioStatus();
      },
      bar);
  row->addSpacing(8);
  // Beside two buttons the longer texts take two or three short lines.
  soundLine_->setWordWrap(true);
  row->addWidget(soundLine_, 1);
  row->addWidget(config);
  row->addWidget(video);
  images_[5] = stop;
  images_[8] = config;
  images_[7] = video;
  connect(stop, &TPictureButton::clicked, this, &TForm1::Button5Click);
  connect(pause, &TPictureButton::clicked, this, &TForm1::PauseClick);
  connect(video, &TPictureButton::clicked, this, &TForm1::Button7Click);
  connect(config, &TPictureButton::clicked, this, &TForm1::Button8Click);
  return bar;
}

QSlider* TForm1::NewTrackBar(TSliderKind kind, QBoxLayout* row) {
  const TSliderRule& rule = SliderRule(kind);
  auto* cell = new QWidget(this);
  cell->setFixedWidth(kSliderCellWidth);
  auto* stack = Bare(new QVBoxLayout(cell));
  auto* value = new QLabel(cell);
  auto* bar = new TTrackBar(rule, cell);
  bar->setFixedHeight(kSliderHeight);
  auto* label = new QLabel(QString::fromUtf8(rule.label), cell);
  for (QLabel* text : {value, label}) {
    text->setAlignment(Qt::AlignHCenter);
    stack->addWidget(text);
  }
  stack->insertWidget(1, bar, 1, Qt::AlignHCenter);
  const auto show = [value, kind](int position) { value->setText(SliderValueText(kind, position)); };
  show(rule.start);
  connect(bar, &QSlider::valueChanged, value, show);
  bar->setToolTip(QString::fromLatin1(rule.hint));
  bar->installEventFilter(this);
  row->addWidget(cell);
  return bar;
}

QWidget* TForm1::BuildMiddleColumn() {
  auto* column = new QWidget(this);
  column->setFixedWidth(kMiddleColumnWidth);
  auto* stack = Bare(new QVBoxLayout(column));
  stack->setSpacing(4);
  auto* add = new TPictureButton(QStringLiteral("ADD"), column);
  auto* clear = new TPictureButton(QStringLiteral("CLEAR"), column);
  auto* reload = new TPictureButton(QStringLiteral("RELOAD"), column);
  clear->setToolTip(QStringLiteral("Очистить плейлист"));
  reload->setToolTip(QStringLiteral("Перезагрузить каталог"));
  for (QWidget* button : {static_cast<QWidget*>(add), static_cast<QWidget*>(clear), static_cast<QWidget*>(reload)})
    stack->addWidget(button, 0, Qt::AlignHCenter);
  images_[1] = add;
  images_[4] = clear;
  images_[6] = reload;
  connect(add, &TPictureButton::clicked, this, &TForm1::Button1Click);
  connect(clear, &TPictureButton::clicked, this, &TForm1::Button2Click);
  connect(reload, &TPictureButton::clicked, this, &TForm1::Button6Click);
  stack->addStretch(1);

  // The guide melody, for practising without the tune.
  auto* melodyLabel = new QLabel(QStringLiteral("Мелодия"), column);
  melodyLabel->setAlignment(Qt::AlignHCenter);
  stack->addWidget(melodyLabel);
  melody_ = new QComboBox(column);
  melody_->addItem(QStringLiteral("полная"), 100);
  melody_->addItem(QStringLiteral("вполовину"), 50);
  melody_->addItem(QStringLiteral("выключена"), 0);
  melody_->setToolTip(QStringLiteral("Громкость мелодии песни: тише, чтобы петь без подсказки"));
  stack->addWidget(melody_);
  // No Tab stop, like the sliders (Ctrl+M reaches it); the focus goes back
  // to the list once a choice is made.
  melody_->setFocusPolicy(Qt::ClickFocus);
  connect(melody_, &QComboBox::activated, this, [this](int) {
    MelodyChange();
    RetFocusEnter();
  });

  auto* bars = Bare(new QHBoxLayout);
  trackBar1_ = NewTrackBar(TSliderKind::Tempo, bars);
  trackBar2_ = NewTrackBar(TSliderKind::Key, bars);
  trackBar3_ = NewTrackBar(TSliderKind::Volume, bars);
  // TrackBar1Change, TrackBar2Change, TrackBar3Change: the session posts the
  // change, and keeps the key and tempo for the song.
  connect(trackBar1_, &QSlider::valueChanged, this, [this](int p) { Guarded([&] { session_->SetTempoPosition(p); }); });
  connect(trackBar2_, &QSlider::valueChanged, this, [this](int p) { Guarded([&] { session_->SetKeyPosition(p); }); });
  connect(trackBar3_, &QSlider::valueChanged, this, [this](int p) { Guarded([&] { session_->SetVolumePosition(p); }); });
  stack->addLayout(bars);
  return column;
}

QWidget* TForm1::BuildRightColumn() {
  auto* column = new QWidget(this);
  column->setFixedWidth(kRightColumnWidth);
  auto* stack = Bare(new QVBoxLayout(column));
  listView2_ = new TSongView(false, column);
  stack->addWidget(listView2_, 1);

  auto* files = Bare(new QHBoxLayout);
  auto* save = new TPictureButton(QStringLiteral("SAVE"), column);
  auto* load = new TPictureButton(QStringLiteral("LOAD"), column);
  files->addWidget(save);
  files->addStretch(1);
  files->addWidget(load);
  stack->addLayout(files);
  images_[2] = save;
  images_[3] = load;
  connect(save, &TPictureButton::clicked, this, &TForm1::SavePlaylist);
  connect(load, &TPictureButton::clicked, this, &TForm1::LoadPlaylist);

  auto* search = new QGroupBox(QStringLiteral(" Поиск: "), column);
  auto* searchStack = new QVBoxLayout(search);
  searchStack->setContentsMargins(4, 4, 4, 4);
  auto* line = Bare(new QHBoxLayout);
  edit1_ = new QLineEdit(search);
  edit1_->installEventFilter(this);
  auto* go = new TPictureButton(QStringLiteral("SEARCH"), search);
  images_[9] = go;
  connect(go, &TPictureButton::clicked, this, &TForm1::Image9Click);
  line->addWidget(edit1_, 1);
  line->addSpacing(2);
  line->addWidget(go);
  searchStack->addLayout(line);

  radioBox_ = new QGroupBox(QStringLiteral(" где ищем? "), search);
  auto* radios = new QVBoxLayout(radioBox_);
  radios->setContentsMargins(6, 2, 6, 2);
  radios->setSpacing(0);
  radioGroup1_ = new QButtonGroup(radioBox_);
  const char* items[] = {"Код", "Название", "Исполнитель", "Автор музыки", "Автор слов",
                         "В текстах песен (долго!)"};
  for (int i = 0; i < 6; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(items[i]), radioBox_);
    radioGroup1_->addButton(radio, i);
    radios->addWidget(radio);
  }
  // Tab stops at the chosen mode only; the arrows move between the modes.
  connect(radioGroup1_, &QButtonGroup::buttonToggled, this, [](QAbstractButton* radio, bool checked) {
    radio->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
  });
  for (QAbstractButton* radio : radioGroup1_->buttons()) radio->setFocusPolicy(Qt::ClickFocus);
  radioGroup1_->button(kStartSearchMode)->setChecked(true);
  connect(radioGroup1_, &QButtonGroup::idClicked, this, [this](int) { RetFocusEnter(); });
  searchStack->addWidget(radioBox_);
  stack->addWidget(search);
  return column;
}

}  // namespace lyrova
