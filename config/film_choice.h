#pragma once
// The film chooser's title and filter, the same wherever a film is chosen
// (the filter in the "Name|patterns|..." form that QtFileFilter converts).

namespace lyrova {

inline constexpr char kFilmChooserTitle[] = "Выберите видеофайл для проигрывания в качестве фона";
inline constexpr char kFilmChooserFilter[] =
    "Ostrel караоке видео (rmoving.img)|RMOVING.IMG|Avi files (*.avi)|*.AVI|Mpeg files (*.mpg)|*.MPG|"
    "Все Файлы (*.*)|*.*";

}  // namespace lyrova
