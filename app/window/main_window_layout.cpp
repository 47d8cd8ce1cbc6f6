// The main window's regions: the link strip on top; below it the catalogue
// with the player bar at its foot, the middle column of buttons and sliders,
// and the right column with the playlist and the search.

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "app/widgets/link_strip.h"
#include "app/widgets/picture_button.h"
#include "app/core/search_dispatch.h"
#include "app/window/dialog_adapters.h"
#include "app/window/library_bar.h"
#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "app/window/sound_line.h"
#include "playback/playback_engine.h"

namespace lyrova {

namespace {

constexpr int kPlayerBarHeight = 50;
constexpr int kMiddleColumnWidth = 57;
constexpr int kRightColumnWidth = 188;

QBoxLayout* Bare(QBoxLayout* layout) {
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
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
  left->addWidget(BuildPlayerBar());
  body->addLayout(left, 1);
  body->addWidget(BuildMiddleColumn());
  body->addWidget(BuildRightColumn());
  root->addLayout(body, 1);
}

QWidget* TForm1::BuildPlayerBar() {
  auto* bar = new QWidget(this);
  bar->setFixedHeight(kPlayerBarHeight);
  auto* row = Bare(new QHBoxLayout(bar));
  auto* stop = new TPictureButton(QStringLiteral("STOP"), bar);
  auto* config = new TPictureButton(QStringLiteral("CONFIG"), bar);
  auto* video = new TPictureButton(QStringLiteral("VIDEO"), bar);
  row->addWidget(stop);
  soundLine_ = new TSoundLine(
      [this]() -> std::optional<TAudioStatus> {
        if (!engine_) return std::nullopt;
        return engine_->AudioStatus();
      },
      bar);
  row->addSpacing(8);
  row->addWidget(soundLine_, 1);
  row->addWidget(config);
  row->addWidget(video);
  images_[5] = stop;
  images_[8] = config;
  images_[7] = video;
  connect(stop, &TPictureButton::clicked, this, &TForm1::Button5Click);
  connect(video, &TPictureButton::clicked, this, &TForm1::Button7Click);
  connect(config, &TPictureButton::clicked, this, &TForm1::Button8Click);
  return bar;
}

QSlider* TForm1::NewTrackBar(const char* hint, int min, int max, int position) {
  auto* bar = new QSlider(Qt::Vertical, this);
  bar->setRange(min, max);
  bar->setValue(position);
  // The minimum sits at the top, as on the sliders users know from mixers.
  bar->setInvertedAppearance(true);
  bar->setInvertedControls(true);
  bar->setTickPosition(QSlider::NoTicks);
  bar->setToolTip(QString::fromLatin1(hint));
  bar->installEventFilter(this);
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

  trackBar1_ = NewTrackBar("Tempo", -40, 40, 0);
  trackBar2_ = NewTrackBar("Pitch", -8, 8, 0);
  trackBar3_ = NewTrackBar("Volume", 0, 100, 50);
  connect(trackBar1_, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
  connect(trackBar2_, &QSlider::valueChanged, this, &TForm1::TrackBar2Change);
  connect(trackBar3_, &QSlider::valueChanged, this, &TForm1::TrackBar3Change);
  auto* bars = Bare(new QHBoxLayout);
  for (QSlider* bar : {trackBar1_, trackBar2_, trackBar3_}) {
    bar->setFixedHeight(150);
    bars->addWidget(bar);
  }
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
  radioGroup1_->button(kStartSearchMode)->setChecked(true);
  connect(radioGroup1_, &QButtonGroup::idClicked, this, [this](int) { RetFocusEnter(); });
  searchStack->addWidget(radioBox_);
  stack->addWidget(search);
  return column;
}

}  // namespace lyrova
