#pragma once
// The film chooser's title and filter, the same wherever a film is chosen
// (the filter in the "Name|patterns|..." form that QtFileFilter converts),
// translated in the context kFilmChoiceContext.

#include "catalog/user_text.h"

namespace lyrova {

inline constexpr char kFilmChoiceContext[] = "lyrova::FilmChoice";
inline constexpr char kFilmChooserTitle[] =
    QT_TRANSLATE_NOOP("lyrova::FilmChoice", "Choose a video file to play as the background");
inline constexpr char kFilmChooserFilter[] = QT_TRANSLATE_NOOP(
    "lyrova::FilmChoice",
    "Ostrel karaoke video (rmoving.img)|RMOVING.IMG|Avi files (*.avi)|*.AVI|Mpeg files (*.mpg)|*.MPG|"
    "All Files (*.*)|*.*");

}  // namespace lyrova
