#pragma once
// Every text a window shows a user, widget by widget: captions, labels,
// buttons, hints, list headers, menu entries and drop-down items. The rows of
// song lists are the songs' own data and are left out.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

namespace lyrova::testing {

inline QStringList WidgetTexts(const QWidget* root) {
  QStringList texts;
  const auto add = [&](const QString& text) {
    if (!text.isEmpty()) texts << text;
  };
  QList<const QWidget*> widgets{root};
  for (const QWidget* w : root->findChildren<QWidget*>()) widgets << w;
  for (const QWidget* w : widgets) {
    add(w->windowTitle());
    add(w->toolTip());
    add(w->statusTip());
    add(w->whatsThis());
    for (const QAction* a : w->actions()) {
      add(a->text());
      add(a->toolTip());
    }
    if (auto* l = qobject_cast<const QLabel*>(w)) add(l->text());
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) add(b->text());
    if (auto* g = qobject_cast<const QGroupBox*>(w)) add(g->title());
    if (auto* e = qobject_cast<const QLineEdit*>(w)) add(e->placeholderText());
    if (auto* c = qobject_cast<const QComboBox*>(w)) {
      for (int i = 0; i < c->count(); ++i) add(c->itemText(i));
    }
    if (auto* h = qobject_cast<const QHeaderView*>(w); h && h->model()) {
      for (int i = 0; i < h->count(); ++i)
        add(h->model()->headerData(i, h->orientation(), Qt::DisplayRole).toString());
    }
  }
  return texts;
}

inline bool HasCyrillic(const QString& text) {
  static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  return text.contains(cyrillic);
}

// The texts holding a Cyrillic letter, less those meant to (a language's own name).
inline QStringList CyrillicTexts(const QWidget* root, const QStringList& allowed = {}) {
  QStringList found;
  for (const QString& text : WidgetTexts(root)) {
    if (HasCyrillic(text) && !allowed.contains(text)) found << text;
  }
  return found;
}

}  // namespace lyrova::testing
