#pragma once
// Answers the main window's dialogs from a script and records what it showed.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "app/window/user_dialogs.h"

namespace lyrova::test {

class TScriptedDialogs : public TUserDialogs {
 public:
  // Answers, taken in order; an empty queue answers "cancel" and "No".
  std::deque<std::optional<QString>> folders;
  std::deque<bool> confirms;
  std::deque<std::optional<QString>> openFiles;
  std::deque<std::optional<QString>> saveFiles;
  std::deque<int> saveFilters;  // the filter chosen with each saved file
  // Called with the disc folder question's texts as it is asked.
  std::function<void(const QString& prompt, const QString& start, const QString& notice, const QString& demo)>
      folderAsked;

  // What was shown, in order.
  QStringList messages;
  QStringList folderPrompts;
  QStringList folderNotices;
  QStringList demoFolders;
  QStringList questions;
  QStringList fileFilters;
  QStringList fileSuffixes;
  QStringList openFolders;

  void ShowMessage(const QString& text) override { messages << text; }
  bool Confirm(const QString& text) override {
    questions << text;
    return Take(confirms, false);
  }
  std::optional<QString> ChooseFolder(const QString& prompt, const QString& start, const QString& notice,
                                      const QString& demoFolder) override {
    if (folderAsked) folderAsked(prompt, start, notice, demoFolder);
    folderPrompts << prompt;
    folderNotices << notice;
    demoFolders << demoFolder;
    return Take(folders, std::optional<QString>());
  }
  std::optional<QString> OpenFileName(const QString&, const QString& filter, const QString& suffix,
                                      const QString& folder) override {
    fileFilters << filter;
    openFolders << folder;
    fileSuffixes << suffix;
    return Take(openFiles, std::optional<QString>());
  }
  std::optional<QString> SaveFileName(const QString&, const QString& filter, const QString& suffix,
                                      int* chosenFilter) override {
    fileFilters << filter;
    fileSuffixes << suffix;
    if (chosenFilter) *chosenFilter = Take(saveFilters, 0);
    return Take(saveFiles, std::optional<QString>());
  }

 private:
  // The next answer of the script, or `answer` when it has run out.
  template <class T>
  static T Take(std::deque<T>& queue, T answer) {
    if (!queue.empty()) {
      answer = std::move(queue.front());
      queue.pop_front();
    }
    return answer;
  }
};

}  // namespace lyrova::test
