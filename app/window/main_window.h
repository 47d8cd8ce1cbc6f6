#pragma once
// TForm1, the main window: the catalogue and playlist views, the search box,
// the three sliders and the picture buttons. It owns the catalogue, the
// singer's window and the playback engine, brings them up when first shown
// and takes them down in a fixed order when closed.

#include <QWidget>
#include <array>
#include <chrono>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "app/core/focus_return.h"
#include "app/core/now_playing.h"
#include "app/core/playlist_advance.h"
#include "app/core/slider_rules.h"
#include "app/core/song_collection.h"
#include "app/core/song_order.h"
#include "app/window/song_end_bridge.h"
#include "catalog/songs_catalog.h"
#include "playback/playback_engine.h"
#include "export/song_export.h"

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QMenu;
class QGroupBox;
class QLineEdit;
class QSlider;

namespace lyrova {

class TForm2;
class TFormShell;
class TLibraryBar;
class TNowPlayingLine;
class TSongExportJob;
class TLibraryScan;
class TSettingsFile;
class TSongView;
class TSoundLine;
class TUserDialogs;
class TVideoForm;
class TMessageEvent;

// What the program entry hands the main window.
struct TForm1Setup {
  TUserDialogs* dialogs = nullptr;  // must outlive the window
  std::string programPath;          // the program file: its folder, its settings file
  CatalogResources catalog;         // the built-in catalogue
  TAudioMode audio = TAudioMode::Device;
};

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 792;
  static constexpr int kClientHeight = 573;

  explicit TForm1(const TForm1Setup& setup, QWidget* parent = nullptr);
  ~TForm1() override;

  // The configuration dialog, created after this window; it must outlive it.
  void SetConfigDialog(TForm2* dialog) { config_ = dialog; }
  // The settings file, beside the program or in the user's settings folder.
  std::string SettingsPath() const;

  // The window's controls, by their historical names.
  TSongView* ListView1() const { return listView1_; }
  TSongView* ListView2() const { return listView2_; }
  QLineEdit* Edit1() const { return edit1_; }
  QButtonGroup* RadioGroup1() const { return radioGroup1_; }
  QSlider* TrackBar1() const { return trackBar1_; }
  QSlider* TrackBar2() const { return trackBar2_; }
  QSlider* TrackBar3() const { return trackBar3_; }
  QComboBox* MelodyBox() const { return melody_; }  // the guide melody
  QWidget* PictureButton(int number) const;  // Image1 .. Image9, or null
  QWidget* PauseButton() const { return pause_; }
  TNowPlayingLine* NowPlayingLine() const { return nowPlayingLine_; }

  TSongsCatalog& SongsCatalog() { return catalog_; }
  // The disc's songs and the song library's, as the views show them.
  TSongCollection& Songs() { return songs_; }
  TLibraryBar* LibraryBar() const { return libraryBar_; }
  // Whether the song library's folder is being read.
  bool LibraryScanning() const;
  TVideoForm* VideoForm() const { return video_.get(); }
  TPlaybackEngine* Engine() const { return engine_.get(); }
  const TPlayOrigin& PlayOrigin() const { return origin_; }
  // The engine took the song the origin names under `serial`: only that
  // song's natural end advances the playlist.
  void SongHandedOver(std::uint32_t serial) { origin_.serial = serial; }
  int SortColumn() const { return sortColumn_; }
  // Start-up ran and the program is running; false also after it gave up.
  bool Started() const { return started_; }

  // Actions of the buttons and keys.
  void ListView1DblClick();
  void ListView2DblClick();
  void Button1Click();  // add the selected catalogue rows to the playlist
  void Button2Click();  // clear the playlist
  void Button6Click();  // restore the whole catalogue view
  void Button5Click();  // stop the song
  void PauseClick();    // hold the song still, or let it go on
  void PlayNextPlaylistRow();
  // The context menu of a song row: save it as a video or as its sound.
  QMenu* SongMenu(TSongView* view, int row);
  // Saves song `code` on a worker thread with a progress dialog; one at a time.
  void SaveSongTo(std::uint32_t code, TExportKind kind, const QString& target, QSize videoSize = {1280, 720});
  TSongExportJob* SongExport() const { return export_.get(); }
  // What plays now and how far it is; nothing when no song plays.
  std::optional<TNowPlaying> NowPlaying() const;
  void Button7Click();  // bring the singer's window to the front
  void Button8Click();  // the configuration dialog
  void SavePlaylist();
  void LoadPlaylist();
  void DoSearch();

 signals:
  // Start-up gave up or the window has closed: the program ends.
  void programEnded();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Layout.
  void BuildWindow();
  QWidget* BuildPlayerBar();
  QWidget* BuildMiddleColumn();
  QWidget* BuildRightColumn();
  // A slider with its value over it and its name under it, added to `row`.
  QSlider* NewTrackBar(TSliderKind kind, QBoxLayout* row);
  // A shortcut for every control, written into its hint too.
  void BindShortcuts();

