// The program's title (`titel`), shown by the version box and the year-file search dialog.
#pragma once

#include "core/text/text.h"

namespace tev::ui {

inline const Text kProgramTitle = U"Tevardin";

}  // namespace tev::ui
