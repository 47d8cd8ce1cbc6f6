#pragma once
// TForm1, the main window: a view of the karaoke session. It lays out the
// catalogue and playlist views, the search box, the three sliders and the
// picture buttons, shows what the session holds and hands it the user's
// intent. It owns the session, the singer's window and the playback engine,
// brings them up when first shown and takes them down in a fixed order
// when closed.

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "app/window/focus_return.h"
#include "playback/playback_engine.h"
#include "export/song_export.h"
#include "session/karaoke_session.h"
#include "session/slider_rules.h"

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QMenu;
class QGroupBox;
class QLineEdit;
class QSlider;

namespace lyrova {

class ISongPlayer;
class TForm2;
class TFormShell;
class TLibraryBar;
class TNowPlayingLine;
class TSongExportJob;
class TSettingsFile;
class TSongView;
class TSoundLine;
class TUserDialogs;
class TVideoForm;

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
  TLibraryBar* LibraryBar() const { return libraryBar_; }
  // Free room beside the playlist, at the right edge, for a panel of the
  // evening (the singers' queue); empty and hidden until one is put there.
  QBoxLayout* SidePanel() const { return sidePanel_; }

  TKaraokeSession& Session() { return *session_; }
  TVideoForm* VideoForm() const { return video_.get(); }
  TPlaybackEngine* Engine() const { return engine_.get(); }
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
  TSongExportJob* SongExport() const { return exportView_.get(); }
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
  // What the session says, shown: the lists, the controls, the library.
  void ConnectSession();
  // A shortcut for every control, in `window` (this one and the singer's),
  // written into the controls' hints once.
  void BindShortcuts(QWidget* window);
  void AddShortcutHints();

  // Start-up and shutdown.
  enum class TImageCheck { Accepted, WrongVersion, GaveUp };
  std::string ProgramFolder() const;  // ends with "/"
  QString DemoDiscFolder() const;     // the demo disc at hand, or empty
  void FormShow();
  bool AppInit();
  // Finds an image of the right size, asking for its folder, and checks its
  // version mark; GaveUp when the user chose to end the program.
  TImageCheck AcceptImage(std::string& folder);
  void CreateVideoForm();
  std::string SoundFontPath(const TSettingsFile& settings) const;
  void FormClose();

  // Song lists.
  void FitCatalogColumns();
  void ShowLibraryRead(bool songsChanged);
  void ShowUnreadFiles();
  void ListView1ColumnClick(TSongView* view, int column);
  void ListView1KeyDown(int key);
  void ListView2KeyDown(int key);
  void Edit1KeyDown(QKeyEvent* key, bool& consumed);
  void Image9Click();
  void ShowSongMenu(TSongView* view, const QPoint& at);
  // The lyric clock's ticks so far, and the late ones, to the timing log.
  void LogTicks(const char* event) const;
  void SaveSong(TSongView* view, int row, TExportKind kind);
  void ShowControls();
  void MelodyChange();

  // The keyboard focus: the sliders and the search-mode group hand it back
  // to the list or search box left last; after the singer's window or a
  // dialog it comes back to where it was.
  void RetFocusEnter();
  void ReturnFocus();
  void ToggleFullScreen();
  // The singer's window's events: back from full screen, and the list's keys.
  bool VideoFormEvent(QEvent* event);

  void WMBadVidFile(const std::string& failedFile, const std::string& reason);

  // The general error report: the error's text in a message box, then on.
  template <class Action>
  void Guarded(Action&& action);
  // The general error report: the error's text in the interface's language.
  void ShowError(const std::exception& e);
  // A message box, and the keyboard back where it was.
  void Report(const QString& text);

  TForm1Setup setup_;
  TUserDialogs& dialogs_;
  std::unique_ptr<TKaraokeSession> session_;
  std::unique_ptr<TFormShell> shell_;
  std::unique_ptr<TVideoForm> video_;
  std::unique_ptr<TPlaybackEngine> engine_;
  std::unique_ptr<ISongPlayer> player_;
  TForm2* config_ = nullptr;
  TLibraryBar* libraryBar_ = nullptr;
  TSoundLine* soundLine_ = nullptr;

  // The column widths of the first fill, which a restore brings back.
  std::array<int, 5> catalogWidths_{};
  int catalogRowBefore_ = -1;   // the current rows while the library's songs change
  int playlistRowBefore_ = -1;
  TFocusReturn<QWidget*> focusReturn_;
  int sortColumn_ = 0;
  bool shown_ = false;
  bool started_ = false;
  bool closed_ = false;
  bool showingControls_ = false;

  TSongView* listView1_ = nullptr;
  TSongView* listView2_ = nullptr;
  QBoxLayout* sidePanel_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QGroupBox* radioBox_ = nullptr;
  QButtonGroup* radioGroup1_ = nullptr;
  QSlider* trackBar1_ = nullptr;
  QSlider* trackBar2_ = nullptr;
  QSlider* trackBar3_ = nullptr;
  QComboBox* melody_ = nullptr;
  std::unique_ptr<TSongExportJob> exportView_;
  QWidget* images_[10] = {};
  QWidget* pause_ = nullptr;
  TNowPlayingLine* nowPlayingLine_ = nullptr;
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