  // Start-up and shutdown.
  enum class TImageCheck { Accepted, WrongVersion, GaveUp };
  std::string ProgramFolder() const;  // ends with "/"
  QString DemoDiscFolder() const;     // the demo disc at hand, or empty
  void FormShow();
  bool AppInit();
  // Finds an image of the right size, asking for its folder, and checks its
  // version mark; GaveUp when the user chose to end the program.
  TImageCheck AcceptImage(std::string& folder);
  std::string SoundFontPath(const TSettingsFile& settings) const;
  void FormClose();

  // The song library: read in the background at start and whenever the
  // configured folder changes; the views follow when it arrives.
  // A quiet scan (a second look at the same folder) shows no progress bar
  // unless it takes long.
  void StartLibraryScan(const std::string& folder, bool quiet = false);
  // The folder being read, else the one the library's songs came from.
  const std::string& LibraryFolder() const;
  // Reads the library's folder again in the background, at most every few
  // seconds; the views change only when its files did.
  void LibraryFolderMayHaveChanged();
  void LibraryScanned(SongLibrary library);
  void ShowUnreadFiles();

  // Song lists.
  void FillCatalogView();
  void RestoreCatalogView();
  void ShowFoundSongs();
  void ListView1ColumnClick(TSongView* view, int column);
  void ListView1KeyDown(int key);
  void ListView2KeyDown(int key);
  void RetFocusEnter();
  void Edit1KeyDown(QKeyEvent* key, bool& consumed);
  void Image9Click();
  void PostPlaySong(const SongRowTexts& row);
  void TrackBar1Change(int position);
  void TrackBar2Change(int position);
  void TrackBar3Change(int position);
  // The guide melody's choice: stored, and heard at once.
  void MelodyChange();
  void ApplyMelodyLevel(int percent);
  // Key and tempo per song, when the user asked for them: the sliders take
  // the song's own before it starts, and every change of them is kept.
  void RecallSongChoice();
  void RememberSongChoice();
  void ShowSongMenu(TSongView* view, const QPoint& at);
  // What the title card shows for song `code`: its title, singer and code.
  TSongTitle TitleOf(std::uint32_t code);
  void SaveSong(TSongView* view, int row, TExportKind kind);

  // Message handlers.
  void Dispatch(const TMessageEvent& message);
  void WMPlaySong(std::uint32_t code);
  void WMStopSong();
  void WMSongEnd(std::uint32_t serial);
  void WMTempo(int a);
  void WMPitch(int n);
  void WMVolume(int p);
  void WMBadVidFile(const std::string& failedFile, const std::string& reason);

  // The general error report: the error's text in a message box, then on.
  template <class Action>
  void Guarded(Action&& action);
  // The general error report: the error's text in the interface's language.
  void ShowError(const std::exception& e);

  TForm1Setup setup_;
  TUserDialogs& dialogs_;
  TSongsCatalog catalog_;
  TSongCollection songs_{catalog_};
  std::unique_ptr<TLibraryScan> libraryScan_;
  TLibraryBar* libraryBar_ = nullptr;
  std::chrono::steady_clock::time_point libraryRead_;
  std::chrono::steady_clock::time_point libraryScanStarted_;
  bool quietScan_ = false;
  // The search the catalogue view shows, run again when the library changes.
  struct TShownSearch {
    int item = -1;
    std::string query;  // UTF-8
  };
  std::optional<TShownSearch> shownSearch_;
  struct TCatalogSnapshot {
    std::vector<SongRowTexts> rows;
    std::array<int, 5> widths{};
  } catalogSnapshot_;
  std::unique_ptr<TFormShell> shell_;
  TSongEndBridge songEnd_;
  std::unique_ptr<TVideoForm> video_;
  std::unique_ptr<TPlaybackEngine> engine_;
  TForm2* config_ = nullptr;
  TSoundLine* soundLine_ = nullptr;

  TPlayOrigin origin_;
  TFocusReturn<QWidget*> focusReturn_;
  int sortColumn_ = 0;
  bool shown_ = false;
  bool started_ = false;
  bool closed_ = false;

  TSongView* listView1_ = nullptr;
  TSongView* listView2_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QGroupBox* radioBox_ = nullptr;
  QButtonGroup* radioGroup1_ = nullptr;
  QSlider* trackBar1_ = nullptr;
  QSlider* trackBar2_ = nullptr;
  QSlider* trackBar3_ = nullptr;
  QComboBox* melody_ = nullptr;
  bool recallingChoice_ = false;
  std::unique_ptr<TSongExportJob> export_;
  QWidget* images_[10] = {};
  QWidget* pause_ = nullptr;
  TNowPlayingLine* nowPlayingLine_ = nullptr;
  TNowPlaying playingSong_;  // the song last started: code, title, singer
  std::string playingKey_;   // what that song's key and tempo are kept under
};

template <class Action>
void TForm1::Guarded(Action&& action) {
  try {
    action();
  } catch (const std::exception& e) {
    ShowError(e);
  }
}

}  // namespace lyrova
