#pragma once
// The core's texts in the interface's language, at the window and tool boundary.

#include <QString>
#include <exception>

#include "catalog/errors.h"
#include "catalog/user_text.h"

namespace lyrova {

// The text translated by the installed translators, its arguments too.
QString Translated(const UserText& text);
// What the general error report shows for an error of the core.
inline QString Translated(const Error& error) { return Translated(error.Text()); }
// The same for any exception: the core's translated, others' UTF-8 text as it is.
QString ErrorText(const std::exception& error);

}  // namespace lyrova
